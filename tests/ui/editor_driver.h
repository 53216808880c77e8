// Drives the editor's main window as a user does: the File and Help menus,
// clicks on the page list, typing into the edits of a page, picking entries
// of its drop-down lists and clicking its check box. Message boxes and file
// dialogs are answered by a scripted user interface.
#pragma once

#include <QPoint>
#include <QString>
#include <memory>
#include <string>
#include <string_view>

#include "app/kalvex.h"
#include "tests/window/recording_window.h"
#include "tests/window/scripted_user_interface.h"
#include "tests/window/window_slots.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QMainWindow;
class QWidget;

namespace kalvex::test {

// The main window, counting the selection changes that reach the page switch.
class EditorWindow : public RecordingWindow {
 public:
  bool Find(TEventInfo& info) override;

  int PageSwitches = 0;
};

class EditorDriver {
 public:
  // Installs the scripted user interface and makes the window (not yet shown).
  EditorDriver();

  // Creates, shows and activates the window; false when it did not become active.
  bool Start();

  EditorWindow& Window() { return *window_; }
  ScriptedUserInterface& Ui() { return *ui_; }
  QMainWindow* Frame() const;

  // Menu commands, chosen with their mnemonics; false when the menu did not open.
  bool FileNew();
  bool FileOpen();
  bool FileSave();
  bool HelpContents();
  bool HelpAbout();

  // The page list; nullptr before the first File, New.
  QListWidget* PageList() const;
  // Scrolls the page's entry into view and clicks it.
  bool ClickPage(int page);
  // A key press in the page list.
  bool PressInPageList(int key);

  // The control in a slot ("Enter" ... "Enter5", "Check1", "ComboBox1" ...
  // "ComboBox6"), or nullptr when the slot is empty.
  const TWindow* SlotControl(std::string_view slot) const;
  // The live widget of a control slot, or nullptr when the slot is empty.
  QWidget* Control(std::string_view slot) const;
  QLineEdit* Edit(std::string_view slot) const;
  QComboBox* DropDown(std::string_view slot) const;
  QCheckBox* CheckBox() const;
  // The text shown by "CurHelp" or one of "HelpDesc" ... "HelpDesc6".
  QString LineText(std::string_view line) const;
  // Where a widget stands in the main window's client area.
  QPoint ClientPosition(const QWidget* widget) const;

  // Clicks into the edit, selects all it holds, deletes it and types `text`.
  bool Type(std::string_view slot, const QString& text);
  // The same, with `text` pasted from the clipboard instead of typed.
  bool Paste(std::string_view slot, const QString& text);
  // Opens the drop-down list with a click and clicks the entry at `position`.
  bool Pick(std::string_view slot, int position);
  // A key press on the closed drop-down list.
  bool PressInDropDown(std::string_view slot, int key);
  bool ClickCheckBox();

  // File, New, answering No should the editor ask about unsaved changes.
  bool StartFreshWeapon();

 private:
  std::unique_ptr<ScriptedUserInterface> ui_;
  std::unique_ptr<EditorWindow> window_;  // goes before the interface it uses
};

// A started editor after File, New; nullptr when the window did not come up.
std::unique_ptr<EditorDriver> StartEditorWithNewWeapon();

// A member of the weapon record by its name ("Weapcode", "Weaptur").
std::string& TextMember(WeaponRecord& record, std::string_view member);
int& NumberMember(WeaponRecord& record, std::string_view member);

}  // namespace kalvex::test
