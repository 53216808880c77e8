// Texts of any bytes as JSON strings, for `check --json`.
#pragma once

#include <string>
#include <string_view>

namespace kalvex::tdf {

// `bytes` as a JSON string in double quotes, always valid JSON and UTF-8 and
// always on one line: a quote and a backslash get a backslash, control
// characters (below 0x20, and 0x7F) become \u00XX, well-formed UTF-8 stays as
// it is, and every byte that is not part of well-formed UTF-8 becomes \u00XX
// of its own value, that is, the byte read as Latin-1 (the 0xE9 of a Windows
// "é" becomes \u00E9).
std::string JsonString(std::string_view bytes);

}  // namespace kalvex::tdf
