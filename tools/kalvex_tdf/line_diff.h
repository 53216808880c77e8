// The difference between two texts as a unified diff, line by line, with
// three lines of context around each change: what `apply --dry-run` shows
// instead of writing.
#pragma once

#include <string>
#include <string_view>

namespace kalvex::tdf {

// The unified diff from `before` to `after` under the file names `from` and
// `to`; empty when the texts are equal. Lines are split at LF, and a CR before
// it stays part of the line; a text that does not end with a line end gets
// "\ No newline at end of file" after its last line.
std::string UnifiedDiff(std::string_view from, std::string_view to, std::string_view before,
                        std::string_view after);

}  // namespace kalvex::tdf
