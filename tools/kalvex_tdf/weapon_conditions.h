// The conditions of `set --where KEY=VALUE`: a weapon matches when the last
// entry of KEY holds VALUE as a whole value ("*" and "?" as wildcards, ASCII
// letter case ignored), or, for an empty VALUE, when it has no such entry.
// KEY is a member of the weapon record (its script key), a script key of the
// body, SECTION/KEY, or "code" for the weapon's code.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "script/script_document.h"

namespace kalvex::tdf {

struct WeaponCondition {
  bool code = false;         // the weapon's code, not an entry
  std::string_view section;  // empty: the body
  std::string_view key;
  std::string_view pattern;
};

// "KEY=VALUE". Nothing, with the reason in `problem`, without "=", for an
// empty key, and for a member that has no key of its own.
std::optional<WeaponCondition> ParseWeaponCondition(std::string_view word, std::string& problem);

// Whether the weapon at `index` of `document` meets every one of `conditions`.
bool MeetsConditions(const ScriptDocument& document, std::size_t index,
                     const std::vector<WeaponCondition>& conditions);

}  // namespace kalvex::tdf
