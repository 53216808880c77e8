// The sections of a weapon by their names, and the entries that each holds.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "script/script_document.h"

namespace kalvex {

// The section's name between its brackets, blanks around it left out.
std::string_view SectionName(const ScriptDocument& document, const ScriptSection& section);

// The section whose braces hold the entry at `entry`, or nullptr (an entry of
// the body, or of braces without a name before them).
const ScriptSection* SectionOf(const ScriptWeapon& weapon, std::size_t entry);

// The first section named `section` (ASCII letter case ignored) that has its
// "{", or nullptr.
const ScriptSection* OpenSection(const ScriptDocument& document, const ScriptWeapon& weapon,
                                 std::string_view section);

// The places in `weapon.entries` of the entries of `key` (ASCII letter case
// ignored) in the body (`section` empty) or in the sections named `section`,
// in the order written.
std::vector<std::size_t> EntriesOfKey(const ScriptDocument& document, const ScriptWeapon& weapon,
                                      std::string_view section, std::string_view key);

}  // namespace kalvex
