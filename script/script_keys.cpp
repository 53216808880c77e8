#include "script/script_keys.h"

#include <algorithm>
#include <array>

#include "script/ascii_case.h"
#include "script/text_index.h"
#include "script/value_tables.h"

namespace kalvex {
namespace {

constexpr KeyRule RuleOf(const RecordField& field) {
  return {field.key, field.reading, field.text, field.number, 0, field.table, field.own};
}

// Keys in any letter case, as the reader compares them.
constexpr bool KeyLess(const KeyRule& a, const KeyRule& b) {
  return std::lexicographical_compare(a.key.begin(), a.key.end(), b.key.begin(), b.key.end(),
                                      [](char x, char y) { return LowerAscii(x) < LowerAscii(y); });
}

// Every key but the damage's, as the writer spells it (a style's key is its
// table text before "="), sorted so that the checks below see a key given
// twice.
constexpr std::array<KeyRule, kRuleCount - 1> kBodyKeys = [] {
  std::array<KeyRule, kRuleCount - 1> keys{};
  std::size_t next = 0;
  for (const RecordField& field : kRecordFields) {
    if (field.place != FieldPlace::kBody) continue;
    if (field.reading == ValueRule::kStyle) {
      for (std::size_t style = 0; style < kStyleTable.size(); ++style) {
        const std::string_view text = kStyleTable[style];
        keys[next++] = {text.substr(0, text.find('=')), ValueRule::kStyle, nullptr, field.number,
                        static_cast<int>(style)};
      }
      continue;
    }
    keys[next++] = RuleOf(field);
    if (!field.second_key.empty()) keys[next++] = {field.second_key, ValueRule::kSecondColour};
  }
  std::sort(keys.begin(), keys.end(), KeyLess);
  return keys;
}();

static_assert(std::adjacent_find(kBodyKeys.begin(), kBodyKeys.end(),
                                 [](const KeyRule& a, const KeyRule& b) {
                                   return !KeyLess(a, b);
                                 }) == kBodyKeys.end());
static_assert(std::all_of(kBodyKeys.begin(), kBodyKeys.end(), [](const KeyRule& k) {
  return !k.key.empty() && k.key.size() <= kLongestKey;
}));

constexpr TextIndex<128> kBodyKeyIndex(kBodyKeys.size(),
                                       [](std::size_t i) { return kBodyKeys[i].key; });

constexpr KeyRule kDamageDefault =
    RuleOf(*std::find_if(kRecordFields.begin(), kRecordFields.end(), [](const RecordField& field) {
      return field.place == FieldPlace::kDamage;
    }));

}  // namespace

const KeyRule* FindBodyKey(std::string_view key) {
  if (key.size() > kLongestKey) return nullptr;
  const std::optional<std::size_t> at =
      kBodyKeyIndex.Find(key, [](std::size_t i) { return kBodyKeys[i].key; });
  return at ? &kBodyKeys[*at] : nullptr;
}

std::size_t RuleIndex(const KeyRule& rule) {
  return &rule == &kDamageDefault ? kBodyKeys.size()
                                  : static_cast<std::size_t>(&rule - kBodyKeys.data());
}

const KeyRule* FindDamageKey(std::string_view key) {
  return EqualIgnoringCase(kDamageDefault.key, key) ? &kDamageDefault : nullptr;
}

}  // namespace kalvex
