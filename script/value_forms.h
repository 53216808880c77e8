// How the writer takes a value from a field of the weapon record. The writer
// and the in-place save use these alike, so that a saved entry holds what a
// new script would.
#pragma once

#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "record/weapon_record.h"
#include "script/number_text.h"
#include "script/script_layout.h"

namespace kalvex {

// A text field as the script sees it: it ends at its first NUL.
inline std::string_view TextOf(const std::string& field) {
  return std::string_view(field.c_str(), std::strlen(field.c_str()));
}

// The characters of `text` before the first of `stops`.
inline std::string_view UpTo(std::string_view text, std::string_view stops) {
  return text.substr(0, text.find_first_of(stops));
}

// Code, ID and name: the whole text.
inline std::string_view WholeForm(const std::string& field) { return TextOf(field); }

// Range, smoke delay and damage: up to a space or a line feed.
inline std::string_view BoundedForm(const std::string& field) { return UpTo(TextOf(field), " \n"); }

// An optional number: up to its first space.
inline std::string_view GuardedForm(const std::string& field) { return UpTo(TextOf(field), " "); }

// An optional number is written unless it is empty, begins with a space (the
// reset text) or is zero ("0", "00", "0.0", ".0", "-0").
inline bool GuardPasses(const std::string& field) {
  const char first = field.c_str()[0];
  return first != ' ' && first != '\0' && !IsZeroNumber(GuardedForm(field));
}

// The smoke delay is written unless its text is exactly the reset text.
inline bool SmokeDelayWritten(const std::string& field) {
  return std::strcmp(field.c_str(), kResetText) != 0;
}

// The value that a text form writes, or nothing where it writes no entry.
inline std::optional<std::string_view> TextFormValue(WrittenForm form, const std::string& field) {
  switch (form) {
    case WrittenForm::kCode:
    case WrittenForm::kWhole:
      return WholeForm(field);
    case WrittenForm::kSmokeDelay:
      if (!SmokeDelayWritten(field)) return std::nullopt;
      return BoundedForm(field);
    case WrittenForm::kBounded:
      return BoundedForm(field);
    case WrittenForm::kGuarded:
      if (!GuardPasses(field)) return std::nullopt;
      return GuardedForm(field);
    default:
      return std::nullopt;
  }
}

}  // namespace kalvex
