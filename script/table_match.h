// Turns a value read from a weapon script back into the index of its value
// table. Texts are compared whole and without regard to case.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "record/record_fields.h"

namespace kalvex {

// The value of the table at an index, or no text for an index that has none.
std::string_view TableValue(ValueTable table, int index);

// The index whose value is `value`, or nothing when the table holds no such
// value.
std::optional<int> MatchTableValue(ValueTable table, std::string_view value);

// The index that an old spelling of the table's texts stands for: "h20",
// "h20boom1" and "h20boom2" (a digit zero) of the explosion art, "bombre1" (a
// digit one) of the start sounds, as earlier versions wrote them.
std::optional<int> MatchOldSpelling(ValueTable table, std::string_view value);

// The index that writes no table text and that an empty value stands for:
// model 14, start sound 31, hit sound 21, barrel angle 0. The explosion
// tables have none.
std::optional<int> NoneIndex(ValueTable table);

// The render type that `value` is: a whole number from 0 to 7.
std::optional<int> MatchRenderType(std::string_view value);

// The style of fire whose key is `key`.
std::optional<int> MatchStyleKey(std::string_view key);

// The values of a weapon's beam colour entries; nothing for an entry it lacks.
struct ColourValues {
  std::optional<std::string_view> first;   // "color="
  std::optional<std::string_view> second;  // "color2="

  bool operator==(const ColourValues&) const = default;
};

// The values that a beam colour of the list writes; both nothing outside it.
ColourValues ColourValuesOf(int colour);

// The beam colour of the list whose two values are both `values`.
std::optional<int> MatchColourPair(ColourValues values);

// The own text of beam colour values that no pair of the list matches, as the
// list shows it: "3 / 7", "3" without a second value, "/ 7" without a first.
// No text when the weapon has neither.
std::string OwnColourText(ColourValues values);

// The number of positions in the list of a flag (0 and 1), the style, the
// render type, the beam colour or a table field (its none entry included).
int ListPositions(const RecordField& field);

// The position of that list whose script text is `text`, in any letter case
// (a style's key, a beam colour's values as OwnColourText joins them, an old
// spelling of a table text); nothing for a flag.
std::optional<int> MatchListText(const RecordField& field, std::string_view text);

// The values that an own text of OwnColourText stands for. A value holds no
// blank (the reader drops them), so " / " and a leading "/ " tell the parts.
ColourValues OwnColourValues(std::string_view own);

}  // namespace kalvex
