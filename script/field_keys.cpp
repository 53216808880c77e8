#include "script/field_keys.h"

#include <algorithm>
#include <array>

#include "script/ascii_case.h"
#include "script/value_tables.h"

namespace kalvex {
namespace {

struct KeyText {
  std::string_view text;  // as the writer spells it
  FieldKey sets;
};

// Shorter keys first; keys of one length in any letter case, as the reader
// compares them.
constexpr bool KeyLess(const KeyText& a, const KeyText& b) {
  if (a.text.size() != b.text.size()) return a.text.size() < b.text.size();
  return std::lexicographical_compare(a.text.begin(), a.text.end(), b.text.begin(), b.text.end(),
                                      [](char x, char y) { return LowerAscii(x) < LowerAscii(y); });
}

static_assert(kStyleTable.size() <= kMostKeysOfAField);

// Every key of the body, the styles' keys included, sorted
// so that a key is looked for only among those of its length, and so that
// the check below sees a key given twice.
constexpr std::array<KeyText, 59> kBodyKeys = [] {
  std::array<KeyText, 59> keys{};
  std::size_t next = 0;
  for (const RecordField& field : kRecordFields) {
    if (field.place != FieldPlace::kBody) continue;
    if (field.reading == ValueRule::kStyle) {
      for (unsigned char style = 0; style < kStyleTable.size(); ++style) {
        keys[next++] = {kStyleTable[style], {&field, style}};
      }
    }
    if (!field.key.empty()) keys[next++] = {field.key, {&field, 0}};
    if (!field.second_key.empty()) keys[next++] = {field.second_key, {&field, 1}};
  }
  std::sort(keys.begin(), keys.end(), KeyLess);
  return keys;
}();

static_assert(std::adjacent_find(kBodyKeys.begin(), kBodyKeys.end(),
                                 [](const KeyText& a, const KeyText& b) {
                                   return a.text.empty() || EqualIgnoringCase(a.text, b.text);
                                 }) == kBodyKeys.end());

constexpr std::size_t kLongestKey = kBodyKeys.back().text.size();

// The keys of length n are [kKeysOfLength[n], kKeysOfLength[n + 1]) of
// kBodyKeys.
constexpr std::array<std::size_t, kLongestKey + 2> kKeysOfLength = [] {
  std::array<std::size_t, kLongestKey + 2> first{};
  for (std::size_t length = 0; length < first.size(); ++length) {
    first[length] = static_cast<std::size_t>(
        std::count_if(kBodyKeys.begin(), kBodyKeys.end(),
                      [&](const KeyText& key) { return key.text.size() < length; }));
  }
  return first;
}();

}  // namespace

FieldKey FindFieldKey(std::string_view key, EntryScope scope) {
  if (scope == EntryScope::kDamage) {
    constexpr const RecordField& damage = FieldOf(Field::Weapdamage);
    return EqualIgnoringCase(damage.key, key) ? FieldKey{&damage, 0} : FieldKey{};
  }
  if (scope != EntryScope::kBody || key.size() > kLongestKey) return {};
  for (std::size_t i = kKeysOfLength[key.size()]; i < kKeysOfLength[key.size() + 1]; ++i) {
    if (EqualIgnoringCase(kBodyKeys[i].text, key)) return kBodyKeys[i].sets;
  }
  return {};
}

}  // namespace kalvex
