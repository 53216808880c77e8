#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "app/file_messages.h"
#include "app/kalvex.h"
#include "app/window_title.h"
#include "record/record_fields.h"
#include "script/finding_text.h"
#include "script/save_file.h"
#include "script/script_file_reader.h"
#include "script/script_merge.h"
#include "script/script_reader.h"
#include "script/script_writer.h"
#include "script/utf8_path.h"
#include "script/utf8_text.h"
#include "script/weapons_alone.h"

namespace {

// At most this many findings are listed, so that the message fits a screen.
constexpr std::size_t kListedFindings = 15;
// The conflicts of a merge that its question lists, at most.
constexpr std::size_t kListedConflicts = 15;

// What the user should know of a weapon just opened: what is malformed, and
// what saving writes anew. Everything else is kept as it stands. Empty when
// there is nothing to tell.
std::string FindingsMessage(const kalvex::ReadResult& read) {
  std::string lines;
  std::size_t listed = 0;
  std::size_t told = 0;
  for (const kalvex::ReadFinding& finding : read.findings) {
    if (!kalvex::ShownAfterOpen(finding.kind)) continue;
    ++told;
    if (listed == kListedFindings) continue;
    ++listed;
    lines += "Line " + std::to_string(finding.line) + ": " +
             kalvex::Utf8FromLatin1(kalvex::DescribeFinding(finding)) + "\n";
  }
  if (told == 0) return {};
  std::string text =
      "Some entries of this script are malformed or spelled the old way:\n\n" + lines;
  if (told > listed) text += "... and " + std::to_string(told - listed) + " more.\n";
  return text;
}

constexpr unsigned kQuestion = MB_YESNO | MB_ICONEXCLAMATION;

// "1 weapon", "3 weapons".
std::string WeaponsCounted(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " weapon" : " weapons");
}

// Whether `a` and `b` name the same file; names alone where one is missing.
bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  const bool same =
      std::filesystem::equivalent(kalvex::PathFromUtf8(a), kalvex::PathFromUtf8(b), error);
  return error ? a == b : same;
}

}  // namespace

void TMachines::OpenFile(const std::string& path) {
  kalvex::ScriptDocument document;
  if (const auto refusal = kalvex::OpenScriptFile(kalvex::PathFromUtf8(path), document)) {
    StartNewWeapon();
    MessageBox(kalvex::FileErrorMessage(*refusal, path), kalvex::kFileErrorCaption,
               kalvex::kErrorBox);
    ForgetUnreadFile(path);
    return;
  }
  std::size_t index = 0;
  if (document.weapons.size() > 1) {
    const std::optional<std::size_t> chosen = ChooseWeaponOf(document, "Open Weapon", 0);
    if (!chosen) return;
    index = *chosen;
  }
  StartNewWeapon();
  const kalvex::ReadResult read = kalvex::ReadWeapon(document, index, Weapon);
  keptWeapon_ = Weapon;
  counted_ = Weapon;
  document_ = std::move(document);
  savedText_ = document_.text;
  documentPath_ = path;
  weaponIndex_ = index;
  toldWeapon_ = index;
  FileData->FileName = path;
  ShowTitle();
  if (const std::string told = FindingsMessage(read); !told.empty()) {
    MessageBox(told, kalvex::kWarningCaption, kalvex::kErrorBox);
  }
}

std::optional<std::size_t> TMachines::ChooseWeaponOf(const kalvex::ScriptDocument& document,
                                                     std::string_view caption,
                                                     std::size_t highlighted) {
  TWeaponChoice choice{std::string(caption),
                       "This file holds " + std::to_string(document.weapons.size()) +
                           " weapons. Which one do you want to edit?",
                       {},
                       highlighted};
  for (const kalvex::WeaponChoice& weapon : kalvex::ListWeapons(document)) {
    choice.Rows.push_back({kalvex::Utf8FromLatin1(weapon.code), kalvex::Utf8FromLatin1(weapon.name),
                           kalvex::Utf8FromLatin1(weapon.id), static_cast<int>(weapon.line)});
  }
  TWeaponDialog dialog(this, std::move(choice));
  if (dialog.Execute() != IDOK) return std::nullopt;
  return dialog.Chosen();
}

void TMachines::ForgetUnreadFile(const std::string& path) {
  // The next dialog opens in the file's folder with no name, so that Enter
  // does not save an empty weapon over a file the editor could not read.
  FileData->InitialDir = kalvex::Utf8FromPath(kalvex::PathFromUtf8(path).parent_path());
  FileData->FileName.clear();
}

bool TMachines::SaveScript() {
  // What the user sees is what is saved: the page stays up, its values go
  // into the weapon first, counted as a change.
  CountChange();
  if (TFileSaveDialog(this, *FileData).Execute() != IDOK) return false;
  const std::string path = FileData->FileName;
  std::optional<PlannedSave> planned = PlanSave(path);
  if (!planned || !WriteScriptFile(path, planned->text)) return false;
  // The weapons now stand in the file written, each at its place there; a
  // weapon added to another script has a place of its own.
  document_ = kalvex::OpenScript(std::move(planned->text));
  savedText_ = document_.text;
  documentPath_ = path;
  if (planned->merged) {
    // The file holds what another program wrote there too: every weapon
    // shows what it holds now.
    // The changes counted were made before the other program's: undoing
    // one would take those back too.
    heldWeapons_.clear();
    toldWeapon_ = kalvex::kNoPlace;
    history_.Clear();
    save = 1;
    TakeWeapon(planned->index, false);
    ShowEditMenu();
    return true;
  }
  if (planned->index != weaponIndex_) {
    // Added to another script: the changes counted were made to weapons
    // of a script that the window no longer holds.
    toldWeapon_ = kalvex::kNoPlace;
    history_.Clear();
  }
  weaponIndex_ = planned->index;
  // Their lists show what the file holds: one that the writer left out (the
  // beam colour of a weapon that is not a beam, the model beside the beam
  // flag) shows what it shows for the weapon opened from the file, so that
  // the next save in place writes only what the user changes then.
  for (auto& [index, held] : heldWeapons_) {
    kalvex::WeaponRecord saved;
    kalvex::ReadWeaponRecord(document_, index, saved);
    kalvex::TakeListValues(saved, held.edited);
    held.kept = held.edited;
    held.entries.clear();
  }
  entryChanges_.clear();
  kalvex::WeaponRecord saved;
  kalvex::ReadWeaponRecord(document_, weaponIndex_, saved);
  const kalvex::WeaponRecord before = Weapon;
  if (kalvex::TakeListValues(saved, Weapon)) ShowListsAgain(before);
  save = 1;
  keptWeapon_ = Weapon;
  counted_ = Weapon;
  ShowTitle();
  ShowEditMenu();
  return true;
}

bool TMachines::WriteScriptFile(const std::string& path, const std::string& text) {
  const kalvex::SaveResult result = kalvex::SaveScriptFile(path, text);
  switch (result.status) {
    case kalvex::SaveStatus::kSaved:
      return true;
    case kalvex::SaveStatus::kSavedUnconfirmed:
      MessageBox(kalvex::UnconfirmedSaveMessage(kalvex::ShownName(path), result.reason),
                 kalvex::kFileErrorCaption, kalvex::kErrorBox);
      return true;
    case kalvex::SaveStatus::kCannotOpen:
    case kalvex::SaveStatus::kCannotWrite:
      break;
  }
  MessageBox(kalvex::SaveFailureMessage(result.refusal(), path), kalvex::kFileErrorCaption,
             kalvex::kErrorBox);
  return false;
}

std::optional<std::string> TMachines::EditedScript() {
  // Each weapon is saved on its own text, in the order of the script, its
  // fields' edits first and then its entry changes; one without edits keeps
  // its bytes as they are.
  struct Edited {
    const kalvex::WeaponRecord* record;
    const std::vector<kalvex::EntryChange>* entries;
  };
  std::map<std::size_t, Edited> edited;
  for (const auto& [index, held] : heldWeapons_) {
    if (held.edited != held.kept || !held.entries.empty() || index == toldWeapon_) {
      edited.emplace(index, Edited{&held.edited, &held.entries});
    }
  }
  if (Weapon != keptWeapon_ || !entryChanges_.empty() || weaponIndex_ == toldWeapon_) {
    edited.emplace(weaponIndex_, Edited{&Weapon, &entryChanges_});
  }
  std::vector<kalvex::WeaponText> texts;
  for (const auto& [index, changes] : edited) {
    const kalvex::WeaponRecord* record = changes.record;
    const kalvex::ScriptDocument alone = kalvex::OpenWeaponAlone(document_, index);
    kalvex::SavedText saved =
        kalvex::WithEntryChanges(kalvex::SaveWeapon(alone, 0, *record), 0, *changes.entries);
    if (!saved.ok()) {
      // Which weapon, as the title names it: the script holds others.
      const std::string weapon = "Weapon " + kalvex::ShownCode(record->Weapcode) + " (" +
                                 std::to_string(index + 1) + " of " +
                                 std::to_string(document_.weapons.size()) + "): ";
      MessageBox(
          kalvex::SaveFailureMessage("Unable to save the weapon into its script", documentPath_,
                                     weapon + kalvex::Utf8FromLatin1(saved.refusal)),
          kalvex::kFileErrorCaption, kalvex::kErrorBox);
      return std::nullopt;
    }
    if (saved.text != alone.text) texts.push_back({index, std::move(saved.text)});
  }
  return kalvex::WithWeaponTexts(document_, texts);
}

std::optional<std::string> TMachines::NewWeaponScript() {
  kalvex::SavedText written =
      kalvex::WithEntryChanges({kalvex::WriteScript(Weapon), {}}, 0, entryChanges_);
  if (written.ok()) return std::move(written.text);
  MessageBox(kalvex::SaveFailureMessage("Unable to save the weapon", FileData->FileName,
                                        kalvex::Utf8FromLatin1(written.refusal)),
             kalvex::kFileErrorCaption, kalvex::kErrorBox);
  return std::nullopt;
}

std::optional<TMachines::PlannedSave> TMachines::AddedScript(const kalvex::ScriptDocument& onDisk,
                                                             const std::string& path) {
  // An opened weapon with its own text, a weapon of File, New as the writer
  // writes it; then its entry changes.
  kalvex::SavedText added = documentPath_.empty()
                                ? kalvex::SavedText{kalvex::AppendWeapon(onDisk, Weapon), {}}
                                : kalvex::AppendWeaponFrom(onDisk, document_, weaponIndex_, Weapon);
  added = kalvex::WithEntryChanges(std::move(added), onDisk.weapons.size(), entryChanges_);
  if (added.ok()) return PlannedSave{std::move(added.text), onDisk.weapons.size()};
  MessageBox(kalvex::SaveFailureMessage("Unable to add the weapon to the script", path,
                                        kalvex::Utf8FromLatin1(added.refusal)),
             kalvex::kFileErrorCaption, kalvex::kErrorBox);
  return std::nullopt;
}

std::optional<TMachines::PlannedSave> TMachines::MergedSave(const kalvex::ScriptDocument& onDisk,
                                                            const std::string& edited,
                                                            const std::string& path) {
  const kalvex::ScriptDocument base = kalvex::OpenScript(savedText_);
  const kalvex::ScriptDocument mine = kalvex::OpenScript(edited);
  kalvex::MergedScript merged = kalvex::MergeScripts(base, mine, onDisk, false);
  if (merged.ok() && !merged.conflicts.empty()) {
    std::string list;
    std::size_t listed = 0;
    for (const kalvex::MergeConflict& conflict : merged.conflicts) {
      if (++listed > kListedConflicts) {
        list += "and " + std::to_string(merged.conflicts.size() - kListedConflicts) + " more\n";
        break;
      }
      list += kalvex::Utf8FromLatin1(conflict.code);
      list += ", ";
      list += kalvex::Utf8FromLatin1(conflict.what);
      list += ": yours ";
      list += kalvex::Utf8FromLatin1(conflict.mine);
      list += ", on disk ";
      list += kalvex::Utf8FromLatin1(conflict.theirs);
      list += "\n";
    }
    constexpr std::string_view labels[] = {"Save My Values", "Cancel"};
    const std::string question = kalvex::ShownName(path) +
                                 " Has Changed On Disk Where You Made Changes.\n" + list +
                                 "Save your values over those on disk?";
    if (MessageBox(question, kalvex::kWarningCaption, MB_ICONEXCLAMATION, labels, 0) != 0) {
      return std::nullopt;
    }
    merged = kalvex::MergeScripts(base, mine, onDisk, true);
  }
  if (!merged.ok()) {
    MessageBox(kalvex::SaveFailureMessage("Unable to merge the changes into the script", path,
                                          kalvex::Utf8FromLatin1(merged.refusal)),
               kalvex::kFileErrorCaption, kalvex::kErrorBox);
    return std::nullopt;
  }
  const kalvex::ScriptDocument result = kalvex::OpenScript(merged.text);
  const std::size_t index = kalvex::MatchingWeapon(mine, weaponIndex_, result).value_or(0);
  return PlannedSave{std::move(merged.text), index, true};
}

std::optional<TMachines::PlannedSave> TMachines::PlanSave(const std::string& path) {
  kalvex::ScriptDocument onDisk;  // stays empty when the file cannot be read
  kalvex::OpenScriptFile(kalvex::PathFromUtf8(path), onDisk);
  std::error_code error;
  const bool exists = std::filesystem::exists(kalvex::PathFromUtf8(path), error);
  const bool opened = !documentPath_.empty();
  const std::string shown = kalvex::ShownName(path);

  if (opened && SameFile(path, documentPath_)) {
    // Saved in place; what someone else wrote there since is merged in, or
    // lost once replaced.
    bool merge = false;
    if (exists && onDisk.text != savedText_) {
      constexpr std::string_view labels[] = {"&Merge", "&Replace", "Cancel"};
      const int answer = MessageBox(shown +
                                        " Has Changed On Disk.\n"
                                        "It is no longer the script that was opened or last "
                                        "saved. Merge your changes into it, or replace it with "
                                        "this script and lose its changes?",
                                    kalvex::kWarningCaption, MB_ICONEXCLAMATION, labels, 0);
      if (answer != 0 && answer != 1) return std::nullopt;
      merge = answer == 0;
    }
    std::optional<std::string> edited = EditedScript();
    if (!edited) return std::nullopt;
    if (merge) return MergedSave(onDisk, *edited, path);
    return PlannedSave{std::move(*edited), weaponIndex_};
  }

  // Another file: the opened script with its weapons' edits, or the
  // writer's script of a new weapon.
  std::optional<std::string> whole = opened ? EditedScript() : NewWeaponScript();
  if (!whole) return std::nullopt;
  const PlannedSave replaced{std::move(*whole), opened ? weaponIndex_ : 0};
  if (!exists) return replaced;

  if (onDisk.weapons.empty()) {
    // What the editor cannot read is lost once replaced: No is what Enter gives.
    const int answer = MessageBox(shown +
                                      " Already Exists.\n"
                                      "It does not hold a weapon script that this editor can "
                                      "read; replacing it loses its contents.\n"
                                      "Do You Want To Replace It?",
                                  kalvex::kWarningCaption, kQuestion | MB_DEFBUTTON2);
    return answer == IDYES ? std::optional(replaced) : std::nullopt;
  }
  const std::string held = WeaponsCounted(onDisk.weapons.size());
  if (WeaponCount() > 1) {
    // A script of several weapons is written whole: the file's own weapons
    // are lost once replaced, and No is what Enter gives.
    const int answer =
        MessageBox(shown + " Already Exists.\nIt holds " + held + "; replacing it with the " +
                       WeaponsCounted(WeaponCount()) + " of this script loses them.\n" +
                       "Do You Want To Replace It?",
                   kalvex::kWarningCaption, kQuestion | MB_DEFBUTTON2);
    return answer == IDYES ? std::optional(replaced) : std::nullopt;
  }
  constexpr std::string_view labels[] = {"&Add", "&Replace", "Cancel"};
  const std::string question =
      shown + " Already Exists.\nIt holds " + held +
      ". Add this weapon at the end of the file, or replace the whole file with it?";
  switch (MessageBox(question, kalvex::kWarningCaption, MB_ICONEXCLAMATION, labels, 0)) {
    case 0:
      return AddedScript(onDisk, path);
    case 1:
      return replaced;
    default:
      return std::nullopt;
  }
}
