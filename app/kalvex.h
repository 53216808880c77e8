// The editor's main window: the weapon being edited, the fixed help area, the
// page list and the page area, the file dialog data, and the commands.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/edit_history.h"
#include "app/entry_changes.h"
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
  // Edit, Undo / Redo: the last change of the weapons undone, or the last
  // one undone done again, on the weapon and page where it was made; a
  // change being typed in an edit is counted first.
  void Undo();
  void Redo();
  // Help, Contents / About.
  void Help();
  void CmAbout();
  // Weapon, Next Weapon / Previous Weapon / Choose Weapon...: another weapon
  // of the open script takes the window, the page that is up stays up.
  void NextWeapon();
  void PreviousWeapon();
  void ChooseWeapon();
  // Weapon, New Weapon In This File / Duplicate Weapon / Delete Weapon: the
  // open script gains a weapon of reset values at its end or a copy of the
  // weapon shown after it, both then shown on page 0, or loses the weapon
  // shown, after asking; saved with the script.
  void NewWeaponInFile();
  void DuplicateWeapon();
  void DeleteWeapon();
  // The page of other entries: a row chosen fills the key and value edits;
  // Set gives the key's entry the value typed, or adds it, after checking
  // both; Remove (Delete in the list) removes the selected row's entry. The
  // weapon keeps its entry changes until the script is saved.
  void EvEntrySelected();
  void SetOtherEntry();
  void RemoveOtherEntry();
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
  static const std::array<TResponseTableEntry<TMachines>, 19> Entries;

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
  // Whether any weapon of the script, with the page that is up, differs from
  // what was last opened, saved or reset. A value changed and changed back
  // is no change.
  bool HasUnsavedChanges();
  // Whether any weapon, with the page that is up, differs from what was last
  // opened, saved or reset; the save flag stays as it is.
  bool AnyWeaponEdited();
  // Shows in the title the file, the weapon and its place in the script,
  // with "*" while anything is unsaved.
  void ShowTitle();
  // How many weapons the open script holds; 1 for a weapon of File, New.
  std::size_t WeaponCount() const;
  // The weapon at `index` of the open script takes the window, with the
  // edits it had when it was last shown; the page that is up is collected
  // first and then shows the weapon's values.
  void ShowWeapon(std::size_t index);
  // The weapon at `index` takes the window, set aside or as the script
  // holds it; the page that is up shows its values, or page 0 with
  // `firstPage`.
  void TakeWeapon(std::size_t index, bool firstPage);
  // The open script becomes `document`: one weapon more at `at` (`added`),
  // the places from `at` on one further, or the one at `at` less.
  void TakeWeaponsOf(kalvex::ScriptDocument document, std::size_t at, bool added);
  // Tells why the script's weapons could not be changed as `what` says.
  void TellRefusal(std::string_view what, const std::string& refusal);
  // Each weapon set aside, as the window held it, and as it was last opened
  // or saved.
  using HeldWeapon = kalvex::HeldWeapon;
  // Sets the weapon shown aside, with its edits, in heldWeapons_.
  void HoldShownWeapon();
  // The shown weapon's text alone (the writer's for a weapon of File, New)
  // with its entry changes made; refused as SetEntry refuses.
  kalvex::SavedText ShownEntryText() const;
  // The rows of the page of other entries for the weapon shown.
  std::vector<kalvex::EntryRow> ShownEntryRows() const;
  // Makes `change` to the weapon shown and shows the page's rows anew, the
  // entry of its key selected where one stands; false, after saying why,
  // where the script would not hold it.
  bool ChangeOtherEntry(kalvex::EntryChange change);
  // The script of a weapon of File, New: the writer's, with its entry
  // changes; nothing, after saying why, when they cannot be made.
  std::optional<std::string> NewWeaponScript();
  // Counts the change made on the page that is up since the last one
  // counted, if there is one, in the edit history.
  void CountChange();
  // The script and its weapons as the window holds them now.
  kalvex::ScriptSnapshot Snapshot() const;
  // Counts the weapon command `name`, which turned `before` into what the
  // window holds now.
  void CountWeaponCommand(std::string name, kalvex::ScriptSnapshot before);
  // The window holds the script and weapons of `snapshot`, on its page.
  void TakeSnapshot(const kalvex::ScriptSnapshot& snapshot);
  // Counts a change of the shown weapon's other entries, which were
  // `before`, in the edit history.
  void CountEntryChange(std::vector<kalvex::EntryChange> before);
  // The weapon at `index` takes the window as `weapon` holds it, on `page`.
  void TakeChangedWeapon(std::size_t index, const kalvex::ChangedWeapon& weapon, int page);
  // Builds `page` anew from the weapon (none for -1), nothing collected.
  void ShowPageOfChange(int page);
  // Shows in the Edit menu what Undo and Redo would undo and redo.
  void ShowEditMenu();
  // A fresh weapon: reset values, no page up, the page list re-created.
  void StartNewWeapon();
  // Builds the page that is up again from the weapon, without collecting it,
  // where it shows a list or check box whose value differs from `before`.
  void ShowListsAgain(const kalvex::WeaponRecord& before);

  // Opens the weapon script at `path`: of a script of several weapons, the
  // one the user chooses (cancelled: nothing changes). A fresh weapon takes
  // its values; what could not be read, or is malformed, is told.
  void OpenFile(const std::string& path);
  // Which weapon of `document` the user wants to edit, the chooser coming up
  // with its titles and the weapon at `highlighted` highlighted.
  std::optional<std::size_t> ChooseWeaponOf(const kalvex::ScriptDocument& document,
                                            std::string_view caption, std::size_t highlighted);
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
    bool merged = false;  // the file's own changes since are in `text` too
  };
  std::optional<PlannedSave> PlanSave(const std::string& path);
  // The file `onDisk` at `path`, changed by another program since it was
  // opened or saved, with the changes of `edited`, the opened script with its
  // weapons' edits, merged in; what both changed is listed first, to be saved
  // as the user has it or not at all. Nothing when the user cancels or the
  // changes cannot be made.
  std::optional<PlannedSave> MergedSave(const kalvex::ScriptDocument& onDisk,
                                        const std::string& edited, const std::string& path);
  // The text of the opened script with the edits of all its weapons, each
  // weapon's untouched bytes kept; nothing, after saying why and naming the
  // weapon, when they cannot be made.
  std::optional<std::string> EditedScript();
  // The script `onDisk`, read from `path`, with this weapon added at its
  // end, with its edits: a weapon of the opened script as it stands there,
  // a weapon of File, New as the writer writes it. Nothing, after saying
  // why, when it cannot be added.
  std::optional<PlannedSave> AddedScript(const kalvex::ScriptDocument& onDisk,
                                         const std::string& path);
  // Writes `text` as the whole file at `path`; shows the reason and returns
  // false when the file was not written.
  bool WriteScriptFile(const std::string& path, const std::string& text);

  int save = 1;  // 1: the weapon has no unsaved changes; 0: it may have
  kalvex::WeaponRecord Weapon;
  kalvex::WeaponRecord keptWeapon_;  // as last opened, saved or reset
  // The script the weapon came from, with the weapons added and deleted
  // since it was last opened or saved, the file it
  // stands in (empty for a weapon of File, New) and the weapon's place in it.
  kalvex::ScriptDocument document_;
  std::string savedText_;  // the text of the file as last opened or saved
  std::string documentPath_;
  std::size_t weaponIndex_ = 0;
  std::vector<kalvex::EntryChange> entryChanges_;  // of the weapon shown
  // The other weapons of the script that the window has shown, by place.
  std::map<std::size_t, HeldWeapon> heldWeapons_;
  // The weapon whose findings File, Open told, saved even without edits so
  // that what it said saving writes anew is written; kNoPlace for none.
  std::size_t toldWeapon_ = kalvex::kNoPlace;
  const std::string editorName_;  // the title before any weapon

  TGroupBox* GroupBox = nullptr;  // the frame of the help area
  TListBox* ComboBox = nullptr;   // the page list
  kalvex::PageArea page_;         // the page that is up and the label lines
  // The changes of the weapons, and the weapon shown as last counted there.
  kalvex::EditHistory history_;
  kalvex::WeaponRecord counted_;
  const kalvex::PageEditor pages_{*this,
                                  page_,
                                  Weapon,
                                  [this] {
                                    save = 0;
                                    ShowTitle();
                                    ShowEditMenu();
                                  },
                                  [this] { return ShownEntryRows(); },
                                  [this] { SetOtherEntry(); },
                                  [this] { CountChange(); }};
  std::unique_ptr<TOpenSaveDialog::TData> FileData;  // shared by File, Open and File, Save
};
