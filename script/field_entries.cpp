#include "script/field_entries.h"

#include <charconv>

#include "script/table_match.h"
#include "script/value_forms.h"
#include "script/value_tables.h"

namespace kalvex {
namespace {

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

// An own text, else the table's value; an index whose table writes no text
// (the none entries, an index outside the table) writes no entry.
std::optional<std::string> TableFieldValue(const RecordField& field, const WeaponRecord& r) {
  if (field.reading != ValueRule::kTable) return std::nullopt;
  if (field.own != nullptr && !(r.own.*field.own).empty()) return r.own.*field.own;
  const std::string_view value = TableValue(field.table, r.*field.number);
  if (value.empty()) return std::nullopt;
  return std::string(value);
}

}  // namespace

bool FieldDiffers(const RecordField& field, const WeaponRecord& a, const WeaponRecord& b) {
  if (field.IsText()) return a.*field.text != b.*field.text;
  return IndexDiffers(field, a, b);
}

std::optional<std::string> WrittenValue(const LayoutRow& row, const WeaponRecord& r) {
  const RecordField& field = FieldOf(row.field);
  if (field.IsText()) {
    const std::optional<std::string_view> value = TextFormValue(row.form, r.*field.text);
    return value ? std::optional<std::string>(*value) : std::nullopt;
  }
  switch (row.form) {
    case WrittenForm::kNumber: {
      if (!(r.own.*field.own).empty()) return r.own.*field.own;
      if (r.*field.number == kNoEntry) return std::nullopt;
      char digits[16];
      const auto end = std::to_chars(digits, digits + sizeof digits, r.*field.number).ptr;
      return std::string(digits, end);
    }
    case WrittenForm::kFlag:
      if (r.*field.number != 1) return std::nullopt;
      return std::string("1");
    default:
      return TableFieldValue(field, r);
  }
}

ColourValues WrittenColour(const WeaponRecord& r) {
  constexpr const RecordField& field = FieldOf(Field::Weapcol2);
  const std::string& own = r.own.*field.own;
  return own.empty() ? ColourValuesOf(r.*field.number) : OwnColourValues(own);
}

std::string_view StyleKey(int style) { return UpTo(TableText(kStyleTable, style), "="); }

}  // namespace kalvex
