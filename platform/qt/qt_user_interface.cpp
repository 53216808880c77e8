#include "platform/qt/qt_user_interface.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include "platform/platform_constants.h"
#include "platform/qt/help_window.h"
#include "platform/qt/message_box.h"
#include "platform/qt/native_window.h"
#include "platform/qt/program_resources.h"
#include "platform/qt/text_codec.h"
#include "platform/qt/weapon_choice_dialog.h"

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
  dialog.setDirectory(request.Folder.empty() ? QDir::currentPath()
                                             : QString::fromStdString(request.Folder));
  if (!request.FileName.empty()) dialog.selectFile(QString::fromStdString(request.FileName));
}

int QtUserInterface::MessageBox(THandle owner, const std::string& text, const std::string& caption,
                                unsigned type) {
  return ShowMessageBox(WidgetOf(owner), text, caption, type);
}

int QtUserInterface::LabelledMessageBox(THandle owner, const std::string& text,
                                        const std::string& caption, unsigned type,
                                        const std::vector<std::string>& labels, int defaultButton) {
  return ShowLabelledMessageBox(WidgetOf(owner), text, caption, type, labels, defaultButton);
}

std::optional<std::string> QtUserInterface::ChooseFileToOpen(THandle owner,
                                                             const TFileRequest& request) {
  return ChooseFile(WidgetOf(owner), request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtUserInterface::ChooseFileToSave(THandle owner,
                                                             const TFileRequest& request) {
  return ChooseFile(WidgetOf(owner), request, QFileDialog::AcceptSave);
}

std::optional<std::size_t> QtUserInterface::ChooseWeapon(THandle owner,
                                                         const TWeaponChoice& choice) {
  return ChooseWeaponInDialog(WidgetOf(owner), choice);
}

void QtUserInterface::ShowHelp(THandle owner, const std::string& helpFile, unsigned) {
  const QString path = HelpResource(helpFile);
  if (!QFile::exists(path)) {
    MessageBox(owner, "Unable to find help file " + helpFile, "File Error",
               MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  ShowHelpWindow(WidgetOf(owner), path);
}

void QtUserInterface::Beep() { QApplication::beep(); }

TUserInterface& PlatformUserInterface() {
  static QtUserInterface qtInterface;
  return qtInterface;
}
