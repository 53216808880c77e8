// The Weapon menu: going from weapon to weapon of the open script, each
// keeping its edits, and the title that names the weapon shown.
#include <string>
#include <utility>

#include "app/kalvex.h"
#include "app/window_title.h"

void TMachines::NextWeapon() {
  if (weaponIndex_ + 1 >= WeaponCount()) {
    UserInterface().Beep();
    return;
  }
  ShowWeapon(weaponIndex_ + 1);
}

void TMachines::PreviousWeapon() {
  if (weaponIndex_ == 0) {
    UserInterface().Beep();
    return;
  }
  ShowWeapon(weaponIndex_ - 1);
}

void TMachines::ChooseWeapon() {
  // A weapon of File, New stands in no script: there is nothing to choose from.
  if (document_.weapons.empty()) {
    UserInterface().Beep();
    return;
  }
  const std::optional<std::size_t> chosen =
      ChooseWeaponOf(document_, "Choose Weapon", weaponIndex_);
  if (chosen && *chosen != weaponIndex_) ShowWeapon(*chosen);
}

std::size_t TMachines::WeaponCount() const {
  return document_.weapons.empty() ? 1 : document_.weapons.size();
}

void TMachines::ShowWeapon(std::size_t index) {
  kalvex::CollectShownPage(pages_);
  heldWeapons_.insert_or_assign(weaponIndex_, HeldWeapon{Weapon, keptWeapon_});
  if (const auto held = heldWeapons_.find(index); held != heldWeapons_.end()) {
    Weapon = std::move(held->second.edited);
    keptWeapon_ = std::move(held->second.kept);
    heldWeapons_.erase(held);
  } else {
    kalvex::ReadWeapon(document_, index, Weapon);
    keptWeapon_ = Weapon;
  }
  weaponIndex_ = index;
  if (page_.Box == 1) {
    const int shown = page_.indexx;
    kalvex::TakeDownPage(page_);
    kalvex::SwitchPage(pages_, shown);
  }
  ShowTitle();
}

void TMachines::ShowTitle() {
  const bool unsaved = save == 0 && AnyWeaponEdited();
  SetTitle(kalvex::WindowTitle(
      editorName_, {documentPath_, unsaved, Weapon.Weapcode, weaponIndex_, WeaponCount()}));
}
