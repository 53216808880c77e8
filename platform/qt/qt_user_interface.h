// The user interface of the running program: Qt's message boxes and file dialogs.
#pragma once

#include <QFileDialog>

#include "platform/user_interface.h"

class QtUserInterface : public TUserInterface {
 public:
  int MessageBox(QWidget* owner, const std::string& text, const std::string& caption,
                 unsigned type) override;
  std::optional<std::string> ChooseFileToOpen(QWidget* owner, const TFileRequest& request) override;
  std::optional<std::string> ChooseFileToSave(QWidget* owner, const TFileRequest& request) override;
  void ShowHelp(QWidget* owner, const std::string& helpFile, unsigned command) override;
};

// Sets `dialog` up for `request`: Qt's own dialog (never the desktop's, so the
// behaviour is the same everywhere; it matches the filters' patterns in either
// case, so ".tdf" and ".TDF" files both show although names are case-sensitive
// here), the filters, the proposed name; a save dialog takes new names and
// replaces files without asking.
void ConfigureFileDialog(QFileDialog& dialog, const TFileRequest& request,
                         QFileDialog::AcceptMode mode);
