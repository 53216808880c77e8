// A table of the weapon record's fields, by name and in declaration order, so
// that tools and tests can walk the record without naming every member.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "record/weapon_record.h"

namespace kalvex {

struct RecordField {
  std::string_view name;
  std::string WeaponRecord::*text = nullptr;  // set for text fields
  int WeaponRecord::*number = nullptr;        // set for integer fields
  // Set for the table fields whose value may be a text of the script's own.
  std::string OwnTexts::*own = nullptr;

  bool IsText() const { return text != nullptr; }
};

inline constexpr int kRecordFieldCount = 58;

// All 58 fields in declaration order.
const std::array<RecordField, kRecordFieldCount>& RecordFields();

// The field of that name, or nullptr.
const RecordField* FindRecordField(std::string_view name);

// The own text of the integer field `number` in `record`, or nullptr when
// that field takes no text of its own.
std::string* OwnText(WeaponRecord& record, int WeaponRecord::*number);

}  // namespace kalvex
