// Message boxes, file dialogs and help: what they ask, what they give back,
// and how Qt's boxes and dialogs answer.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "platform/file_dialogs.h"
#include "platform/platform_constants.h"
#include "platform/qt/qt_user_interface.h"
#include "tests/ui/offscreen_messages.h"
#include "tests/ui/scripted_user_interface.h"

Q_DECLARE_METATYPE(std::optional<std::string>)
Q_DECLARE_METATYPE(std::string)

namespace {

const std::string kWeaponFilter = "Weapon Files (*.TDF)|*.tdf|";

// The enabled names in a shown dialog's file view, once it has read the folder.
QStringList ShownNames(QFileDialog& dialog, int expected) {
  QStringList names;
  for (QAbstractItemView* view : dialog.findChildren<QAbstractItemView*>()) {
    if (view->objectName() != QLatin1String("listView")) continue;
    const bool read =
        QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) >= expected; });
    if (!read) return {};
    for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
      const QModelIndex index = view->model()->index(row, 0, view->rootIndex());
      if (index.flags().testFlag(Qt::ItemIsEnabled)) names << index.data().toString();
    }
  }
  names.sort();
  return names;
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    DropOffscreenPlatformLimits();
    Q_INIT_RESOURCE(program_resources);  // the help is compiled into the editor's resources
  }

  // The user's answer in Qt's message box, given by a button or by closing it.
  void qtMessageBoxAnswers_data() {
    QTest::addColumn<unsigned>("type");
    QTest::addColumn<int>("button");  // QMessageBox::StandardButton, or 0 to close the box
    QTest::addColumn<int>("answer");
    QTest::newRow("Yes") << MB_YESNOCANCEL << int(QMessageBox::Yes) << IDYES;
    QTest::newRow("No") << MB_YESNOCANCEL << int(QMessageBox::No) << IDNO;
    QTest::newRow("Cancel") << MB_YESNOCANCEL << int(QMessageBox::Cancel) << IDCANCEL;
    QTest::newRow("question closed") << MB_YESNOCANCEL << 0 << IDCANCEL;
    QTest::newRow("message closed") << (MB_OK | MB_ICONEXCLAMATION) << 0 << IDOK;
    QTest::newRow("replace: Yes") << (MB_YESNO | MB_ICONEXCLAMATION) << int(QMessageBox::Yes)
                                  << IDYES;
    QTest::newRow("replace: No") << (MB_YESNO | MB_ICONEXCLAMATION) << int(QMessageBox::No) << IDNO;
    QTest::newRow("replace: closed") << (MB_YESNO | MB_ICONEXCLAMATION) << 0 << IDNO;
  }

  // The help opens in the editor's own window; a help file that cannot be
  // found is told to the user.
  void qtHelpShowsTheFileOrSaysItIsMissing_data() {
    QTest::addColumn<QString>("helpFile");
    QTest::addColumn<QString>("message");  // empty: the help window shows the file
    QTest::newRow("compiled-in help") << ":/resources/help/contents.html"
                                      << "";
    QTest::newRow("missing help") << "/no/such/folder/Kalvex.html"
                                  << "Unable to find help file /no/such/folder/Kalvex.html";
  }

  void qtHelpShowsTheFileOrSaysItIsMissing() {
    QFETCH(QString, helpFile);
    QFETCH(QString, message);
    QWidget owner;
    QString shownText, shownCaption;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      shownText = box->text();
      shownCaption = box->windowTitle();
      QTest::keyClick(box, Qt::Key_Escape);
    });
    QtUserInterface qt;
    qt.ShowHelp(&owner, helpFile.toStdString(), HELP_CONTENTS);
    QCOMPARE(shownText, message);
    auto* window = owner.findChild<QDialog*>();
    if (message.isEmpty()) {
      QVERIFY(window && window->isVisible());
      QCOMPARE(window->windowTitle(), QStringLiteral("Cindervale Weapon Editor Help"));
      QVERIFY(window->findChild<QTextBrowser*>()->toPlainText().contains("Weapon Appearance"));
    } else {
      QCOMPARE(shownCaption, QStringLiteral("File Error"));
      QVERIFY(!window);
    }
  }

  void qtMessageBoxAnswers() {
    QFETCH(unsigned, type);
    QFETCH(int, button);
    QFETCH(int, answer);
    QString shownText, shownCaption;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      shownText = box->text();
      shownCaption = box->windowTitle();
      shownIcon = box->icon();
      if (button) {
        box->button(static_cast<QMessageBox::StandardButton>(button))->click();
      } else {
        QTest::keyClick(box, Qt::Key_Escape);
      }
    });
    QtUserInterface qt;
    QCOMPARE(qt.MessageBox(nullptr, "Do You Want To Save The Script?", "Warning...", type), answer);
    QCOMPARE(shownText, QStringLiteral("Do You Want To Save The Script?"));
    QCOMPARE(shownCaption, QStringLiteral("Warning..."));
    QCOMPARE(shownIcon, type & MB_ICONEXCLAMATION ? QMessageBox::Warning : QMessageBox::NoIcon);
  }

  void filterIsReadInPairs_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("entries");  // caption=patterns, joined by '/'
    QTest::newRow("weapon files") << QString::fromStdString(kWeaponFilter)
                                  << "Weapon Files (*.TDF)=*.tdf";
    QTest::newRow("two entries") << "A|*.a|B|*.b;*.c|"
                                 << "A=*.a/B=*.b;*.c";
    QTest::newRow("no closing bar") << "A|*.a"
                                    << "A=*.a";
    QTest::newRow("caption without pattern") << "A||B|*.b|"
                                             << "B=*.b";
    QTest::newRow("caption alone") << "A"
                                   << "";
  }

  void filterIsReadInPairs() {
    QFETCH(QString, filter);
    QFETCH(QString, entries);
    QStringList read;
    for (const TFileFilter& entry : ParseFileFilter(filter.toStdString())) {
      QStringList patterns;
      for (const std::string& pattern : entry.Patterns) patterns << QString::fromStdString(pattern);
      read << QString::fromStdString(entry.Caption) + "=" + patterns.join(';');
    }
    QCOMPARE(read.join('/'), entries);
  }

  // Both dialogs propose the shared name and offer weapon files; only the
  // open dialog insists on an existing file; the save dialog adds the default
  // extension to a name without one; a cancelled dialog changes nothing.
  void dialogsGiveTheChosenName_data() {
    QTest::addColumn<bool>("save");
    QTest::addColumn<std::optional<std::string>>("chosen");
    QTest::addColumn<int>("result");
    QTest::addColumn<std::string>("fileName");
    const std::optional<std::string> cancelled;
    QTest::newRow("open") << false << std::optional<std::string>("/tmp/a.TDF") << IDOK
                          << std::string("/tmp/a.TDF");
    QTest::newRow("save, new bare name")
        << true << std::optional<std::string>("/tmp/new") << IDOK << std::string("/tmp/new.TDF");
    QTest::newRow("save, dot in the folder") << true << std::optional<std::string>("/v1.2/rocket")
                                             << IDOK << std::string("/v1.2/rocket.TDF");
    QTest::newRow("save, with extension")
        << true << std::optional<std::string>("/tmp/b.tdf") << IDOK << std::string("/tmp/b.tdf");
    QTest::newRow("open, cancelled") << false << cancelled << IDCANCEL << std::string("old.tdf");
    QTest::newRow("save, cancelled") << true << cancelled << IDCANCEL << std::string("old.tdf");
    QTest::newRow("save, empty name")
        << true << std::optional<std::string>("") << IDCANCEL << std::string("old.tdf");
  }

  void dialogsGiveTheChosenName() {
    QFETCH(bool, save);
    QFETCH(std::optional<std::string>, chosen);
    QFETCH(int, result);
    QFETCH(std::string, fileName);
    ScriptedUserInterface ui;
    TOpenSaveDialog::TData data(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, kWeaponFilter, "TDF");
    data.FileName = "old.tdf";
    ui.FileChoices.push_back(chosen);
    QCOMPARE(
        save ? TFileSaveDialog(nullptr, data).Execute() : TFileOpenDialog(nullptr, data).Execute(),
        result);
    QCOMPARE(data.FileName, fileName);
    QCOMPARE(ui.FileDialogs.size(), 1u);
    const TFileRequest& request = ui.FileDialogs[0].Request;
    QCOMPARE(ui.FileDialogs[0].Save, save);
    QCOMPARE(request.MustExist, !save);
    QCOMPARE(request.FileName, std::string("old.tdf"));
    QVERIFY((request.Filters == std::vector<TFileFilter>{{"Weapon Files (*.TDF)", {"*.tdf"}}}));
  }

  // File names are case-sensitive here: Qt's dialog must list ".tdf" and
  // ".TDF" files alike, and nothing else.
  void qtDialogShowsWeaponFilesOfEitherCase_data() {
    QTest::addColumn<bool>("save");
    QTest::newRow("open") << false;
    QTest::newRow("save") << true;
  }

  void qtDialogShowsWeaponFilesOfEitherCase() {
    QFETCH(bool, save);
    QTemporaryDir folder;
    for (const char* name : {"lower.tdf", "UPPER.TDF", "Mixed.Tdf", "notes.txt"}) {
      QFile file(folder.filePath(name));
      QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const TFileRequest request{folder.filePath("lower.tdf").toStdString(),
                               ParseFileFilter(kWeaponFilter), !save};
    QFileDialog dialog;
    ConfigureFileDialog(dialog, request, save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    QCOMPARE(dialog.testOption(QFileDialog::DontConfirmOverwrite), save);
    QCOMPARE(dialog.fileMode(), save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.show();
    QCOMPARE(ShownNames(dialog, 3), QStringList({"Mixed.Tdf", "UPPER.TDF", "lower.tdf"}));
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    QVERIFY(types);
    QCOMPARE(types->currentText(), QStringLiteral("Weapon Files (*.TDF)"));
  }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
