// The Weapon menu: going from weapon to weapon of the open script, each
// keeping its edits, weapons added, copied and deleted, and the title that
// names the weapon shown.
#include <algorithm>
#include <charconv>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/file_messages.h"
#include "app/kalvex.h"
#include "app/window_title.h"
#include "script/ascii_case.h"
#include "script/utf8_text.h"

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view WithoutBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) + 1 - first);
}

// The lowest weapon ID from 1 to 255 that none of `ids` is; 0 when all are.
int UnusedId(const std::vector<std::string_view>& ids) {
  std::set<int> used;
  for (const std::string_view text : ids) {
    const std::string_view id = WithoutBlanks(text);
    int number = 0;
    const auto [end, error] = std::from_chars(id.data(), id.data() + id.size(), number);
    if (error == std::errc() && end == id.data() + id.size()) used.insert(number);
  }
  for (int id = 1; id <= 255; ++id) {
    if (!used.contains(id)) return id;
  }
  return 0;
}

// `code` with the lowest suffix "_2", "_3" ... that makes it none of `codes`,
// letter case ignored.
std::string UnusedCode(std::string_view code, const std::vector<std::string_view>& codes) {
  const std::string base(WithoutBlanks(code));
  for (std::size_t suffix = 2;; ++suffix) {
    const std::string candidate = base + "_" + std::to_string(suffix);
    if (std::none_of(codes.begin(), codes.end(), [&](std::string_view other) {
          return kalvex::EqualIgnoringCase(WithoutBlanks(other), candidate);
        })) {
      return candidate;
    }
  }
}

}  // namespace

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

void TMachines::NewWeaponInFile() {
  if (document_.weapons.empty()) {
    UserInterface().Beep();
    return;
  }
  CountChange();
  kalvex::ScriptSnapshot before = Snapshot();
  kalvex::WeaponRecord fresh;
  fresh.Reset();
  const std::size_t at = document_.weapons.size();
  kalvex::ScriptDocument added = kalvex::OpenScript(kalvex::AppendWeapon(document_, fresh));
  if (added.weapons.size() != at + 1) {
    TellRefusal("Unable to add a weapon to the script",
                "The end of the file (an open comment, section or body) would take it in; mend "
                "the file first");
    return;
  }
  HoldShownWeapon();
  TakeWeaponsOf(std::move(added), at, true);
  TakeWeapon(at, true);
  CountWeaponCommand("New Weapon In This File", std::move(before));
}

void TMachines::DuplicateWeapon() {
  if (document_.weapons.empty()) {
    UserInterface().Beep();
    return;
  }
  CountChange();
  kalvex::ScriptSnapshot before = Snapshot();
  // The copy's code and ID are the file's only ones: those of the weapons
  // as the window holds them, and as the script holds the others.
  std::vector<std::string_view> codes{Weapon.Weapcode};
  std::vector<std::string_view> ids{Weapon.WeapID};
  for (const auto& [index, held] : heldWeapons_) {
    codes.push_back(held.edited.Weapcode);
    ids.push_back(held.edited.WeapID);
  }
  const std::vector<kalvex::WeaponChoice> listed = kalvex::ListWeapons(document_);
  for (std::size_t index = 0; index < listed.size(); ++index) {
    if (index == weaponIndex_ || heldWeapons_.contains(index)) continue;
    codes.push_back(listed[index].code);
    ids.push_back(listed[index].id);
  }
  const int id = UnusedId(ids);
  if (id == 0) {
    TellRefusal("Unable to copy the weapon",
                "Every weapon ID from 1 to 255 is in use in this file.");
    return;
  }
  kalvex::WeaponRecord copy = Weapon;
  copy.Weapcode = UnusedCode(Weapon.Weapcode, codes);
  copy.WeapID = std::to_string(id);
  kalvex::SavedText copied = kalvex::CopyWeapon(document_, weaponIndex_, copy);
  if (!copied.ok()) {
    TellRefusal("Unable to copy the weapon", kalvex::Utf8FromLatin1(copied.refusal));
    return;
  }
  HoldShownWeapon();
  std::vector<kalvex::EntryChange> entries = entryChanges_;
  TakeWeaponsOf(kalvex::OpenScript(std::move(copied.text)), weaponIndex_ + 1, true);
  TakeWeapon(weaponIndex_ + 1, true);
  // The copy's entries are the weapon's as the window holds them.
  entryChanges_ = std::move(entries);
  CountWeaponCommand("Duplicate Weapon", std::move(before));
}

void TMachines::DeleteWeapon() {
  if (WeaponCount() < 2) {
    MessageBox("The only weapon of a file cannot be deleted.", kalvex::kWarningCaption,
               kalvex::kErrorBox);
    return;
  }
  CountChange();
  kalvex::ScriptSnapshot before = Snapshot();
  if (MessageBox("Do You Want To Delete The Weapon " + kalvex::ShownCode(Weapon.Weapcode) +
                     "?\nIt goes from the file when the script is saved.",
                 kalvex::kWarningCaption, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) != IDYES) {
    return;
  }
  kalvex::SavedText removed = kalvex::RemoveWeapon(document_, weaponIndex_);
  if (!removed.ok()) {
    TellRefusal("Unable to delete the weapon", kalvex::Utf8FromLatin1(removed.refusal));
    return;
  }
  const std::size_t at = weaponIndex_;
  TakeWeaponsOf(kalvex::OpenScript(std::move(removed.text)), at, false);
  // The weapon after it takes its place; after the last, the one before.
  TakeWeapon(std::min(at, document_.weapons.size() - 1), false);
  CountWeaponCommand("Delete Weapon", std::move(before));
}

void TMachines::TellRefusal(std::string_view what, const std::string& refusal) {
  MessageBox(kalvex::FileErrorMessage(what, documentPath_, refusal), kalvex::kFileErrorCaption,
             kalvex::kErrorBox);
}

void TMachines::TakeWeaponsOf(kalvex::ScriptDocument document, std::size_t at, bool added) {
  std::map<std::size_t, HeldWeapon> moved;
  for (auto& [index, held] : heldWeapons_) {
    if (index < at) {
      moved.emplace(index, std::move(held));
    } else if (added) {
      moved.emplace(index + 1, std::move(held));
    } else if (index > at) {
      moved.emplace(index - 1, std::move(held));
    }
  }
  heldWeapons_ = std::move(moved);
  if (toldWeapon_ != kalvex::kNoPlace && toldWeapon_ >= at) {
    toldWeapon_ =
        added ? toldWeapon_ + 1 : (toldWeapon_ == at ? kalvex::kNoPlace : toldWeapon_ - 1);
  }
  document_ = std::move(document);
  save = 0;
}

void TMachines::HoldShownWeapon() {
  heldWeapons_.insert_or_assign(weaponIndex_, HeldWeapon{Weapon, keptWeapon_, entryChanges_});
}

void TMachines::ShowWeapon(std::size_t index) {
  CountChange();
  HoldShownWeapon();
  TakeWeapon(index, false);
}

void TMachines::TakeWeapon(std::size_t index, bool firstPage) {
  if (const auto held = heldWeapons_.find(index); held != heldWeapons_.end()) {
    Weapon = std::move(held->second.edited);
    keptWeapon_ = std::move(held->second.kept);
    entryChanges_ = std::move(held->second.entries);
    heldWeapons_.erase(held);
  } else {
    kalvex::ReadWeaponRecord(document_, index, Weapon);
    keptWeapon_ = Weapon;
    entryChanges_.clear();
  }
  weaponIndex_ = index;
  counted_ = Weapon;
  if (firstPage && ComboBox) {
    kalvex::TakeDownPage(page_);
    ComboBox->SetSelIndex(0);
    kalvex::SwitchPage(pages_, 0);
  } else {
    kalvex::ShowPageAgain(pages_);
  }
  ShowTitle();
}

void TMachines::ShowTitle() {
  const bool unsaved = save == 0 && AnyWeaponEdited();
  SetTitle(kalvex::WindowTitle(
      editorName_, {documentPath_, unsaved, Weapon.Weapcode, weaponIndex_, WeaponCount()}));
}
