// A one-line text field.
//
// What the user may do to its text is common to both implementations: each
// change the user makes (a keystroke, a deletion, a paste) is put to
// TakesUserChange, and a paste first goes through PastedText; the
// implementation only hands the changes over and undoes the refused ones.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

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

  // Called after every change the user makes to the text; never for SetText.
  void SetUserChangeHandler(std::function<void()> handler);

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
  // Runs the user change handler; for the implementation, after a change taken.
  void UserChanged() const;

  // True while the program sets the text.
  bool programSetsText_ = false;

 private:
  // The implementation's own part: its edit widget or window procedure.
  class TImpl;

  bool Accepts(std::u16string_view changed) const;

  int textLen_;
  std::unique_ptr<TValidator> validator_;
  std::function<void()> userChanged_;
};
