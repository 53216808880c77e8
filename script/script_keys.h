// The keys that a weapon script may hold and what each of them sets in the
// weapon record, made from the record's table (record/record_fields.h): the
// key of each field, the keys of the styles of fire and the beam colour's
// second key.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "record/record_fields.h"

namespace kalvex {

struct KeyRule {
  std::string_view key;  // as the writer spells it
  ValueRule rule;
  std::string WeaponRecord::*text = nullptr;  // text rules
  int WeaponRecord::*number = nullptr;        // flag, style, render type, table, colour
  int style = 0;                              // style rule: the style it sets
  ValueTable table = ValueTable::kModel;      // table rule
  std::string OwnTexts::*own = nullptr;       // table rule: where a text no list holds goes
};

// The number of keys with a rule: RuleIndex gives each a place below it.
inline constexpr std::size_t kRuleCount = 60;

std::size_t RuleIndex(const KeyRule& rule);

// The longest known key, in characters.
inline constexpr std::size_t kLongestKey = 18;

// The rule of a key of the weapon's body, in any letter case, or nullptr.
const KeyRule* FindBodyKey(std::string_view key);

// The rule of a key of the "[DAMAGE]" section, in any letter case, or nullptr.
const KeyRule* FindDamageKey(std::string_view key);

}  // namespace kalvex
