#include <algorithm>
#include <cstdlib>
#include <span>
#include <string>
#include <utility>

#include "app/file_messages.h"
#include "app/kalvex.h"
#include "app/kalvex2.h"
#include "pages/page_table.h"

namespace {

// The usual keys of a desktop editor for the File and Help commands.
constexpr TAccelerator kAccelerators[] = {
    {"Ctrl+N", CM_FILENEW},
    {"Ctrl+O", CM_FILEOPEN},
    {"Ctrl+S", CM_FILESAVE},
    {"Ctrl+Q", CM_FILEEXIT},
    {"F1", CM_HELPCONTENTS},
    // An edit that has typing of its own to undo or redo takes these itself.
    {"Ctrl+Z", CM_EDITUNDO},
    {"Ctrl+Y", CM_EDITREDO},
    {"Ctrl+Shift+Z", CM_EDITREDO},
    // The keys that go from tab to tab elsewhere go from weapon to weapon.
    {"Ctrl+PgDown", CM_WEAPONNEXT},
    {"Ctrl+PgUp", CM_WEAPONPREVIOUS},
    {"Ctrl+G", CM_WEAPONCHOOSE},
    {"Ctrl+D", CM_WEAPONDUPLICATE},
};

// The editor's built-in help, by the name the help engine knows it by.
constexpr char kHelpFile[] = "Kalvex.hlp";

constexpr char kAboutText[] =
    "Cindervale Weapon Editor\n"
    "Version " KALVEX_VERSION
    "\n\n"
    "Writes the weapons of Cindervale as weapon scripts (.tdf) and reads them back."
    "\n\n" KALVEX_COPYRIGHT "\n" KALVEX_LICENCE;

}  // namespace

const std::array<TResponseTableEntry<TMachines>, 19> TMachines::Entries = {
    EvChildNotify(ID_SIMPLE_COMBOBOX, CBN_SELCHANGE, &TMachines::EvCBNSelChange),
    EvCommand(CM_HELPABOUT, &TMachines::CmAbout),
    EvCommand(CM_FILENEW, &TMachines::New),
    EvCommand(CM_HELPCONTENTS, &TMachines::Help),
    EvCommand(CM_FILEEXIT, &TMachines::Close),
    EvCommand(CM_FILESAVE, &TMachines::Save),
    EvCommand(CM_FILEOPEN, &TMachines::Open),
    EvCommand(CM_EDITUNDO, &TMachines::Undo),
    EvCommand(CM_EDITREDO, &TMachines::Redo),
    EvCommand(CM_WEAPONNEXT, &TMachines::NextWeapon),
    EvCommand(CM_WEAPONPREVIOUS, &TMachines::PreviousWeapon),
    EvCommand(CM_WEAPONCHOOSE, &TMachines::ChooseWeapon),
    EvCommand(CM_WEAPONNEW, &TMachines::NewWeaponInFile),
    EvCommand(CM_WEAPONDUPLICATE, &TMachines::DuplicateWeapon),
    EvCommand(CM_WEAPONDELETE, &TMachines::DeleteWeapon),
    EvChildNotify(ID_ENTRY_LIST, TLN_SELCHANGE, &TMachines::EvEntrySelected),
    EvChildNotify(ID_ENTRY_LIST, TLN_DELETEKEY, &TMachines::RemoveOtherEntry),
    EvChildNotify(ID_ENTRY_SET, BN_CLICKED, &TMachines::SetOtherEntry),
    EvChildNotify(ID_ENTRY_REMOVE, BN_CLICKED, &TMachines::RemoveOtherEntry),
};

TMachines::TMachines(const char* title) : TFrameWindow(nullptr, title), editorName_(title) {
  AssignMenu("Menu");
  AssignAccelerators(kAccelerators);
  ShowEditMenu();
  DragAcceptFiles("tdf");
  SetIcon(GetModule(), 2);
  Attr.W = 640;
  Attr.H = 480;
  Attr.Style &= ~(WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);

  GroupBox = new TGroupBox(this, ID_GROUPBOX, "Item Help", 180, 30, 400, 100);
  page_.CurHelp = new TStatic(this, ID_NONE, " ", 200, 50, 340, 18);
  page_.HelpDesc = new TStatic(this, ID_NONE, " ", 30, 230, 340, 18);
  page_.HelpDesc2 = new TStatic(this, ID_NONE, " ", 30, 300, 340, 18);
  page_.HelpDesc3 = new TStatic(this, ID_NONE, " ", 30, 370, 340, 18);
  page_.HelpDesc4 = new TStatic(this, ID_NONE, " ", 300, 230, 340, 18);
  page_.HelpDesc5 = new TStatic(this, ID_NONE, " ", 300, 300, 340, 18);
  page_.HelpDesc6 = new TStatic(this, ID_NONE, " ", 300, 370, 340, 18);

  FileData = std::make_unique<TOpenSaveDialog::TData>(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                                                      "Weapon Files (*.TDF)|*.tdf|", "TDF");
}

bool TMachines::Find(TEventInfo& info) {
  return SearchEntries<TMachines>(*this, Entries, info) || TFrameWindow::Find(info);
}

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

void TMachines::Close() { CanClose(); }

bool TMachines::CanClose() {
  // The window stays open when the user cancels, or when the script could not
  // be saved: nothing unsaved is ever lost by closing.
  if (!SettleUnsavedChanges()) return false;
  std::_Exit(1);
}

void TMachines::Help() { WinHelpA(GetHandle(), kHelpFile, HELP_CONTENTS); }

void TMachines::CmAbout() { MessageBox(kAboutText, "About", MB_OK); }

void TMachines::CmSimple() {
  if (ComboBox) {
    ComboBox->Destroy();
    delete ComboBox;
  }
  ComboBox = new TListBox(this, ID_SIMPLE_COMBOBOX, 10, 30, 160, 150);
  ComboBox->Create();
  ComboBox->SetFocus();
  for (int page = 0; page < kalvex::kPageCount; ++page) {
    ComboBox->InsertString(kalvex::Pages()[page].listEntry, page);
  }
  ComboBox->InsertString(kalvex::kOtherEntriesEntry, kalvex::kOtherEntriesPage);
  ComboBox->SetSelIndex(0);
}

void TMachines::EvCBNSelChange() {
  // A page left, or a choice in one of its lists.
  CountChange();
  save = 0;
  kalvex::SwitchPage(pages_, ComboBox ? ComboBox->GetSelIndex() : -1);
  ShowTitle();
}

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
  if (AnyWeaponEdited()) return true;
  save = 1;
  return false;
}

bool TMachines::AnyWeaponEdited() {
  kalvex::CollectShownPage(pages_);
  if (Weapon != keptWeapon_ || !entryChanges_.empty()) return true;
  for (const auto& [index, held] : heldWeapons_) {
    if (held.edited != held.kept || !held.entries.empty()) return true;
  }
  // Weapons added or deleted.
  return document_.text != savedText_;
}

void TMachines::ShowListsAgain(const kalvex::WeaponRecord& before) {
  if (page_.Box != 1 || page_.indexx == kalvex::kOtherEntriesPage) return;
  const int shown = page_.indexx;
  const auto changed = [&](const kalvex::PageControl& c) {
    return c.member.number != nullptr && kalvex::ValueDiffers(c, before, Weapon);
  };
  const std::span<const kalvex::PageControl> controls = kalvex::Pages()[shown].controls;
  if (std::none_of(controls.begin(), controls.end(), changed)) return;
  kalvex::ShowPageAgain(pages_);
}

void TMachines::StartNewWeapon() {
  save = 1;
  Weapon.Reset();
  keptWeapon_ = Weapon;
  document_ = {};
  savedText_.clear();
  documentPath_.clear();
  weaponIndex_ = 0;
  heldWeapons_.clear();
  entryChanges_.clear();
  toldWeapon_ = kalvex::kNoPlace;
  kalvex::TakeDownPage(page_);
  counted_ = Weapon;
  history_.Clear();
  CmSimple();
  ShowTitle();
  ShowEditMenu();
}
