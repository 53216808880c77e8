// What counts as a number in a script's value: the reader tells malformed
// numbers by it, the writer leaves out an optional number that is zero, and
// a number's edit takes what can grow into one.
#pragma once

#include <string_view>

namespace kalvex {

// What typing can still make a decimal number: an optional "-", then digits
// with at most one decimal point among them, digits or none: "", "-", ".",
// "-.", "12.", "0.367".
constexpr bool StartsDecimalNumber(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  bool point = false;
  for (const char c : text) {
    if (c == '.' && !point) {
      point = true;
    } else if (c < '0' || c > '9') {
      return false;
    }
  }
  return true;
}

// The same with at least one digit: "12", "-5", "0.367", ".5", "3.".
constexpr bool IsDecimalNumber(std::string_view text) {
  return StartsDecimalNumber(text) && text.find_first_of("0123456789") != std::string_view::npos;
}

// A decimal number whose digits are all zeros: "0", "00", "0.0", ".0", "-0".
constexpr bool IsZeroNumber(std::string_view text) {
  return IsDecimalNumber(text) && text.find_first_of("123456789") == std::string_view::npos;
}

}  // namespace kalvex
