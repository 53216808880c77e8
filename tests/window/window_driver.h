// Drives the editor's main window as a user does, whichever implementation of
// the windowing layer is under it. The window cases (*_cases.cpp) are written
// once against this interface; each implementation has a driver that makes
// the real platform's mouse and keyboard input (Qt Test events, Win32
// messages) and reads what the real controls show, never the layer's own
// objects, so that a wrongly made control fails the cases. Message boxes and
// dialogs are answered by the scripted user interface.
//
// Texts are single-byte characters, as the editor's texts are. Slots are
// named as the main window's members: "Enter" … "Enter5", "Check1",
// "ComboBox1" … "ComboBox6"; label lines "CurHelp", "HelpDesc" … "HelpDesc6".
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/kalvex.h"
#include "tests/window/recording_window.h"
#include "tests/window/scripted_user_interface.h"

namespace kalvex::test {

// Where a control stands in the main window's client area, and its size.
struct ControlPlace {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
  bool operator==(const ControlPlace&) const = default;
};

// A menu item as the menu bar shows it: its text, the keys shown beside it
// (as the main window's table writes them; empty for none) and whether it
// can be chosen.
struct ShownMenuItem {
  std::string text;
  std::string keys;
  bool enabled = true;
  bool operator==(const ShownMenuItem&) const = default;
};

// The two texts of a row of a two-column list.
using ListRow = std::pair<std::string, std::string>;

// A message box or the weapon-choosing dialog as the platform showed it,
// read back from the screen, in UTF-8.
struct ScreenDialog {
  std::string Caption;
  std::string Text;  // a box's message; the dialog's sentence above its list
  std::vector<std::vector<std::string>> Rows;  // the dialog's list, row by row, cell by cell
};

// The main window's frame as the desktop shows it.
struct FrameShown {
  int OuterW = 0;  // the whole frame, border, title bar and menu bar included
  int OuterH = 0;
  bool Sizable = false;  // the user can drag its border
  bool MinimizeBox = false;
  bool MaximizeBox = false;
  bool CloseBox = false;
  int IconW = 0;  // the frame's icon; 0 without one
  int IconH = 0;
};

// An item of the menu bar: the menu's and the item's texts as written, with
// their ampersands, the keys shown beside the item ("" for none), and
// whether it can be chosen.
struct MenuItemShown {
  std::string Menu;
  std::string Item;
  std::string Keys;
  bool Enabled = true;
  bool operator==(const MenuItemShown&) const = default;
};

// How a case closes the editor in a process of its own: as `How` says
// ("file-exit": File, Exit; "close-box": what the close box sends), with a
// changed weapon or none, the question answered `Answer` (IDYES …; 0: the
// box is closed) and `SaveAs` chosen in the save dialog (nothing cancels it).
struct CloseRequest {
  std::string How;
  bool Unsaved = false;
  int Answer = 0;
  std::optional<std::string> SaveAs = {};
};

struct ClosedProcess {
  int Status = -1;   // the exit status; -1 when it did not end
  std::string Told;  // "asked: TEXT|CAPTION|TYPE" per question, then "open" if the window stayed
};

class WindowDriver {
 public:
  virtual ~WindowDriver() = default;

  // Creates and shows the main window and makes it the active one; false
  // when it did not come up.
  virtual bool Start() = 0;
  // The main window object, for what the user cannot see (the save flag,
  // the weapon record, the events that reach its response table) and the
  // identifiers of its controls.
  virtual RecordingWindow& Window() = 0;
  // Answers the window's questions and dialogs; installed while the driver lives.
  virtual ScriptedUserInterface& Ui() = 0;

  // Chooses a menu item as a user does with the keyboard: the menu's and the
  // item's mnemonics, as written in the menu ("&File", "&New"). False when
  // the menu did not open.
  virtual bool ChooseMenuItem(std::string_view menu, std::string_view item) = 0;
  // Clicks the page's entry in the page list (scrolled into view first).
  virtual bool ClickPage(int page) = 0;
  // Clicks into the edit of the slot, removes all it holds as a user does
  // and types `text` key by key.
  virtual bool Type(std::string_view slot, std::string_view text) = 0;
  // The same, with `text` put on the clipboard and pasted with Ctrl+V
  // instead of typed.
  virtual bool Paste(std::string_view slot, std::string_view text) = 0;
  // Opens the slot's drop-down list with a click and clicks the entry at `position`.
  virtual bool Pick(std::string_view slot, int position) = 0;
  // Clicks the check box "Check1".
  virtual bool ClickCheckBox() = 0;
  // Presses keys in the control that has the keyboard focus: a command's
  // keys as the main window's table writes them ("Ctrl+S", "F1", "7",
  // "Ctrl+Shift+Z", "Ctrl+PgDown"), or "Enter", "Space", "Down", "Tab",
  // "Shift+Tab", "Delete".
  virtual bool PressKeys(std::string_view keys) = 0;
  // Clicks the row of the two-column list that the window shows (scrolled
  // into view first); false when there is no such list or row.
  virtual bool ClickListRow(int row) = 0;
  // Clicks the push button that shows this caption, as written ("&Set").
  virtual bool ClickButton(std::string_view caption) = 0;
  // Drops files (UTF-8 paths) onto the main window as a file manager does;
  // false when the window takes no dropped files at all.
  virtual bool DropFiles(const std::vector<std::string>& paths) = 0;

  // What the window shows; nothing where there is no such control.
  // The title, UTF-8.
  virtual std::string Title() const = 0;
  // The menu bar's item of command `id`.
  virtual std::optional<ShownMenuItem> MenuItem(int id) const = 0;
  // The rows of the two-column list that the window shows, in order, and
  // its selected row (-1: none).
  virtual std::optional<std::vector<ListRow>> ListRows() const = 0;
  virtual std::optional<int> ListRowSelection() const = 0;
  virtual std::optional<std::string> LineText(std::string_view line) const = 0;
  virtual std::optional<std::string> EditText(std::string_view slot) const = 0;
  // A drop-down list's entries in position order, and the selected position
  // (-1: none).
  virtual std::optional<std::vector<std::string>> ListEntries(std::string_view slot) const = 0;
  virtual std::optional<int> ListSelection(std::string_view slot) const = 0;
  // The check box's caption and whether it is checked.
  virtual std::optional<std::string> CheckBoxCaption() const = 0;
  virtual std::optional<bool> IsChecked() const = 0;
  // The page list's entries and its selected entry (-1: none).
  virtual std::optional<std::vector<std::string>> PageListEntries() const = 0;
  virtual std::optional<int> PageListSelection() const = 0;
  // Where the control of the slot stands, if it is shown. A closed
  // drop-down list has the platform's height, not the height given for it.
  virtual std::optional<ControlPlace> Place(std::string_view slot) const = 0;
  // How many edits, drop-down lists and check boxes the window shows.
  virtual int ShownPageControls() const = 0;

  // From now on every message box and weapon-choosing dialog that the window
  // asks for comes up on the screen as well, in the platform's own window,
  // as the user would see it: each is read back into ScreenDialogs() and
  // closed. The window still gets the scripted answer.
  virtual void ShowDialogsOnScreen() = 0;
  virtual const std::vector<ScreenDialog>& ScreenDialogs() const = 0;

  // Starts the editor in a process of its own with nothing unsaved, closes
  // it as `how` says ("file-exit": File, Exit; "close-box": what the close
  // box sends) and returns the process's exit status.
  virtual int CloseEditorInOwnProcess(std::string_view how) = 0;

  // The frame, its menu bar's menus and items in order, and the window's
  // other controls as the platform shows them.
  virtual FrameShown Frame() const = 0;
  virtual std::vector<MenuItemShown> MenuItems() const = 0;
  // Where any control of the window stands (the page list, the group box,
  // the label lines), and the text it shows (a group box: its title).
  virtual std::optional<ControlPlace> PlaceOf(const TWindow& control) const = 0;
  virtual std::optional<std::string> TextOf(const TWindow& control) const = 0;
  // The kind of control in the slot, as the platform made it: "edit",
  // "drop-down list" (the user picks, cannot type), "check box"; "" for any
  // other or none.
  virtual std::string KindOf(std::string_view slot) const = 0;
  // The text a closed drop-down list shows.
  virtual std::optional<std::string> ListText(std::string_view slot) const = 0;
  // The member name of the control with the keyboard focus: "ComboBox" for
  // the page list, a slot's name, "" for anything else.
  virtual std::string Focused() const = 0;

  // Clicks into the edit of the slot and presses End: the caret stands
  // after its text. PressKeys then types there; besides the keys above it
  // takes "Ctrl+A", "Ctrl+X", "Ctrl+V", "Ctrl+Z", "Backspace", "Home",
  // "End", "Up", "Keypad Enter" and single characters ("7").
  virtual bool ClickIntoEdit(std::string_view slot) = 0;
  // Puts `text` (single bytes, as the editor's texts) on the clipboard.
  virtual bool PutOnClipboard(std::string_view text) = 0;
  // Clicks the frame's close box.
  virtual bool ClickCloseBox() = 0;

  // Runs the window cases' own program as the close probe (RunCloseProbe)
  // with the request's arguments, and returns how it ended and what it told.
  virtual ClosedProcess CloseInOwnProcess(const CloseRequest& request) = 0;
};

// The driver of the implementation under test, with a window not yet shown.
std::unique_ptr<WindowDriver> MakeWindowDriver();

}  // namespace kalvex::test
