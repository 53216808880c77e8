#include "tools/kalvex_tdf/wildcard.h"

#include "script/ascii_case.h"

namespace kalvex::tdf {

bool MatchesWildcard(std::string_view pattern, std::string_view text) {
  // Greedy with one step back: after a "*" fails further on, it takes one
  // character more. Linear in practice, at worst pattern length times text
  // length.
  std::size_t p = 0;
  std::size_t t = 0;
  std::size_t star = std::string_view::npos;  // the pattern just after the last "*"
  std::size_t star_text = 0;                  // where that "*" stopped taking characters
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      star = ++p;
      star_text = t;
    } else if (p < pattern.size() &&
               (pattern[p] == '?' || LowerAscii(pattern[p]) == LowerAscii(text[t]))) {
      ++p;
      ++t;
    } else if (star != std::string_view::npos) {
      p = star;
      t = ++star_text;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace kalvex::tdf
