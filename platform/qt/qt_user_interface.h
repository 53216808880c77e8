// The user interface of the running program: Qt's message boxes and dialogs,
// its help window and its beep.
#pragma once

#include <QFileDialog>

#include "platform/user_interface.h"

class QtUserInterface : public TUserInterface {
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

// Sets `dialog` up for `request`: Qt's own dialog (never the desktop's, so the
// behaviour is the same everywhere; it matches the filters' patterns in either
// case, so ".tdf" and ".TDF" files both show although names are case-sensitive
// here), the filters, the proposed name; a save dialog takes new names and
// replaces files without asking.
void ConfigureFileDialog(QFileDialog& dialog, const TFileRequest& request,
                         QFileDialog::AcceptMode mode);
