// Everything that asks the user and waits for an answer goes through one
// interface: message boxes, the file dialogs and the help window. The program
// uses the Qt implementation; a test installs its own that answers from a script.
#pragma once

#include <optional>
#include <string>
#include <vector>

class QWidget;

// One entry of a file dialog's type list: "Weapon Files (*.TDF)" on "*.tdf".
struct TFileFilter {
  std::string Caption;
  std::vector<std::string> Patterns;
  bool operator==(const TFileFilter&) const = default;
};

struct TFileRequest {
  std::string FileName;  // proposed name, may be empty
  std::vector<TFileFilter> Filters;
  bool MustExist = false;
};

class TUserInterface {
 public:
  virtual ~TUserInterface() = default;

  // Shows a modal box owned by `owner`; returns the button pressed (IDOK,
  // IDCANCEL, IDYES, IDNO). Closing a box with a Cancel button counts as Cancel.
  virtual int MessageBox(QWidget* owner, const std::string& text, const std::string& caption,
                         unsigned type) = 0;

  // The chosen file's path, or nothing when the user cancelled.
  virtual std::optional<std::string> ChooseFileToOpen(QWidget* owner,
                                                      const TFileRequest& request) = 0;
  virtual std::optional<std::string> ChooseFileToSave(QWidget* owner,
                                                      const TFileRequest& request) = 0;

  // Opens the help file `helpFile` as `command` asks (HELP_CONTENTS).
  virtual void ShowHelp(QWidget* owner, const std::string& helpFile, unsigned command) = 0;
};

// The interface in use: the installed one, else the Qt implementation.
TUserInterface& UserInterface();

// Installs `ui` (not owned; nullptr goes back to the Qt implementation) and
// returns the one installed before.
TUserInterface* SetUserInterface(TUserInterface* ui);
