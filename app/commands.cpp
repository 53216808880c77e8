#include <filesystem>
#include <string>

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
  if (TFileOpenDialog(this, *FileData).Execute() != IDOK) return;
  StartNewWeapon();
  OpenFile();
}

void TMachines::OpenNamedFile(const std::string& path) {
  if (!SettleUnsavedChanges()) return;
  FileData->FileName = path;
  StartNewWeapon();
  OpenFile();
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
  switch (MessageBox("Do You Want To Save The Script?", "Warning...", MB_YESNOCANCEL)) {
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
  if (!ConfirmReplace(FileData->FileName) || !SaveFile()) return false;
  save = 1;
  keptWeapon_ = Weapon;
  return true;
}

void TMachines::StartNewWeapon() {
  save = 1;
  Weapon.Reset();
  keptWeapon_ = Weapon;
  kalvex::BlankLabelLines(*this);
  kalvex::DestroyPageControls(*this);
  Box = 0;
  CmSimple();
}
