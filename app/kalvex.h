// The editor's main window: the weapon being edited, the fixed help area, the
// page list and the page area, the file dialog data, and the commands.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "pages/page_editor.h"
#include "platform/platform.h"
#include "record/weapon_record.h"
#include "script/script_document.h"

class TMachines : public TFrameWindow {
 public:
  explicit TMachines(const char* title);

  // File, New / Open / Save / Exit.
  void New();
  void Open();
  void Save();
  void Close();
  // Asked before every close; when the window may close, the process ends
  // inside the call with exit status 1.
  bool CanClose() override;
  // Help, Contents / About.
  void Help();
  void CmAbout();
  // Opens the script at `path` as File, Open does with that file chosen:
  // the question about unsaved changes first. For a file named at start-up
  // and a file dropped onto the window.
  void OpenNamedFile(const std::string& path);
  // Weapon scripts dropped onto the window: the first is opened.
  void EvDropFiles(const std::vector<std::string>& paths) override;
  // Re-creates the page list.
  void CmSimple();
  // The page switch, run on every selection change of a list with
  // ID_SIMPLE_COMBOBOX.
  void EvCBNSelChange();

  bool Find(TEventInfo& info) override;

  // Which command or notification runs which handler, in search order.
  static const std::array<TResponseTableEntry<TMachines>, 7> Entries;

  // For the tests and tools that look in: what the user does not see, and
  // the controls that the window holds.
  kalvex::WeaponRecord& EditedWeapon() { return Weapon; }
  int& SaveFlag() { return save; }
  const kalvex::PageArea& Page() const { return page_; }
  TListBox* PageList() const { return ComboBox; }
  const TGroupBox* HelpFrame() const { return GroupBox; }
  const TOpenSaveDialog::TData& FileDialogData() const { return *FileData; }

 private:
  // Asks whether to save unsaved changes; true when the command may go on
  // (nothing changed, No, or Yes and the script was written).
  bool SettleUnsavedChanges();
  // Whether the weapon, with the page that is up, differs from the one last
  // opened, saved or reset. A value changed and changed back is no change.
  bool HasUnsavedChanges();
  // A fresh weapon: reset values, no page up, the page list re-created.
  void StartNewWeapon();
  // Builds the page that is up again from the weapon, without collecting it,
  // where it shows a list or check box whose value differs from `before`.
  void ShowListsAgain(const kalvex::WeaponRecord& before);

  // Opens the weapon script at `path`: of a script of several weapons, the
  // one the user chooses (cancelled: nothing changes). A fresh weapon takes
  // its values; what could not be read, or is malformed, is told.
  void OpenFile(const std::string& path);
  // Which weapon of `document`, opened from `path`, the user wants to edit.
  std::optional<std::size_t> ChooseWeaponOf(const kalvex::ScriptDocument& document);
  // After a file could not be read: the dialogs propose its folder and no name.
  void ForgetUnreadFile(const std::string& path);

  // Stores the page that is up, asks for a file name and writes the script;
  // true when it was written.
  bool SaveScript();
  // What saving the weapon to `path` writes, and the weapon's place in it,
  // after the questions that replacing a file asks; nothing when the user
  // declined or the weapon cannot be saved there.
  struct PlannedSave {
    std::string text;
    std::size_t index = 0;
  };
  std::optional<PlannedSave> PlanSave(const std::string& path);
  // The text of the opened script with this weapon's edits; nothing, after
  // saying why, when they cannot be made.
  std::optional<std::string> EditedScript();
  // The script `onDisk`, read from `path`, with this weapon of the opened
  // script added at its end as it stands there, with its edits; nothing,
  // after saying why, when it cannot be added.
  std::optional<PlannedSave> AddedScript(const kalvex::ScriptDocument& onDisk,
                                         const std::string& path);
  // Writes `text` as the whole file at `path`; shows the reason and returns
  // false when the file was not written.
  bool WriteScriptFile(const std::string& path, const std::string& text);

  int save = 1;  // 1: the weapon has no unsaved changes; 0: it may have
  kalvex::WeaponRecord Weapon;
  kalvex::WeaponRecord keptWeapon_;  // as last opened, saved or reset
  // The script the weapon came from, as last opened or saved, the file it
  // stands in (empty for a weapon of File, New) and the weapon's place in it.
  kalvex::ScriptDocument document_;
  std::string documentPath_;
  std::size_t weaponIndex_ = 0;

  TGroupBox* GroupBox = nullptr;  // the frame of the help area
  TListBox* ComboBox = nullptr;   // the page list
  kalvex::PageArea page_;         // the page that is up and the label lines
  const kalvex::PageEditor pages_{*this, page_, Weapon, [this] { save = 0; }};
  std::unique_ptr<TOpenSaveDialog::TData> FileData;  // shared by File, Open and File, Save
};
