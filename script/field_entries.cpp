#include "script/field_entries.h"

#include <charconv>
#include <cstring>
#include <optional>

#include "script/number_text.h"
#include "script/table_match.h"
#include "script/value_tables.h"

namespace kalvex {
namespace {

// A text field as the script sees it: it ends at its first NUL.
std::string_view TextOf(const std::string& field) {
  return std::string_view(field.c_str(), std::strlen(field.c_str()));
}

// The characters of `text` before the first of `stops`.
std::string_view UpTo(std::string_view text, std::string_view stops) {
  return text.substr(0, text.find_first_of(stops));
}

// An optional number is written unless it is empty, begins with a space (the
// reset text) or is zero ("0", "00", "0.0", ".0", "-0"); up to its first
// space.
std::optional<std::string_view> GuardedValue(const std::string& field) {
  const std::string_view value = UpTo(TextOf(field), " ");
  if (field.c_str()[0] == ' ' || value.empty() || IsZeroNumber(value)) return std::nullopt;
  return value;
}

// The value that a text form writes, or nothing where it writes no entry.
std::optional<std::string_view> TextFormValue(WrittenForm form, const std::string& field) {
  switch (form) {
    case WrittenForm::kCode:
    case WrittenForm::kWhole:
      return TextOf(field);
    case WrittenForm::kSmokeDelay:
      // Written unless its text is exactly the reset text.
      if (std::strcmp(field.c_str(), kResetText) == 0) return std::nullopt;
      return UpTo(TextOf(field), " \n");
    case WrittenForm::kBounded:
      // Range and damage: up to a space or a line feed, written even when empty.
      return UpTo(TextOf(field), " \n");
    case WrittenForm::kGuarded:
      return GuardedValue(field);
    default:
      return std::nullopt;
  }
}

// A field with an own text: its text is its value, whatever its index.
bool IndexDiffers(const RecordField& field, const WeaponRecord& a, const WeaponRecord& b) {
  if (field.own != nullptr) {
    const std::string& own_a = a.own.*field.own;
    const std::string& own_b = b.own.*field.own;
    if (own_a != own_b) return true;
    if (!own_a.empty()) return false;
  }
  return a.*field.number != b.*field.number;
}

}  // namespace

RowEntries WrittenEntries(const LayoutRow& row, const WeaponRecord& r) {
  const RecordField& field = FieldOf(row.field);
  RowEntries entries;
  if (field.IsText()) {
    if (const std::optional<std::string_view> value = TextFormValue(row.form, r.*field.text)) {
      entries.Add(field.key, *value);
    }
    return entries;
  }
  const int number = r.*field.number;
  const std::string_view own = field.own != nullptr ? r.own.*field.own : std::string_view();
  switch (row.form) {
    case WrittenForm::kFlag:
      if (number == 1) entries.Add(field.key, "1");
      break;
    case WrittenForm::kStyle:
      if (const std::string_view key = TableText(kStyleTable, number); !key.empty()) {
        entries.Add(key, "1");
      }
      break;
    case WrittenForm::kNumber:
      if (!own.empty()) {
        entries.Add(field.key, own);
      } else if (number != kNoEntry) {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
        entries.Add(field.key, std::string_view(digits, static_cast<std::size_t>(end - digits)));
      }
      break;
    case WrittenForm::kTableOrOwn:
      entries.Add(field.key, !own.empty() ? own : TableValue(field.table, number));
      break;
    case WrittenForm::kTableValue:
      if (const std::string_view value = !own.empty() ? own : TableValue(field.table, number);
          !value.empty()) {
        entries.Add(field.key, value);
      }
      break;
    case WrittenForm::kColourPair: {
      const ColourValues values = !own.empty() ? OwnColourValues(own) : ColourValuesOf(number);
      if (values.first) entries.Add(field.key, *values.first);
      if (values.second) entries.Add(field.second_key, *values.second);
      break;
    }
    default:
      break;
  }
  return entries;
}

bool FieldDiffers(const RecordField& field, const WeaponRecord& a, const WeaponRecord& b) {
  if (field.IsText()) return a.*field.text != b.*field.text;
  return IndexDiffers(field, a, b);
}

}  // namespace kalvex
