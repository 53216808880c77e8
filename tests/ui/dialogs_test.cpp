// Message boxes, file dialogs and help: what they ask, what they give back,
// and how Qt's boxes and dialogs answer.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/file_dialogs.h"
#include "platform/frame_window.h"
#include "platform/help.h"
#include "platform/platform_constants.h"
#include "platform/qt_user_interface.h"
#include "tests/ui/offscreen_messages.h"
#include "tests/ui/scripted_user_interface.h"

namespace {

const std::string kWeaponFilter = "Weapon Files (*.TDF)|*.tdf|";

TOpenSaveDialog::TData WeaponData() {
  return TOpenSaveDialog::TData(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, kWeaponFilter, "TDF");
}

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
  void initTestCase() { DropOffscreenPlatformLimits(); }

  // The user's answer in Qt's message box, given by a button or by closing it.
  void qtMessageBoxAnswers_data() {
    QTest::addColumn<unsigned>("type");
    QTest::addColumn<int>("button");  // QMessageBox::StandardButton, or 0 to close the box
    QTest::addColumn<int>("answer");
    QTest::newRow("Yes") << MB_YESNOCANCEL << int(QMessageBox::Yes) << IDYES;
    QTest::newRow("No") << MB_YESNOCANCEL << int(QMessageBox::No) << IDNO;
    QTest::newRow("Cancel") << MB_YESNOCANCEL << int(QMessageBox::Cancel) << IDCANCEL;
    QTest::newRow("question closed") << MB_YESNOCANCEL << 0 << IDCANCEL;
    QTest::newRow("OK") << (MB_OK | MB_ICONEXCLAMATION) << int(QMessageBox::Ok) << IDOK;
    QTest::newRow("message closed") << (MB_OK | MB_ICONEXCLAMATION) << 0 << IDOK;
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

  void windowBoxesAndHelpGoThroughTheInterface() {
    ScriptedUserInterface ui;
    TFrameWindow owner(nullptr, "owner");
    ui.Answers = {IDNO};
    QCOMPARE(owner.MessageBox("text", "caption", MB_YESNOCANCEL), IDNO);
    QCOMPARE(owner.MessageBox("note", "caption", MB_OK), IDOK);  // closed by the user
    QCOMPARE(ui.Questions.size(), 2u);
    QCOMPARE(ui.Questions[0].Text, std::string("text"));
    QCOMPARE(ui.Questions[1].Type, MB_OK);
    WinHelpA(nullptr, "Kalvex.hlp", HELP_CONTENTS);
    QCOMPARE(ui.HelpCalls.size(), 1u);
    QCOMPARE(ui.HelpCalls[0].HelpFile, std::string("Kalvex.hlp"));
    QCOMPARE(ui.HelpCalls[0].Command, HELP_CONTENTS);
  }

  void filterIsReadInPairs_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("patterns");
    QTest::newRow("weapon files") << QString::fromStdString(kWeaponFilter)
                                  << QStringList{"Weapon Files (*.TDF)"} << QStringList{"*.tdf"};
    QTest::newRow("two entries") << "A|*.a|B|*.b;*.c|" << QStringList{"A", "B"}
                                 << QStringList{"*.a", "*.b;*.c"};
    QTest::newRow("no closing bar") << "A|*.a" << QStringList{"A"} << QStringList{"*.a"};
    QTest::newRow("caption without pattern")
        << "A||B|*.b|" << QStringList{"B"} << QStringList{"*.b"};
    QTest::newRow("caption alone") << "A" << QStringList{} << QStringList{};
    QTest::newRow("empty") << "" << QStringList{} << QStringList{};
  }

  void filterIsReadInPairs() {
    QFETCH(QString, filter);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, patterns);
    const std::vector<TFileFilter> entries = ParseFileFilter(filter.toStdString());
    QStringList readCaptions, readPatterns;
    for (const TFileFilter& entry : entries) {
      readCaptions << QString::fromStdString(entry.Caption);
      QStringList entryPatterns;
      for (const std::string& pattern : entry.Patterns) {
        entryPatterns << QString::fromStdString(pattern);
      }
      readPatterns << entryPatterns.join(';');
    }
    QCOMPARE(readCaptions, captions);
    QCOMPARE(readPatterns, patterns);
  }

  void defaultExtensionOnlyWhenMissing_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("result");
    QTest::newRow("bare name") << "/tmp/rocket"
                               << "/tmp/rocket.TDF";
    QTest::newRow("lower-case extension") << "/tmp/rocket.tdf"
                                          << "/tmp/rocket.tdf";
    QTest::newRow("other extension") << "/tmp/rocket.txt"
                                     << "/tmp/rocket.txt";
    QTest::newRow("dot in the folder") << "/tmp/v1.2/rocket"
                                       << "/tmp/v1.2/rocket.TDF";
    QTest::newRow("relative") << "rocket"
                              << "rocket.TDF";
    QTest::newRow("folder only") << "/tmp/"
                                 << "/tmp/";
  }

  void defaultExtensionOnlyWhenMissing() {
    QFETCH(QString, path);
    QFETCH(QString, result);
    QCOMPARE(QString::fromStdString(WithDefaultExtension(path.toStdString(), "TDF")), result);
  }

  void openDialogAsksForAnExistingWeaponFile() {
    ScriptedUserInterface ui;
    TOpenSaveDialog::TData data = WeaponData();
    data.FileName = "/tmp/old.tdf";
    ui.FileChoices.push_back("/tmp/chosen.TDF");
    QCOMPARE(TFileOpenDialog(nullptr, data).Execute(), IDOK);
    QCOMPARE(data.FileName, std::string("/tmp/chosen.TDF"));
    QCOMPARE(ui.FileDialogs.size(), 1u);
    const ShownFileDialog& shown = ui.FileDialogs[0];
    QVERIFY(!shown.Save);
    QVERIFY(shown.Request.MustExist);
    QCOMPARE(shown.Request.FileName, std::string("/tmp/old.tdf"));
    const std::vector<TFileFilter> weaponFiles = {{"Weapon Files (*.TDF)", {"*.tdf"}}};
    QVERIFY(shown.Request.Filters == weaponFiles);
  }

  // The save dialog takes new names although the shared data asks for
  // existing files, and adds the default extension.
  void saveDialogTakesANewName() {
    ScriptedUserInterface ui;
    TOpenSaveDialog::TData data = WeaponData();
    ui.FileChoices.push_back("/tmp/new-rocket");
    QCOMPARE(TFileSaveDialog(nullptr, data).Execute(), IDOK);
    QCOMPARE(data.FileName, std::string("/tmp/new-rocket.TDF"));
    QVERIFY(ui.FileDialogs[0].Save);
    QVERIFY(!ui.FileDialogs[0].Request.MustExist);
  }

  void cancelKeepsTheName_data() {
    QTest::addColumn<bool>("save");
    QTest::addColumn<bool>("emptyName");
    QTest::newRow("open, cancelled") << false << false;
    QTest::newRow("save, cancelled") << true << false;
    QTest::newRow("save, empty name") << true << true;
  }

  void cancelKeepsTheName() {
    QFETCH(bool, save);
    QFETCH(bool, emptyName);
    ScriptedUserInterface ui;
    TOpenSaveDialog::TData data = WeaponData();
    data.FileName = "/tmp/kept.tdf";
    ui.FileChoices.push_back(emptyName ? std::optional<std::string>("") : std::nullopt);
    const int result =
        save ? TFileSaveDialog(nullptr, data).Execute() : TFileOpenDialog(nullptr, data).Execute();
    QCOMPARE(result, IDCANCEL);
    QCOMPARE(data.FileName, std::string("/tmp/kept.tdf"));
  }

  void oneDataRecordCarriesTheNameOn() {
    ScriptedUserInterface ui;
    TOpenSaveDialog::TData data = WeaponData();
    ui.FileChoices = {"/tmp/a", std::nullopt};
    TFileSaveDialog(nullptr, data).Execute();
    TFileOpenDialog(nullptr, data).Execute();
    QCOMPARE(ui.FileDialogs[1].Request.FileName, std::string("/tmp/a.TDF"));
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
    const TFileRequest request{QFile::encodeName(folder.filePath("lower.tdf")).toStdString(),
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
