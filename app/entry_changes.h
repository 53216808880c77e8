// The entries that no field reads, as the page of other entries changes
// them: each weapon keeps its changes until the script is saved, and they
// are made on its text then, after its fields' edits.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "pages/other_entries_page.h"
#include "script/script_document.h"

namespace kalvex {

// The entry `key` of the body (`section` empty) or of the section named
// `section` set to `value`, added where there is none; an empty value
// removes every entry of the key.
struct EntryChange {
  std::string section;
  std::string key;
  std::string value;
};

// `saved` with `changes` made, in order, to the weapon at `index` of the
// document its text opens as, each in place as SetEntry makes it; `saved`
// as it is when it was refused, and the first refusal.
SavedText WithEntryChanges(SavedText saved, std::size_t index,
                           const std::vector<EntryChange>& changes);

// The entries of the weapon at `index` of `document` that no field reads, in
// the order written, named as the companion tool names them; entries of
// braces without a name are left out.
std::vector<EntryRow> OtherEntryRows(const ScriptDocument& document, std::size_t index);

}  // namespace kalvex
