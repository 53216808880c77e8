// Letter case in ASCII: keys, table texts, weapon codes, member names and
// file extensions are compared without regard to it. Only A to Z and a to z
// have a case here; every other byte, and so every byte of a letter beyond
// ASCII, stands for itself.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kalvex {

// The ASCII letter in lower case; every other byte as it is. A table, so
// that keys are lowered without a branch per character.
inline constexpr std::array<char, 256> kLowerAscii = [] {
  std::array<char, 256> lower{};
  for (int c = 0; c < 256; ++c) {
    lower[static_cast<std::size_t>(c)] =
        static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  }
  return lower;
}();

constexpr char LowerAscii(char c) { return kLowerAscii[static_cast<unsigned char>(c)]; }

// Equal letters regardless of case.
constexpr bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

}  // namespace kalvex
