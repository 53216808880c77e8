#include <string>

#include "app/file_messages.h"
#include "app/kalvex.h"
#include "script/finding_text.h"
#include "script/script_file_reader.h"
#include "script/script_reader.h"
#include "script/utf8_path.h"
#include "script/utf8_text.h"

namespace {

// At most this many findings are listed, so that the message fits a screen.
constexpr std::size_t kListedFindings = 15;

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
    const std::optional<std::size_t> chosen = ChooseWeaponOf(document);
    if (!chosen) return;
    index = *chosen;
  }
  StartNewWeapon();
  const kalvex::ReadResult read = kalvex::ReadWeapon(document, index, Weapon);
  keptWeapon_ = Weapon;
  document_ = std::move(document);
  documentPath_ = path;
  weaponIndex_ = index;
  FileData->FileName = path;
  if (const std::string told = FindingsMessage(read); !told.empty()) {
    MessageBox(told, kalvex::kWarningCaption, kalvex::kErrorBox);
  }
}

std::optional<std::size_t> TMachines::ChooseWeaponOf(const kalvex::ScriptDocument& document) {
  TWeaponChoice choice{"Open Weapon",
                       "This file holds " + std::to_string(document.weapons.size()) +
                           " weapons. Which one do you want to edit?",
                       {}};
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
