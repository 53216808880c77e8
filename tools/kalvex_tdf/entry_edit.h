// The assignments of `set` by script key: "KEY=VALUE" in the body,
// "SECTION/KEY=VALUE" in a section of the weapon ("DAMAGE/default=300",
// "CUSTOMPARAMS/unitpic=x.png"), the key in any ASCII letter case and the
// value as the script writes it. A key that a field of the weapon record
// reads becomes a member line of the record format; the others, and every
// assignment that removes, set or remove the entries themselves with
// SetEntry (script_document.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "record/record_fields.h"
#include "script/entry_names.h"

namespace kalvex::tdf {

struct KeyAssignment {
  std::string_view section;  // empty: the body
  std::string_view key;
  std::string_view value;              // empty: remove the entry
  const RecordField* field = nullptr;  // the field that reads the key, if one does

  // Whether the entries themselves are set (SetEntry) rather than the member
  // of their field: for a key that no field reads, a key that its field
  // shares with other keys (a style of fire, half of a beam colour), and an
  // empty value, which removes every entry of the key.
  bool SetsEntry() const {
    return field == nullptr || field->reading == ValueRule::kStyle ||
           field->reading == ValueRule::kColour || value.empty();
  }
};

// "KEY=VALUE" or "SECTION/KEY=VALUE". Nothing, with the reason in `problem`,
// for a key or section that is not one, or, where the entries themselves are
// set, a value that would break the script.
std::optional<KeyAssignment> ParseKeyAssignment(std::string_view word, std::string& problem);

// The member line that sets the field of `assignment` (one that sets no
// entry) to its value as the script writes it: a text member's value as it
// stands, a flag's as it stands, a list member's as its script text.
std::string MemberLine(const KeyAssignment& assignment);

}  // namespace kalvex::tdf
