// The record format of the companion tool: one line `Name=value` per field of
// the weapon record, Name a `Weap*` member, the value everything after the
// first "=" as it stands (integers in decimal). A table member whose value is
// a text of the script's own that no list holds (a mod's own model, sound or
// explosion art) has that text in double quotes: `Weapsost="vortexfire"`.
// Empty lines and lines that begin with "#" are ignored; fields not named
// keep their reset values.
// Reading and printing the format both live here.
#pragma once

#include <string>
#include <string_view>

#include "record/weapon_record.h"

namespace kalvex {

// Text members are written into the script as they stand, so these
// characters in any of them would break its structure (a "}" or line end
// written inside a value ends it early when read back); ParseRecordLines
// refuses them in every text member and own text. A line feed cannot stand
// in a line.
inline constexpr std::string_view kScriptPunctuation = ";=[]{}\r";

struct RecordLinesResult {
  bool ok = true;
  int line = 0;         // of the first bad line, counted from 1
  std::string message;  // what is wrong with it
};

// Sets the fields that `text` names in `record`. On a bad line `record` is
// left as it was and the result names the line.
RecordLinesResult ParseRecordLines(std::string_view text, WeaponRecord& record);

// All 58 fields of `record`, one line `Name=value` each, in declaration order,
// texts exactly as held. ParseRecordLines gives the record back as long as no
// text holds a line end or a NUL byte (the script reader keeps none) and none
// holds kScriptPunctuation.
std::string PrintRecordLines(const WeaponRecord& record);

}  // namespace kalvex
