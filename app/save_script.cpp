#include <filesystem>
#include <string>
#include <string_view>

#include "app/file_messages.h"
#include "app/kalvex.h"
#include "script/save_file.h"
#include "script/script_file_reader.h"
#include "script/script_writer.h"
#include "script/utf8_path.h"
#include "script/utf8_text.h"

namespace {

constexpr unsigned kQuestion = MB_YESNO | MB_ICONEXCLAMATION;

// Whether `a` and `b` name the same file; names alone where one is missing.
bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  const bool same =
      std::filesystem::equivalent(kalvex::PathFromUtf8(a), kalvex::PathFromUtf8(b), error);
  return error ? a == b : same;
}

}  // namespace

bool TMachines::WriteScriptFile(const std::string& path, const std::string& text) {
  const kalvex::SaveResult result = kalvex::SaveScriptFile(path, text);
  switch (result.status) {
    case kalvex::SaveStatus::kSaved:
      return true;
    case kalvex::SaveStatus::kSavedUnconfirmed:
      MessageBox(kalvex::UnconfirmedSaveMessage(kalvex::ShownName(path), result.reason),
                 result.caption, kalvex::kErrorBox);
      return true;
    case kalvex::SaveStatus::kCannotOpen:
    case kalvex::SaveStatus::kCannotWrite:
      break;
  }
  MessageBox(kalvex::FileErrorMessage(result.message, path, result.reason), result.caption,
             kalvex::kErrorBox);
  return false;
}

std::optional<std::string> TMachines::EditedScript() {
  kalvex::SavedText saved = kalvex::SaveWeapon(document_, weaponIndex_, Weapon);
  if (saved.ok()) return std::move(saved.text);
  MessageBox(kalvex::FileErrorMessage("Unable to save the weapon into its script", documentPath_,
                                      kalvex::Utf8FromLatin1(saved.refusal)),
             "File Error", kalvex::kErrorBox);
  return std::nullopt;
}

std::optional<TMachines::PlannedSave> TMachines::PlanSave(const std::string& path) {
  std::string onDisk;
  const bool read =
      kalvex::LoadScriptFile(kalvex::PathFromUtf8(path), onDisk) == kalvex::ScriptFileStatus::kRead;
  std::error_code error;
  const bool exists = std::filesystem::exists(kalvex::PathFromUtf8(path), error);
  const bool opened = !documentPath_.empty();
  const std::string shown = kalvex::ShownName(path);

  if (opened && SameFile(path, documentPath_)) {
    // Saved in place; what someone else wrote there since would be lost.
    if (exists && !(read && onDisk == document_.text) &&
        MessageBox(shown + " Has Changed On Disk.\n"
                           "It is no longer the script that was opened or last saved; replacing it "
                           "loses those changes.\nDo You Want To Replace It?",
                   "Warning...", kQuestion | MB_DEFBUTTON2) != IDYES) {
      return std::nullopt;
    }
    std::optional<std::string> edited = EditedScript();
    if (!edited) return std::nullopt;
    return PlannedSave{std::move(*edited), weaponIndex_};
  }

  // Another file: the opened script with this weapon's edits, or the
  // writer's script of a new weapon.
  std::optional<std::string> whole =
      opened ? EditedScript() : std::optional<std::string>(kalvex::WriteScript(Weapon));
  if (!whole) return std::nullopt;
  const PlannedSave replaced{std::move(*whole), opened ? weaponIndex_ : 0};
  if (!exists) return replaced;

  const kalvex::ScriptDocument target =
      read ? kalvex::OpenScript(std::move(onDisk)) : kalvex::ScriptDocument{};
  if (target.weapons.empty()) {
    // What the editor cannot read is lost once replaced: No is what Enter gives.
    const int answer = MessageBox(shown +
                                      " Already Exists.\n"
                                      "It does not hold a weapon script that this editor can "
                                      "read; replacing it loses its contents.\n"
                                      "Do You Want To Replace It?",
                                  "Warning...", kQuestion | MB_DEFBUTTON2);
    return answer == IDYES ? std::optional(replaced) : std::nullopt;
  }
  const std::size_t count = target.weapons.size();
  constexpr std::string_view labels[] = {"&Add", "&Replace", "Cancel"};
  const std::string question =
      shown + " Already Exists.\nIt holds " + std::to_string(count) +
      (count == 1 ? " weapon" : " weapons") +
      ". Add this weapon at the end of the file, or replace the whole file with it?";
  switch (MessageBox(question, "Warning...", MB_ICONEXCLAMATION, labels, 0)) {
    case 0:
      return PlannedSave{kalvex::AppendWeapon(target, Weapon), count};
    case 1:
      return replaced;
    default:
      return std::nullopt;
  }
}
