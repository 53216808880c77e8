#include <filesystem>
#include <string>
#include <utility>

#include "app/file_messages.h"
#include "app/kalvex.h"
#include "app/kalvex2.h"
#include "pages/page_builder.h"
#include "pages/page_slots.h"
#include "pages/page_table.h"
#include "script/utf8_path.h"

namespace {

// The editor's built-in help, by the name the help engine knows it by.
constexpr char kHelpFile[] = "Kalvex.hlp";

constexpr char kAboutText[] =
    "Cindervale Weapon Editor\n"
    "Version " KALVEX_VERSION
    "\n\n"
    "Writes the weapons of Cindervale as weapon scripts (.tdf) and reads them back."
    "\n\n" KALVEX_COPYRIGHT "\n" KALVEX_LICENCE;

}  // namespace

void TMachines::New() {
  if (SettleUnsavedChanges()) StartNewWeapon();
}

void TMachines::Open() {
  if (!SettleUnsavedChanges()) return;
  // The name goes into FileData only once a weapon is taken from the file.
  const std::string proposed = FileData->FileName;
  if (TFileOpenDialog(this, *FileData).Execute() != IDOK) return;
  const std::string chosen = std::exchange(FileData->FileName, proposed);
  OpenFile(chosen);
}

void TMachines::OpenNamedFile(const std::string& path) {
  if (SettleUnsavedChanges()) OpenFile(path);
}

void TMachines::EvDropFiles(const std::vector<std::string>& paths) {
  // The window takes only weapon scripts; of several, the first is opened.
  if (!paths.empty()) OpenNamedFile(paths.front());
}

void TMachines::Save() { SaveScript(); }

void TMachines::Help() { WinHelpA(GetHandle(), kHelpFile, HELP_CONTENTS); }

void TMachines::CmAbout() { MessageBox(kAboutText, "About", MB_OK); }

bool TMachines::SettleUnsavedChanges() {
  if (!HasUnsavedChanges()) return true;
  switch (MessageBox("Do You Want To Save The Script?", kalvex::kWarningCaption, MB_YESNOCANCEL)) {
    case IDYES:
      return SaveScript();
    case IDNO:
      return true;
    default:
      return false;
  }
}

bool TMachines::HasUnsavedChanges() {
  if (save != 0) return false;
  if (Box == 1) kalvex::CollectPage(*this, kalvex::Pages()[indexx]);
  if (Weapon != keptWeapon_) return true;
  save = 1;
  return false;
}

bool TMachines::SaveScript() {
  // What the user sees is what is saved: the page stays up, its values go
  // into the weapon first.
  if (Box == 1) kalvex::CollectPage(*this, kalvex::Pages()[indexx]);
  if (TFileSaveDialog(this, *FileData).Execute() != IDOK) return false;
  const std::string path = FileData->FileName;
  std::optional<PlannedSave> planned = PlanSave(path);
  if (!planned || !WriteScriptFile(path, planned->text)) return false;
  // The weapon now stands in the file written, at its place there.
  document_ = kalvex::OpenScript(std::move(planned->text));
  documentPath_ = path;
  weaponIndex_ = planned->index;
  save = 1;
  keptWeapon_ = Weapon;
  return true;
}

void TMachines::StartNewWeapon() {
  save = 1;
  Weapon.Reset();
  keptWeapon_ = Weapon;
  document_ = {};
  documentPath_.clear();
  weaponIndex_ = 0;
  kalvex::BlankLabelLines(*this);
  kalvex::DestroyPageControls(*this);
  Box = 0;
  CmSimple();
}
