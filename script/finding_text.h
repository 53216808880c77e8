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

// What the reader did, without file and line: `skipped unknown key
// "soundwater"`, `cut overlong value of key "name" to "..."`, `could not
// match "x" of key "soundhit"`.
std::string DescribeFinding(const ReadFinding& finding);

}  // namespace kalvex
