// The changes that set and apply make to a weapon: assignments by member or
// by script key (entry_edit.h), sorted into members of the weapon record and
// entries that no field reads, and made in place as the editor saves.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "script/script_document.h"
#include "script/weapons_alone.h"
#include "tools/kalvex_tdf/entry_edit.h"

namespace kalvex::tdf {

// A member set by a line of the record format, as given or made from a key.
struct MemberChange {
  std::string_view word;  // as given
  std::string line;       // "Member=value"
};

// The assignments for one weapon; the views are into the words given.
struct WeaponChanges {
  std::vector<MemberChange> members;
  std::vector<KeyAssignment> entries;  // set as entries (KeyAssignment::SetsEntry)

  bool empty() const { return members.empty() && entries.empty(); }
};

// Sorts the assignment `word` into `changes`: a member's line as it stands,
// a key as its member's line or as an entry (KeyAssignment::SetsEntry); with
// `entry` (--entry) a key in every case. The reason, where `word` is no
// assignment.
std::optional<std::string> AddAssignment(std::string_view word, bool entry, WeaponChanges& changes);

// Why ChangeWeapon refused a change: a member's value as the record format
// refuses it, or a save refused (script_document.h).
struct ChangeRefusal {
  std::string message;
  bool save = false;
};

// Changes to weapons of one document, each weapon changed on its own text
// (weapons_alone.h) as the editor saves it, and the document's text with them
// all.
class DocumentChanges {
 public:
  explicit DocumentChanges(const ScriptDocument& document) : document_(document) {}

  // Makes `changes` to the weapon at `index`, one not changed before. Where
  // a change is refused, the weapon stays as it was.
  std::optional<ChangeRefusal> Change(std::size_t index, const WeaponChanges& changes);

  // The document's text with every change made.
  std::string Text();

 private:
  const ScriptDocument& document_;
  std::vector<WeaponText> texts_;
};

}  // namespace kalvex::tdf
