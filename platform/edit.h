// A one-line text field.
//
// What the user may do to its text is common to both implementations: each
// change the user makes (a keystroke, a deletion, a paste) is put to
// TakesUserChange, and a paste first goes through PastedText; the
// implementation only hands the changes over and undoes the refused ones.
//
// The edit undoes and redoes the user's own changes: those made since the
// keyboard focus last came to it from another control of the window.
// Ctrl+Z undoes the last, Ctrl+Y and Ctrl+Shift+Z redo the last undone;
// while the edit has such a change to undo (for Ctrl+Z) or to redo (for the
// others), it takes the key itself, otherwise the key goes to the window's
// accelerators as any other. A text that the program sets ends them.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/validators.h"
#include "platform/window.h"

class TEdit : public TWindow {
 public:
  // The user can type at most textLen - 1 characters (textLen 0: no limit).
  // A text that the program sets is always shown whole.
  TEdit(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h, int textLen);
  ~TEdit() override;

  // The edit owns its one validator; a second call replaces the first.
  void SetValidator(std::unique_ptr<TValidator> validator);

  // The text shown, kept after the window is destroyed.
  std::string GetText() const { return Title; }
  void SetText(std::string_view text);
  void Clear();

  // Called after every change the user makes to the text, an undo or a redo
  // among them; never for SetText.
  void SetUserChangeHandler(std::function<void()> handler);
  // Called when the user presses Enter in the edit; without a handler Enter
  // does nothing there.
  void SetEnterHandler(std::function<void()> handler);
  // Called when the keyboard focus goes from the edit to another control of
  // the window; not when a menu opens, a box shows or another window is
  // activated. The user's own changes end then.
  void SetFocusLostHandler(std::function<void()> handler);

  // Whether the user has a change of the text to undo, or an undone one to redo.
  bool CanUndo() const { return !undoTexts_.empty(); }
  bool CanRedo() const { return !redoTexts_.empty(); }

 protected:
  THandle MakeWindow(THandle container) override;
  void SetupWindow() override;

  // Whether the user may turn the text shown into `changed` (UTF-16, as the
  // platform's edit holds it). A refused change gives the platform's signal
  // (TUserInterface::Beep). Changes the program makes are always taken.
  bool TakesUserChange(std::u16string_view changed) const;
  // What a paste of `clipboard` inserts: the text without the blanks and
  // line ends at its ends. The paste is then one change, taken whole or not at all.
  static std::u16string_view PastedText(std::u16string_view clipboard);
  // For the implementation: the user changed the text shown to `text`, a
  // change taken. Keeps the text before for undoing and runs the handler.
  void TookUserChange(std::string text);
  // For the implementation: the focus went to another control of the window.
  void LostFocus();
  // For the implementation: the user pressed Enter in the edit.
  void PressedEnter();

  enum class TUndoKey { None, Undo, Redo };
  // What a key (`key`: a capital letter, or any other character) pressed
  // with those modifiers is to the edit: Ctrl+Z undoes, Ctrl+Y and
  // Ctrl+Shift+Z redo.
  static TUndoKey UndoKeyOf(char key, bool control, bool shift, bool alt);
  // Whether the edit takes the key itself: it has a change to undo or redo.
  bool TakesKey(TUndoKey key) const;
  // Undoes or redoes as the key says, when the edit takes it.
  void PressKey(TUndoKey key);

  // True while the program sets the text.
  bool programSetsText_ = false;

 private:
  // The implementation's own part: its edit widget or window procedure.
  class TImpl;

  bool Accepts(std::u16string_view changed) const;
  void UserChanged() const;
  // Shows `text` as a text the program sets, the caret after it; the
  // implementation's.
  void ShowText(std::string_view text);
  // Shows the last text of `from`, keeping the one shown in `to`.
  void MoveBack(std::vector<std::string>& from, std::vector<std::string>& to);

  int textLen_;
  std::unique_ptr<TValidator> validator_;
  std::function<void()> userChanged_;
  std::function<void()> enterPressed_;
  std::function<void()> focusLost_;
  // The texts before the user's changes, and after those undone, latest last.
  std::vector<std::string> undoTexts_;
  std::vector<std::string> redoTexts_;
};
