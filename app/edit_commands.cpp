// The Edit menu: each change of the weapons counted once, as it is complete,
// and undone or redone on the weapon and the page where it was made.
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "app/kalvex.h"
#include "app/kalvex2.h"
#include "pages/page_table.h"

namespace {

// What a change made on `page` is named by: the page's entry for a page of
// one field, otherwise the label of the first field it changed, without its
// colon.
std::string ChangeName(int page, const kalvex::WeaponRecord& before,
                       const kalvex::WeaponRecord& after) {
  if (page < 0 || page >= kalvex::kPageCount) return {};
  const kalvex::PageDescription& shown = kalvex::Pages()[page];
  if (shown.controls.size() > 1) {
    for (const kalvex::PageControl& control : shown.controls) {
      if (!kalvex::ValueDiffers(control, before, after)) continue;
      std::string_view label = control.labelText;
      if (label.ends_with(':')) label.remove_suffix(1);
      return std::string(label);
    }
  }
  return std::string(shown.listEntry);
}

// "&Undo Range"; "&Undo" alone for a change without a name.
std::string MenuText(std::string_view command, const std::string& name) {
  std::string text(command);
  if (!name.empty()) text += " " + name;
  return text;
}

}  // namespace

void TMachines::Undo() {
  CountChange();
  const kalvex::WeaponsChange* change = history_.NextUndo();
  if (!change) return;
  history_.StepBack();
  if (change->scriptBefore) {
    TakeSnapshot(*change->scriptBefore);
  } else {
    TakeChangedWeapon(change->weapon, change->before, change->page);
  }
  ShowEditMenu();
}

void TMachines::Redo() {
  CountChange();
  const kalvex::WeaponsChange* change = history_.NextRedo();
  if (!change) return;
  history_.StepForward();
  if (change->scriptAfter) {
    TakeSnapshot(*change->scriptAfter);
  } else {
    TakeChangedWeapon(change->weapon, change->after, change->page);
  }
  ShowEditMenu();
}

void TMachines::CountChange() {
  kalvex::CollectShownPage(pages_);
  if (Weapon == counted_) return;
  history_.Add({ChangeName(page_.indexx, counted_, Weapon),
                weaponIndex_,
                page_.indexx,
                {counted_, entryChanges_},
                {Weapon, entryChanges_},
                std::nullopt,
                std::nullopt});
  counted_ = Weapon;
  ShowEditMenu();
}

void TMachines::CountEntryChange(std::vector<kalvex::EntryChange> before) {
  history_.Add({std::string(kalvex::kOtherEntriesEntry),
                weaponIndex_,
                page_.indexx,
                {Weapon, std::move(before)},
                {Weapon, entryChanges_},
                std::nullopt,
                std::nullopt});
  ShowEditMenu();
}

kalvex::ScriptSnapshot TMachines::Snapshot() const {
  kalvex::ScriptSnapshot snapshot{document_, heldWeapons_, weaponIndex_, toldWeapon_,
                                  page_.Box == 1 ? page_.indexx : -1};
  snapshot.weapons.insert_or_assign(weaponIndex_, HeldWeapon{Weapon, keptWeapon_, entryChanges_});
  return snapshot;
}

void TMachines::CountWeaponCommand(std::string name, kalvex::ScriptSnapshot before) {
  history_.Add({std::move(name), weaponIndex_, -1, {}, {}, std::move(before), Snapshot()});
  ShowEditMenu();
}

void TMachines::TakeSnapshot(const kalvex::ScriptSnapshot& snapshot) {
  document_ = snapshot.document;
  heldWeapons_ = snapshot.weapons;
  toldWeapon_ = snapshot.told;
  TakeWeapon(snapshot.shown, false);
  ShowPageOfChange(snapshot.page);
}

void TMachines::TakeChangedWeapon(std::size_t index, const kalvex::ChangedWeapon& weapon,
                                  int page) {
  if (index != weaponIndex_) {
    HoldShownWeapon();
    TakeWeapon(index, false);
  }
  Weapon = weapon.record;
  entryChanges_ = weapon.entries;
  counted_ = Weapon;
  ShowPageOfChange(page);
}

void TMachines::ShowPageOfChange(int page) {
  // The page is built anew from the weapon; what it showed is not collected.
  // The keyboard focus goes to the page list, as the control it was in may
  // be gone.
  kalvex::TakeDownPage(page_);
  if (ComboBox) {
    if (page >= 0) ComboBox->SetSelIndex(page);
    ComboBox->SetFocus();
  }
  kalvex::SwitchPage(pages_, page);
  save = 0;
  ShowTitle();
}

void TMachines::ShowEditMenu() {
  // A change still being made is counted before Undo undoes anything, and
  // leaves nothing to redo.
  kalvex::CollectShownPage(pages_);
  const bool pending = Weapon != counted_;
  const kalvex::WeaponsChange* undo = history_.NextUndo();
  const kalvex::WeaponsChange* redo = pending ? nullptr : history_.NextRedo();
  const std::string undoName = pending ? ChangeName(page_.indexx, counted_, Weapon)
                               : undo  ? undo->name
                                       : std::string();
  EnableMenuItem(CM_EDITUNDO, pending || undo);
  SetMenuItemText(CM_EDITUNDO, MenuText("&Undo", undoName));
  EnableMenuItem(CM_EDITREDO, redo != nullptr);
  SetMenuItemText(CM_EDITREDO, MenuText("&Redo", redo ? redo->name : std::string()));
}
