// Matching a value against a pattern of the command line, as shells match
// file names: "*" stands for any run of characters, "?" for one; ASCII
// letter case does not count.
#pragma once

#include <string_view>

namespace kalvex::tdf {

// Whether the whole of `text` matches `pattern`.
bool MatchesWildcard(std::string_view pattern, std::string_view text);

}  // namespace kalvex::tdf
