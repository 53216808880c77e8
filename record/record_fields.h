// The weapon record's fields as data, made from KALVEX_RECORD_TABLE: by name
// and in declaration order, so that the script code, tools and tests can walk
// the record without naming every member.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "record/weapon_record.h"

namespace kalvex {

struct RecordField : FieldRule {
  std::string_view name;
  std::string WeaponRecord::*text = nullptr;  // set for text fields
  int WeaponRecord::*number = nullptr;        // set for integer fields
  // Set for the table fields whose value may be a text of the script's own.
  std::string OwnTexts::*own = nullptr;
  int reset = 0;  // integer fields: the value File, New gives them

  constexpr bool IsText() const { return text != nullptr; }
};

inline constexpr int kRecordFieldCount = 58;

#define KALVEX_FIELD_ID(member, ...) member,
#define KALVEX_TEXT_FIELD(member, rule) \
  RecordField{rule, #member, &WeaponRecord::member, nullptr, nullptr, 0},
#define KALVEX_NUMBER_FIELD(member, reset, rule) \
  RecordField{rule, #member, nullptr, &WeaponRecord::member, nullptr, reset},
#define KALVEX_OWN_FIELD(member, reset, rule) \
  RecordField{rule, #member, nullptr, &WeaponRecord::member, &OwnTexts::member, reset},

// A field by its member's name.
enum class Field : unsigned char {
  KALVEX_RECORD_TABLE(KALVEX_FIELD_ID, KALVEX_FIELD_ID, KALVEX_FIELD_ID)
};

// All 58 fields in declaration order.
inline constexpr std::array<RecordField, kRecordFieldCount> kRecordFields = [] {
  using namespace field_rules;
  return std::array<RecordField, kRecordFieldCount>{
      {KALVEX_RECORD_TABLE(KALVEX_TEXT_FIELD, KALVEX_NUMBER_FIELD, KALVEX_OWN_FIELD)}};
}();

#undef KALVEX_FIELD_ID
#undef KALVEX_TEXT_FIELD
#undef KALVEX_NUMBER_FIELD
#undef KALVEX_OWN_FIELD

constexpr const RecordField& FieldOf(Field field) {
  return kRecordFields[static_cast<std::size_t>(field)];
}

// The field whose entry has the key `key`, as the writer spells it, or nullptr.
constexpr const RecordField* FieldWithKey(std::string_view key) {
  for (const RecordField& field : kRecordFields) {
    if (!key.empty() && field.key == key) return &field;
  }
  return nullptr;
}

// The field of that name, or nullptr.
const RecordField* FindRecordField(std::string_view name);

// The own text of the integer field `number` in `record`, or nullptr when
// that field takes no text of its own.
std::string* OwnText(WeaponRecord& record, int WeaponRecord::*number);
const std::string* OwnText(const WeaponRecord& record, int WeaponRecord::*number);

// Gives `record` the flags and list values (own texts included) of `from`;
// whether that changed `record`.
bool TakeListValues(const WeaponRecord& from, WeaponRecord& record);

}  // namespace kalvex
