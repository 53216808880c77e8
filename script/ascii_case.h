// Letter case in ASCII, in which keys, table texts, weapon codes, member
// names and file extensions are compared: only A to Z have a lower case, every
// other byte (so every byte of a letter beyond ASCII) stands for itself.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kalvex {

// A table, so that keys are lowered without a branch per character.
inline constexpr std::array<char, 256> kLowerAscii = [] {
  std::array<char, 256> lower{};
  for (int c = 0; c < 256; ++c)
    lower[std::size_t(c)] = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return lower;
}();

constexpr char LowerAscii(char c) { return kLowerAscii[static_cast<unsigned char>(c)]; }

constexpr bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

}  // namespace kalvex
