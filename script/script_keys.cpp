#include "script/script_keys.h"

#include <algorithm>
#include <array>

#include "script/table_match.h"
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
// table text before "="), sorted for the search by first letter.
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

// For each first byte, the range of kBodyKeys whose keys begin with it.
struct KeyRange {
  std::size_t begin = 0;
  std::size_t end = 0;
};

constexpr std::array<KeyRange, 256> MakeKeysByFirstLetter() {
  std::array<KeyRange, 256> ranges{};
  for (std::size_t i = kBodyKeys.size(); i-- > 0;) {
    KeyRange& range = ranges[static_cast<unsigned char>(LowerAscii(kBodyKeys[i].key[0]))];
    if (range.end == 0) range.end = i + 1;
    range.begin = i;
  }
  return ranges;
}

constexpr std::array<KeyRange, 256> kKeysByFirstLetter = MakeKeysByFirstLetter();

constexpr KeyRule kDamageDefault =
    RuleOf(*std::find_if(kRecordFields.begin(), kRecordFields.end(), [](const RecordField& field) {
      return field.place == FieldPlace::kDamage;
    }));

// Keys are short: comparing in place beats a call to memcmp. Both are
// lowered as they are compared.
bool SameKey(std::string_view known, std::string_view key) {
  if (known.size() != key.size()) return false;
  for (std::size_t i = 0; i < key.size(); ++i) {
    if (LowerAscii(known[i]) != LowerAscii(key[i])) return false;
  }
  return true;
}

}  // namespace

const KeyRule* FindBodyKey(std::string_view key) {
  if (key.empty()) return nullptr;
  const KeyRange range = kKeysByFirstLetter[static_cast<unsigned char>(LowerAscii(key[0]))];
  for (std::size_t i = range.begin; i < range.end; ++i) {
    if (SameKey(kBodyKeys[i].key, key)) return &kBodyKeys[i];
  }
  return nullptr;
}

std::size_t RuleIndex(const KeyRule& rule) {
  return &rule == &kDamageDefault ? kBodyKeys.size()
                                  : static_cast<std::size_t>(&rule - kBodyKeys.data());
}

const KeyRule* FindDamageKey(std::string_view key) {
  return SameKey(kDamageDefault.key, key) ? &kDamageDefault : nullptr;
}

}  // namespace kalvex
