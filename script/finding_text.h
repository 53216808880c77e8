// The words in which the reader's findings are told to the user.
#pragma once

#include <string>
#include <string_view>

#include "script/script_reader.h"

namespace kalvex {

// `text` in double quotes for a line of output: a quote or backslash gets a
// backslash before it, control characters are written as \xNN, so that no
// script can end a line or steer the terminal.
std::string Quoted(std::string_view text);

// What the reader did, without file and line (a finding about what follows
// the weapon names its line): `skipped unknown key
// "soundwater"`, `could not
// match "x" of key "soundhit"`, `missing ";" after value "800" of key
// "range"; ...`, `the file goes on after the weapon at line 9: another weapon
// [TWIN2] ...; it is not kept`.
std::string DescribeFinding(const ReadFinding& finding);

// The kind of a finding as one word for machines: "skipped_key",
// "unmatched_value", "missing_semicolon", "unclosed_section", "unknown_section",
// "after_weapon", "before_header", "unclosed_comment", "unpaired_colour", "repeated_key",
// "not_a_number", "old_spelling".
std::string_view FindingKindName(FindingKind kind);

}  // namespace kalvex
