// The one weapon being edited: its 58 fields in declaration order, with the
// values that File, New gives them, as record_table.h describes them.
#pragma once

#include <string>

#include "record/record_table.h"

namespace kalvex {

// The text that means "no value given" in every text field.
inline constexpr const char* kResetText = " ";

#define KALVEX_NO_MEMBER(...)
#define KALVEX_OWN_TEXT_MEMBER(member, ...) std::string member;
#define KALVEX_TEXT_MEMBER(member, ...) std::string member = kResetText;
#define KALVEX_NUMBER_MEMBER(member, reset, ...) int member = reset;

// Values of the list fields that no list entry holds (a mod's own model,
// sounds, explosions, barrel angle or render type, a beam colour that is not
// one of the list's pairs), spelled as in the script they came from. Where one
// is not empty it is the field's value, shown as an extra list entry and
// written as it stands, and the field's index means nothing; picking a list
// entry empties it. A beam colour's own text is its two values as written,
// "3 / 7"; "3" where the weapon has no "color2", "/ 7" where it has no
// "color".
struct OwnTexts {
  KALVEX_RECORD_TABLE(KALVEX_NO_MEMBER, KALVEX_NO_MEMBER, KALVEX_OWN_TEXT_MEMBER)

  bool operator==(const OwnTexts&) const = default;
};

struct WeaponRecord {
  KALVEX_RECORD_TABLE(KALVEX_TEXT_MEMBER, KALVEX_NUMBER_MEMBER, KALVEX_NUMBER_MEMBER)

  OwnTexts own;

  // Gives every field its reset value; the projectile model keeps its value
  // (an own model text included).
  void Reset();

  bool operator==(const WeaponRecord&) const = default;
};

#undef KALVEX_NO_MEMBER
#undef KALVEX_OWN_TEXT_MEMBER
#undef KALVEX_TEXT_MEMBER
#undef KALVEX_NUMBER_MEMBER

}  // namespace kalvex
