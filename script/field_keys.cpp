#include "script/field_keys.h"

#include <algorithm>

#include "script/ascii_case.h"
#include "script/table_match.h"
#include "script/value_tables.h"

namespace kalvex {

static_assert(kStyleTable.size() <= kMostKeysOfAField);
// No field has a style's key (record_fields.cpp sees that no two fields have
// the same key).
static_assert(std::none_of(kStyleTable.begin(), kStyleTable.end(), [](std::string_view style) {
  return std::any_of(kRecordFields.begin(), kRecordFields.end(), [&](const RecordField& field) {
    const std::string_view key = style.substr(0, style.find('='));
    return EqualIgnoringCase(field.key, key) || EqualIgnoringCase(field.second_key, key);
  });
}));

// A key is compared only with the keys of its own length, so that a long key
// costs no more than a short one.
FieldKey FindFieldKey(std::string_view key, EntryScope scope) {
  if (key.empty() || scope == EntryScope::kOther) return {};
  const FieldPlace place = scope == EntryScope::kBody ? FieldPlace::kBody : FieldPlace::kDamage;
  for (const RecordField& field : kRecordFields) {
    if (field.place != place) continue;
    if (EqualIgnoringCase(field.key, key)) return {&field, 0};
    if (EqualIgnoringCase(field.second_key, key)) return {&field, 1};
    if (field.reading != ValueRule::kStyle) continue;
    if (const std::optional<int> style = MatchStyleKey(key)) {
      return {&field, static_cast<unsigned char>(*style)};
    }
  }
  return {};
}

}  // namespace kalvex
