// The words of `set --entry`: an entry that no member of the weapon record
// stands for, to be set or removed with SetEntry (script_document.h).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "script/script_document.h"

namespace kalvex::tdf {

struct EntryChange {
  EntryScope scope = EntryScope::kBody;  // kBody, or kDamage for "DAMAGE/KEY"
  std::string_view key;
  std::string_view value;  // empty: remove the entry
};

// "KEY=VALUE" or "DAMAGE/KEY=VALUE". Nothing, with the reason in `problem`,
// for a key that is not one, a key that a member stands for, or a value that
// would break the script.
std::optional<EntryChange> ParseEntryChange(std::string_view word, std::string& problem);

}  // namespace kalvex::tdf
