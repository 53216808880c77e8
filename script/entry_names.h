// How entries of a weapon are named outside the script, and what a key or a
// value that the user gives for an entry may hold: the rules that the editor
// and the companion tool share.
#pragma once

#include <string>
#include <string_view>

#include "script/script_document.h"

namespace kalvex {

// Text members and values are written into the script as they stand, so
// these characters in any of them would break its structure (a "}" or line
// end written inside a value ends it early when read back). A line feed
// cannot stand in a line.
inline constexpr std::string_view kScriptPunctuation = ";=[]{}\r";

// An entry by its key, after "SECTION/" for an entry of a section:
// "impulsefactor", "DAMAGE/armor_heavy", "CUSTOMPARAMS/unitpic".
std::string EntryName(std::string_view section, std::string_view key);

// Where the entries of `section` stand: the body for none, "[DAMAGE]" (ASCII
// letter case ignored) or another section.
EntryScope ScopeOfSection(std::string_view section);

// Whether `name` is "KEY" or "SECTION/KEY": letters, digits and "_", not
// beginning with a digit, on each side of the "/".
bool IsKeyName(std::string_view name);

// What is wrong with `value` as the value of an entry that no field reads,
// written as it stands: empty when nothing is.
std::string_view EntryValueProblem(std::string_view value);

}  // namespace kalvex
