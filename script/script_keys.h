// The keys that a weapon script may hold and what each of them sets in the
// weapon record: the keys the writer writes, as it spells them, plus
// "selfprop" for the self-propelled flag.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "record/weapon_record.h"
#include "script/table_match.h"

namespace kalvex {

enum class ValueRule {
  kHeaderText,    // ID, name: blanks inside kept, blanks around dropped
  kText,          // every other text: blanks dropped
  kFlag,          // the value 0 gives 0, any other value 1
  kStyle,         // a value other than 0 sets the style of fire
  kRenderType,    // a whole number 0 to 7
  kTable,         // a value table text, turned into its index
  kColour,        // "color=": the first value of a beam colour
  kSecondColour,  // "color2=": expected to match the colour read before it
};

struct KeyRule {
  std::string_view key;  // lower case
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

// The rule of a key of the weapon's body, given in lower case, or nullptr.
const KeyRule* FindBodyKey(std::string_view lower_case_key);

// The rule of a key of the "[DAMAGE]" section, given in lower case, or
// nullptr.
const KeyRule* FindDamageKey(std::string_view lower_case_key);

}  // namespace kalvex
