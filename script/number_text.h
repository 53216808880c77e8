// What counts as a number in a script's value: the reader tells malformed
// numbers by it, and the writer leaves out an optional number that is zero.
#pragma once

#include <string_view>

namespace kalvex {

// An optional "-", then digits with at most one decimal point among them, at
// least one digit: "12", "-5", "0.367", ".5", "3.".
constexpr bool IsDecimalNumber(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  bool digit = false;
  bool point = false;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

// A decimal number whose digits are all zeros: "0", "00", "0.0", ".0", "-0".
constexpr bool IsZeroNumber(std::string_view text) {
  return IsDecimalNumber(text) && text.find_first_of("123456789") == std::string_view::npos;
}

}  // namespace kalvex
