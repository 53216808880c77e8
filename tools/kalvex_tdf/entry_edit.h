// An entry that no member of the weapon record stands for, set or removed in
// a weapon of a script, every other byte kept: what `set --entry` does.
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

// The text of `document` with the entry changed in the weapon at `index`:
// the last entry of that key (letter case ignored) gets the value in place;
// without one, the entry is added after the last of the body (before
// "[DAMAGE]") or of "[DAMAGE]", with its indentation and line end, and a
// weapon without "[DAMAGE]" gets the writer's section for it. An empty value
// removes every entry of the key.
SavedText ChangeEntry(const ScriptDocument& document, std::size_t index, const EntryChange& change);

}  // namespace kalvex::tdf
