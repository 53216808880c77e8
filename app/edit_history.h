// The history that Edit, Undo and Redo go through: every change of the open
// script's weapons, once, as a snapshot of what it altered before and after.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/entry_changes.h"
#include "record/weapon_record.h"
#include "script/script_document.h"

namespace kalvex {

// A weapon of the open script as the window holds it, and as it was last
// opened or saved.
struct HeldWeapon {
  WeaponRecord edited;
  WeaponRecord kept;
  std::vector<EntryChange> entries;  // made on the page of other entries
};

// The open script and its weapons as the window holds them at one moment:
// what a weapon command changes.
struct ScriptSnapshot {
  ScriptDocument document;
  // Every weapon the window has shown, the one shown among them, by place.
  std::map<std::size_t, HeldWeapon> weapons;
  std::size_t shown = 0;        // the place of the weapon shown
  std::size_t told = kNoPlace;  // the weapon saved even without edits
  int page = -1;                // the page that is up; -1 for none
};

// A weapon as one change of it leaves it: its fields and the changes of its
// other entries.
struct ChangedWeapon {
  WeaponRecord record;
  std::vector<EntryChange> entries;
};

// One change of the weapons: a change of fields or other entries of one
// weapon, made on one page, or a weapon command, which changes the whole
// script.
struct WeaponsChange {
  std::string name;  // what Undo and Redo name it by: "Range", "Delete Weapon"
  // A change of one weapon: its place, the page and the weapon before and
  // after.
  std::size_t weapon = 0;
  int page = -1;
  ChangedWeapon before;
  ChangedWeapon after;
  // A weapon command: the script before and after; nothing for a change of fields.
  std::optional<ScriptSnapshot> scriptBefore;
  std::optional<ScriptSnapshot> scriptAfter;
};

class EditHistory {
 public:
  // Adds a change just made; those undone before it can no longer be redone.
  void Add(WeaponsChange change);
  // The change that Undo undoes and the one Redo redoes; nullptr for none.
  const WeaponsChange* NextUndo() const;
  const WeaponsChange* NextRedo() const;
  // Counts NextUndo's change as undone, or NextRedo's as done again; the
  // change stays where it is until the next Add or Clear.
  void StepBack();
  void StepForward();
  // Forgets every change.
  void Clear();

 private:
  std::vector<WeaponsChange> changes_;  // oldest first
  std::size_t done_ = 0;                // the first done_ changes are done, the others undone
};

}  // namespace kalvex
