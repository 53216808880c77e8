// The keys that the game and its later engine read in a weapon's body, with
// the kind of value each takes: the list in known_keys.tsv together with the
// keys that the weapon record's fields read. A key stands either in the body
// or in a nested section ("power" in "[SHIELD]"); a section is itself a key
// of the body, of the kind kSection. The keys of "[DAMAGE]" (numbers) and of
// "[CUSTOMPARAMS]" (texts) are names of the mod's own: every one of them is
// known. Letter case does not count anywhere (ASCII, as the reader compares
// keys).
#pragma once

#include <string_view>

#include "record/record_fields.h"

namespace kalvex {

// The kind of value that a key takes.
enum class ValueKind {
  kFlag,       // 0 or 1
  kWhole,      // a whole number
  kNumber,     // a decimal number
  kText,       // any text
  kTriple,     // three numbers with space between them
  kQuadruple,  // four numbers with space between them
  kSection,    // the key names a nested section and takes no value
};

struct KnownKey {
  std::string_view section = {};  // as spelled ("SHIELD"); empty for a key of the body
  std::string_view key = {};      // as spelled ("reloadtime", "Turret"); empty for any name of a
                                  // section whose keys are the mod's own
  ValueKind kind = ValueKind::kText;
  const RecordField* field = nullptr;  // the field that reads it, if one does
};

// The known key `key` of the body (`section` empty) or of `section`, or
// nullptr. A section takes any key of the mod's own when the key returned
// is empty. An empty key is never known.
const KnownKey* FindKnownKey(std::string_view section, std::string_view key);

// Whether "[`section`]" is a known section of a weapon's body.
bool IsKnownSection(std::string_view section);

// A near miss is a known key that `key` turns into by one or two edits (a
// letter put in, left out or replaced; letter case aside), fewer edits than
// the shorter of the two has letters: "reloadtim" is a near miss of
// "reloadtime", "xy" is none of "ID". Of several, the one fewest edits away,
// then the first in alphabetical order (letter case aside). A known key is
// its own near miss.

// The near miss of `key` among the keys of the body (`section` empty, not
// counting sections) or of the known section `section`, or nullptr. A section
// whose keys are the mod's own has none.
const KnownKey* NearestKnownKey(std::string_view section, std::string_view key);

// The near miss of `section` among the known sections, or nullptr.
const KnownKey* NearestKnownSection(std::string_view section);

// Whether `value` is a value of the kind `kind`. Space around it (blanks and
// line ends, as the reader knows them) does not count, and an empty value
// (the entry gives none) is of every kind but kSection, which takes none.
// A flag is "0" or "1"; a whole number an optional "-" and digits; a number
// a decimal number as IsDecimalNumber takes it; a triple or quadruple three
// or four such numbers with space between them; a text anything.
bool IsValueOfKind(ValueKind kind, std::string_view value);

}  // namespace kalvex
