#include "script/field_entries.h"

#include <charconv>

#include "script/table_match.h"
#include "script/value_forms.h"
#include "script/value_tables.h"

namespace kalvex {
namespace {

// A table field with an own text: its text is its value, whatever its index.
bool TableDiffers(const KeyRule& rule, const WeaponRecord& a, const WeaponRecord& b) {
  if (rule.own != nullptr) {
    const std::string& own_a = a.own.*rule.own;
    const std::string& own_b = b.own.*rule.own;
    if (own_a != own_b) return true;
    if (!own_a.empty()) return false;
  }
  return a.*rule.number != b.*rule.number;
}

// An own text, else the table's value; a barrel angle without one writes no
// entry.
std::optional<std::string> TableFieldValue(const LayoutRow& row, const WeaponRecord& r) {
  const RecordField& field = FieldOf(row.field);
  if (field.reading != ValueRule::kTable) return std::nullopt;
  if (field.own != nullptr && !(r.own.*field.own).empty()) return r.own.*field.own;
  const std::string_view value = TableValue(field.table, r.*field.number);
  if (row.form == WrittenForm::kTableText && value.empty()) return std::nullopt;
  return std::string(value);
}

}  // namespace

bool FieldDiffers(const KeyRule& rule, const WeaponRecord& a, const WeaponRecord& b) {
  if (rule.text != nullptr) return a.*rule.text != b.*rule.text;
  if (rule.rule == ValueRule::kTable) return TableDiffers(rule, a, b);
  return rule.number != nullptr && a.*rule.number != b.*rule.number;
}

std::optional<std::string> WrittenValue(const LayoutRow& row, const WeaponRecord& r) {
  const RecordField& field = FieldOf(row.field);
  if (field.IsText()) {
    const std::optional<std::string_view> value = TextFormValue(row.form, r.*field.text);
    return value ? std::optional<std::string>(*value) : std::nullopt;
  }
  switch (row.form) {
    case WrittenForm::kNumber: {
      char digits[16];
      const auto end = std::to_chars(digits, digits + sizeof digits, r.*field.number).ptr;
      return std::string(digits, end);
    }
    case WrittenForm::kFlag:
      if (r.*field.number != 1) return std::nullopt;
      return std::string("1");
    default:
      return TableFieldValue(row, r);
  }
}

std::string_view StyleKey(int style) { return UpTo(TableText(kStyleTable, style), "="); }

}  // namespace kalvex
