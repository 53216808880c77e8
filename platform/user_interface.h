// Everything that asks the user and waits for an answer goes through one
// interface: message boxes, the file dialogs, the weapon-choosing dialog, the
// help and the signal that refuses a keystroke. Each implementation of the
// layer has its own (Qt's boxes and dialogs, Windows' own); a test installs
// one that answers from a script and counts what was asked.
//
// All its texts and file names are UTF-8 (see platform/platform.h).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/weapon_dialog.h"
#include "platform/window.h"

// One entry of a file dialog's type list: "Weapon Files (*.TDF)" on "*.tdf".
struct TFileFilter {
  std::string Caption;
  std::vector<std::string> Patterns;
  bool operator==(const TFileFilter&) const = default;
};

struct TFileRequest {
  std::string FileName;  // proposed name, may be empty
  std::string Folder;    // where the dialog opens when FileName names none; empty: the current one
  std::vector<TFileFilter> Filters;
  bool MustExist = false;
};

class TUserInterface {
 public:
  virtual ~TUserInterface() = default;

  // Shows a modal box owned by `owner` and centred on it; returns the button
  // pressed (IDOK, IDCANCEL, IDYES, IDNO). `type` gives the buttons
  // (MB_OK, MB_YESNO, MB_YESNOCANCEL), the icon (MB_ICONEXCLAMATION) and the
  // default button (MB_DEFBUTTON1 to MB_DEFBUTTON3, counted left to right).
  // Closing a box counts as Cancel where it has one, as No in a box of Yes
  // and No, and as OK in a box of OK alone.
  virtual int MessageBox(THandle owner, const std::string& text, const std::string& caption,
                         unsigned type) = 0;
  // The same with buttons of their own: `labels` left to right (an ampersand
  // marks a mnemonic letter), `defaultButton` the index of the one that Enter
  // presses; only the icon bits of `type` count. Returns the index of the
  // button pressed; closing the box gives the index of the last button.
  // TWindow::MessageBox makes sure that there is at least one label and that
  // `defaultButton` is one of them.
  virtual int LabelledMessageBox(THandle owner, const std::string& text, const std::string& caption,
                                 unsigned type, const std::vector<std::string>& labels,
                                 int defaultButton) = 0;

  // The chosen file's path, or nothing when the user cancelled.
  virtual std::optional<std::string> ChooseFileToOpen(THandle owner,
                                                      const TFileRequest& request) = 0;
  virtual std::optional<std::string> ChooseFileToSave(THandle owner,
                                                      const TFileRequest& request) = 0;

  // Shows the list of weapons of `choice` with its row `Highlighted`
  // highlighted and scrolled into view, below a filter box that shows only
  // the rows it matches (platform/weapon_filter.h) as the user types; Down
  // and Up there move the highlight. Enter, a double click or OK take the
  // highlighted row; with no row shown there is none to take. The index of
  // the row taken in `choice.Rows`, or nothing when the user cancelled.
  virtual std::optional<std::size_t> ChooseWeapon(THandle owner, const TWeaponChoice& choice) = 0;

  // Opens the program's built-in help named `helpFile` ("Kalvex.hlp") as
  // `command` asks (HELP_CONTENTS: at its contents), in a window of its own
  // beside `owner`. A help the program does not have is told in a message.
  virtual void ShowHelp(THandle owner, const std::string& helpFile, unsigned command) = 0;

  // The platform's usual signal that a keystroke or a paste was refused (a beep).
  virtual void Beep() = 0;
};

// The interface in use: the installed one, else the implementation's own
// (a TPlatformUserInterface).
TUserInterface& UserInterface();

// Installs `ui` (not owned; nullptr goes back to the implementation's own)
// and returns the one installed before.
TUserInterface* SetUserInterface(TUserInterface* ui);

// The implementation's own interface, which shows real boxes and dialogs;
// each implementation of the layer defines its members.
class TPlatformUserInterface : public TUserInterface {
 public:
  int MessageBox(THandle owner, const std::string& text, const std::string& caption,
                 unsigned type) override;
  int LabelledMessageBox(THandle owner, const std::string& text, const std::string& caption,
                         unsigned type, const std::vector<std::string>& labels,
                         int defaultButton) override;
  std::optional<std::string> ChooseFileToOpen(THandle owner, const TFileRequest& request) override;
  std::optional<std::string> ChooseFileToSave(THandle owner, const TFileRequest& request) override;
  std::optional<std::size_t> ChooseWeapon(THandle owner, const TWeaponChoice& choice) override;
  void ShowHelp(THandle owner, const std::string& helpFile, unsigned command) override;
  void Beep() override;
};
