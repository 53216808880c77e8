// The user interface of the running program: Qt's message boxes and file dialogs.
#pragma once

#include <QFileDialog>
#include <QString>

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
// behaviour is the same everywhere), the filters, the proposed name; a save
// dialog takes new names and replaces files without asking.
void ConfigureFileDialog(QFileDialog& dialog, const TFileRequest& request,
                         QFileDialog::AcceptMode mode);

// The Qt name filter for `filter`: its caption, then its patterns with every
// letter matching either case, since file names on this system are
// case-sensitive and weapon files come as ".tdf" and ".TDF".
QString NameFilterFor(const TFileFilter& filter);
