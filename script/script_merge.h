// Merging the window's script into its file as another program has changed
// it since: what the user changed is written onto the file's text by the
// in-place rules, and what both changed, each to a value of their own, is a
// conflict.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "script/script_document.h"

namespace kalvex {

// A field, entry or weapon that the user and the file both changed.
struct MergeConflict {
  std::string code;    // the weapon's code as the file holds it
  std::string what;    // the field's key, the entry as "KEY" or "SECTION/KEY", or "weapon"
  std::string mine;    // the user's value, "no entry" or "deleted"
  std::string theirs;  // the file's value, "no entry" or "deleted"
};

struct MergedScript {
  std::string text;  // the file's text with the user's changes
  std::vector<MergeConflict> conflicts;
  std::string refusal;  // why the changes cannot be written; then no text

  bool ok() const { return refusal.empty(); }
};

// The text of `disk` with the changes that turned `base` (the file as last
// opened or saved) into `mine` (the window's script). Weapons are matched by
// code, ASCII letter case ignored, and among weapons of one code by their
// order. A field or an entry that no field reads, changed by the user, is
// written onto the file's weapon (SaveWeapon, SetEntry); a weapon the user
// deleted goes from the file; a weapon the user added goes after the weapon
// it follows in `mine`, or at the end where the file lacks that one. Where
// the file changed the same field or entry to another value, deleted a weapon
// the user changed, or changed one the user deleted, that is a conflict: with
// `mine_first` the user's side is written, else the file's kept; the
// conflicts are listed either way.
MergedScript MergeScripts(const ScriptDocument& base, const ScriptDocument& mine,
                          const ScriptDocument& disk, bool mine_first);

// The weapon of `to` that MergeScripts matches with the weapon at `index` of
// `from`; nothing where `to` lacks it.
std::optional<std::size_t> MatchingWeapon(const ScriptDocument& from, std::size_t index,
                                          const ScriptDocument& to);

}  // namespace kalvex
