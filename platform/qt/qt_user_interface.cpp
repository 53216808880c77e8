#include "platform/qt/qt_user_interface.h"

#include <QDir>
#include <QFileInfo>
#include <filesystem>

#include "platform/qt/native_window.h"
#include "platform/qt/text_codec.h"
#include "script/utf8_path.h"

namespace {

// The Qt name filter for `filter`: its caption, then its patterns in brackets.
QString NameFilterFor(const TFileFilter& filter) {
  QStringList patterns;
  for (const std::string& pattern : filter.Patterns) patterns << Utf8ToQString(pattern);
  return Utf8ToQString(filter.Caption) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
         QLatin1Char(')');
}

// `path` cleaned and absolute, for comparing what the dialog gives back.
QString AbsolutePath(const QString& path) {
  return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

// Where the dialog opens and the name it proposes. Qt holds names in Unicode
// and so cannot enter a folder whose name is not UTF-8 (Latin-1 bytes from an
// old archive): the dialog then opens in the nearest folder above it that it
// can enter.
struct ShownPlace {
  QString folder;
  QString name;  // empty: none proposed
};

ShownPlace PlaceShownFor(const TFileRequest& request) {
  const std::filesystem::path proposed = kalvex::PathFromUtf8(request.FileName);
  const std::filesystem::path folder =
      request.FileName.empty() ? kalvex::PathFromUtf8(request.Folder) : proposed.parent_path();
  QString shown = AbsolutePath(Utf8ToQString(kalvex::Utf8FromPath(folder)));
  while (!QDir(shown).exists() && !QDir(shown).isRoot()) shown = QFileInfo(shown).path();
  return {shown, Utf8ToQString(kalvex::Utf8FromPath(proposed.filename()))};
}

// The path `chosen` in the dialog, as the system spells it: the proposed
// name's own bytes when the dialog gives it back unchanged, which may not be
// UTF-8.
std::string ChosenPathBytes(const QString& chosen, const TFileRequest& request) {
  const ShownPlace place = PlaceShownFor(request);
  if (!place.name.isEmpty() &&
      AbsolutePath(chosen) == AbsolutePath(place.folder + QLatin1Char('/') + place.name)) {
    return request.FileName;
  }
  return Utf8FromQString(chosen);
}

std::optional<std::string> ChooseFile(QWidget* owner, const TFileRequest& request,
                                      QFileDialog::AcceptMode mode) {
  QFileDialog dialog(owner);
  ConfigureFileDialog(dialog, request, mode);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return ChosenPathBytes(dialog.selectedFiles().constFirst(), request);
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
  const ShownPlace place = PlaceShownFor(request);
  dialog.setDirectory(place.folder);
  if (!place.name.isEmpty()) dialog.selectFile(place.name);
}

std::optional<std::string> TPlatformUserInterface::ChooseFileToOpen(THandle owner,
                                                                    const TFileRequest& request) {
  return ChooseFile(WidgetOf(owner), request, QFileDialog::AcceptOpen);
}

std::optional<std::string> TPlatformUserInterface::ChooseFileToSave(THandle owner,
                                                                    const TFileRequest& request) {
  return ChooseFile(WidgetOf(owner), request, QFileDialog::AcceptSave);
}
