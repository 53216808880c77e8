// Turns a value read from a weapon script back into the index of its value
// table. Texts are compared whole and without regard to case.
#pragma once

#include <optional>
#include <string_view>

#include "record/record_table.h"

namespace kalvex {

// The value that the table writes for an index (without the key, the ";" and
// the line ends that some table texts carry), or no text for an index that
// writes none.
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

// The beam colour whose first value ("color=") is `value`.
std::optional<int> MatchColour(std::string_view value);

// The second value ("color2=") of a beam colour, or no text outside the table.
std::string_view SecondColourValue(int colour);

// The first value ("color=") of a beam colour, or no text outside the table.
std::string_view FirstColourValue(int colour);

}  // namespace kalvex
