// What Qt's boxes and dialogs show and give back: texts arrive in UTF-8, and
// a file name comes back from the save dialog as the system spells it, also
// when it is not UTF-8.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/platform.h"
#include "platform/qt/qt_user_interface.h"
#include "tests/ui/offscreen_messages.h"

Q_DECLARE_METATYPE(std::string)

class DialogTextsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { DropOffscreenPlatformLimits(); }

  void qtMessageBoxShowsUtf8() {
    QString shownText, shownCaption, shownButton;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      shownText = box->text();
      shownCaption = box->windowTitle();
      shownButton = box->buttons().constFirst()->text();
      QTest::keyClick(box, Qt::Key_Escape);
    });
    QtUserInterface qt;
    qt.LabelledMessageBox(nullptr, "Unable to open file\n\n/tmp/g\xC3\xBCn.tdf", "Caf\xC3\xA9",
                          MB_ICONEXCLAMATION,
                          {"\xC3\x9C"
                           "ber"},
                          0);
    QCOMPARE(shownText, QString::fromUtf8("Unable to open file\n\n/tmp/gün.tdf"));
    QCOMPARE(shownCaption, QString::fromUtf8("Café"));
    QCOMPARE(shownButton, QString::fromUtf8("Über"));
  }

  // Qt's own save dialog, confirmed as a user confirms it. Names and folders
  // are bytes here; "\xFC" and "\xE9" alone are not UTF-8.
  void qtSaveDialogGivesNamesAsTheSystemSpellsThem_data() {
    QTest::addColumn<std::string>("folder");    // under the test's folder; "" for itself
    QTest::addColumn<std::string>("proposed");  // the proposed name; "": the folder alone
    QTest::addColumn<QString>("typed");         // typed over the proposed name; empty: none
    QTest::addColumn<std::string>("chosen");    // the path given back, under the test's folder
    QTest::newRow("a Latin-1 name, unchanged")
        << std::string() << std::string("g\xFCn.tdf") << QString() << std::string("g\xFCn.tdf");
    QTest::newRow("a UTF-8 name, unchanged") << std::string() << std::string("g\xC3\xBCn.tdf")
                                             << QString() << std::string("g\xC3\xBCn.tdf");
    QTest::newRow("another name typed")
        << std::string() << std::string("g\xFCn.tdf") << QString::fromUtf8("neü.tdf")
        << std::string("ne\xC3\xBC.tdf");
    QTest::newRow("in a Latin-1 folder, unchanged")
        << std::string("alt\xE9") << std::string("g\xFCn.tdf") << QString()
        << std::string("alt\xE9/g\xFCn.tdf");
    // Qt cannot enter that folder: the dialog shows the one above it.
    QTest::newRow("in a Latin-1 folder, a name typed")
        << std::string("alt\xE9") << std::string("g\xFCn.tdf") << QStringLiteral("gun.tdf")
        << std::string("gun.tdf");
    QTest::newRow("a UTF-8 folder alone, a name typed")
        << std::string("alt\xC3\xA9") << std::string() << QStringLiteral("gun.tdf")
        << std::string("alt\xC3\xA9/gun.tdf");
  }

  void qtSaveDialogGivesNamesAsTheSystemSpellsThem() {
    QFETCH(std::string, folder);
    QFETCH(std::string, proposed);
    QFETCH(QString, typed);
    QFETCH(std::string, chosen);
    QTemporaryDir top;
    const std::string where = top.path().toStdString() + (folder.empty() ? "" : "/" + folder);
    std::filesystem::create_directories(where);
    TFileRequest request;
    if (proposed.empty()) {
      request.Folder = where;
    } else {
      request.FileName = where + "/" + proposed;
      std::ofstream(request.FileName) << "[GUN]\n{\n}\n";
    }
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      if (!typed.isEmpty()) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->selectAll();
        name->insert(typed);
      }
      QTest::keyClick(dialog, Qt::Key_Return);
      if (dialog->isVisible()) dialog->reject();
    });
    QtUserInterface qt;
    const std::optional<std::string> given = qt.ChooseFileToSave(nullptr, request);
    // Qt cannot remove a name that is not UTF-8.
    std::filesystem::remove_all(top.path().toStdString());
    QVERIFY2(given == top.path().toStdString() + "/" + chosen,
             given.value_or("(cancelled)").c_str());
  }
};

QTEST_MAIN(DialogTextsTest)
#include "dialog_texts_test.moc"
