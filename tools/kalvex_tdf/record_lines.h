// The record format of the companion tool: one line `Name=value` per field of
// the weapon record, Name a `Weap*` member, the value everything after the
// first "=" as it stands. Text members hold their value as it stands. An
// integer member (a flag, a list's position) takes:
// - nothing (`Weapexgaf=`): the value of a weapon without its entry, as the
//   reader gives it (no selection, or the list's entry for none, or 0);
// - a whole number: a flag's 0 or 1, else a position in the member's list;
// - any other text, or a text in double quotes (`Weapsost=cannon2`,
//   `Weapbarr="-55"`): the script text of a list entry, in any letter case,
//   else a text of the mod's own that no list holds (`Weapsost="vortexfire"`;
//   a beam colour's as "3 / 7", "3" or "/ 7"); the style and the flags take
//   no text of their own.
// A value outside a member's domain is refused, naming what it takes.
// PrintRecordLines gives a member without an entry as nothing and an own text
// in double quotes. Empty lines and lines that begin with "#" are ignored;
// fields not named keep their reset values.
// Reading and printing the format both live here.
#pragma once

#include <string>
#include <string_view>

#include "record/weapon_record.h"
#include "script/entry_names.h"

namespace kalvex {

struct RecordLinesResult {
  bool ok = true;
  int line = 0;         // of the first bad line, counted from 1
  std::string message;  // what is wrong with it
};

// Sets the fields that `text` names in `record`. On a bad line `record` is
// left as it was and the result names the line; a text member or own text
// holding kScriptPunctuation is refused.
RecordLinesResult ParseRecordLines(std::string_view text, WeaponRecord& record);

// All 58 fields of `record`, one line `Name=value` each, in declaration order,
// texts exactly as held. ParseRecordLines gives the record back as long as its
// integer members are within their domains or kNoEntry, and no text holds a
// line end or a NUL byte (the script reader keeps none) or kScriptPunctuation.
std::string PrintRecordLines(const WeaponRecord& record);

}  // namespace kalvex
