// The words in which the reader's findings are told to the user.
#pragma once

#include <string>
#include <string_view>

#include "script/known_keys.h"
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

// What check tells of the keys of a weapon's body (`section` empty) or of
// one of its sections, as the table of known keys judges them:

// An entry whose key neither the game nor the later engine reads there, with
// the known key it is a near miss of, if any: `unknown key "reloadtim" with
// value "2.5": neither the game nor the later engine reads it; is it
// "reloadtime"?`, `unknown key "powr" in [SHIELD] ...`.
std::string DescribeUnknownKey(std::string_view section, std::string_view key,
                               std::string_view value, const KnownKey* nearest);

// An entry of a known key whose value is not of the key's kind: `value
// "fast" of key "reloadtime" is not a number`, `value "1 2" of key
// "goodcolor" in [SHIELD] is not four numbers with blanks between them`,
// `key "shield" names a section and takes no value "1"`.
std::string DescribeWrongKind(std::string_view section, std::string_view key,
                              std::string_view value, ValueKind kind);

// A section that no one reads, with the known section it is a near miss of:
// `unknown section "[SHEILD]": neither the game nor the later engine reads it
// or its entries; is it "[SHIELD]"?`; a "{" without a name (`section` empty);
// a section inside another section (`nested`), where none is known.
std::string DescribeUnknownSection(std::string_view section, const KnownKey* nearest, bool nested);

}  // namespace kalvex
