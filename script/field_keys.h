// The keys that set the weapon record's fields, as the reader finds them.
#pragma once

#include <cstddef>
#include <string_view>

#include "script/script_document.h"

namespace kalvex {

// The most keys that one field has: the style's, one for each style of fire.
inline constexpr std::size_t kMostKeysOfAField = 3;

// What the key `key` of an entry in `scope` sets, in any ASCII letter case: a
// body key, one of the style's keys, the beam colour's second key, or
// "default" in "[DAMAGE]". No field for any other key, and none for any key
// of another section.
FieldKey FindFieldKey(std::string_view key, EntryScope scope);

}  // namespace kalvex
