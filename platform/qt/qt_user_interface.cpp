#include "platform/qt/qt_user_interface.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>

#include "platform/qt/help_window.h"
#include "platform/platform_constants.h"
#include "platform/qt/text_codec.h"

namespace {

// The Qt name filter for `filter`: its caption, then its patterns in brackets.
QString NameFilterFor(const TFileFilter& filter) {
  QStringList patterns;
  for (const std::string& pattern : filter.Patterns) patterns << ToQString(pattern);
  return ToQString(filter.Caption) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
         QLatin1Char(')');
}

std::optional<std::string> ChooseFile(QWidget* owner, const TFileRequest& request,
                                      QFileDialog::AcceptMode mode) {
  QFileDialog dialog(owner);
  ConfigureFileDialog(dialog, request, mode);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return dialog.selectedFiles().constFirst().toUtf8().toStdString();
}

}  // namespace

void ConfigureFileDialog(QFileDialog& dialog, const TFileRequest& request,
                         QFileDialog::AcceptMode mode) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setAcceptMode(mode);
  if (mode == QFileDialog::AcceptSave) {
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
  } else {
    dialog.setFileMode(request.MustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  }
  QStringList nameFilters;
  for (const TFileFilter& filter : request.Filters) nameFilters << NameFilterFor(filter);
  dialog.setNameFilters(nameFilters);
  dialog.setDirectory(QDir::currentPath());
  if (!request.FileName.empty()) dialog.selectFile(QString::fromStdString(request.FileName));
}

int QtUserInterface::MessageBox(QWidget* owner, const std::string& text, const std::string& caption,
                                unsigned type) {
  QMessageBox box(owner);
  box.setWindowTitle(ToQString(caption));
  box.setText(ToQString(text));
  if ((type & MB_ICONMASK) == MB_ICONEXCLAMATION) box.setIcon(QMessageBox::Warning);
  switch (type & MB_TYPEMASK) {
    case MB_YESNOCANCEL:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case MB_YESNO:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setEscapeButton(QMessageBox::No);
      break;
    default:
      box.setStandardButtons(QMessageBox::Ok);
      box.exec();
      return IDOK;
  }
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
      return IDYES;
    case QMessageBox::No:
      return IDNO;
    default:
      return IDCANCEL;
  }
}

std::optional<std::string> QtUserInterface::ChooseFileToOpen(QWidget* owner,
                                                             const TFileRequest& request) {
  return ChooseFile(owner, request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtUserInterface::ChooseFileToSave(QWidget* owner,
                                                             const TFileRequest& request) {
  return ChooseFile(owner, request, QFileDialog::AcceptSave);
}

void QtUserInterface::ShowHelp(QWidget* owner, const std::string& helpFile, unsigned) {
  const QString path = QFile::decodeName(helpFile.c_str());
  if (!QFile::exists(path)) {
    MessageBox(owner, "Unable to find help file " + helpFile, "File Error",
               MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  ShowHelpWindow(owner, path);
}
