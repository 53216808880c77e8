// The record format of the companion tool: one line `Name=value` per field of
// the weapon record, Name a `Weap*` member, the value everything after the
// first "=" as it stands (integers in decimal). Empty lines and lines that
// begin with "#" are ignored; fields not named keep their reset values.
#pragma once

#include <string>
#include <string_view>

#include "record/weapon_record.h"

namespace kalvex {

struct RecordLinesResult {
  bool ok = true;
  int line = 0;         // of the first bad line, counted from 1
  std::string message;  // what is wrong with it
};

// Sets the fields that `text` names in `record`. On a bad line `record` is
// left as it was and the result names the line.
RecordLinesResult ParseRecordLines(std::string_view text, WeaponRecord& record);

}  // namespace kalvex
