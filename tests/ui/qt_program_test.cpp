// The Qt program's own: its start (the command line read before any window
// and without a desktop, a FILE named to open once the window is on the
// screen) and the resources it is built with (the icon, the help text).
#include <QFile>
#include <QImage>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <tuple>

#include "app/kalvex.h"
#include "app/startup.h"
#include "platform/module.h"
#include "platform/qt/native_window.h"
#include "platform/qt/program_resources.h"
#include "tests/ui/offscreen_messages.h"
#include "tests/window/page_expectations.h"
#include "tests/window/scripted_user_interface.h"
#include "tests/window/window_slots.h"

using namespace kalvex::test;

namespace {

// A process's arguments, its exit status, and how its standard output and
// error begin.
using ProcessRun = std::tuple<QStringList, int, QString, QString>;

// Notes, for every question, whether the main window was on the screen
// (exposed, so placed by the desktop) when it was asked.
struct EchoingExposure : ScriptedUserInterface {
  int MessageBox(THandle owner, const std::string& text, const std::string& caption,
                 unsigned type) override {
    QWidget* frame = window ? WidgetOf(*window->GetMainWindow()) : nullptr;
    exposedWhenAsked.push_back(frame && WidgetOf(owner) == frame &&
                               frame->windowHandle()->isExposed());
    return ScriptedUserInterface::MessageBox(owner, text, caption, type);
  }
  const TApplication* window = nullptr;
  std::vector<bool> exposedWhenAsked;
};

}  // namespace

class QtProgramTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { DropOffscreenPlatformLimits(); }

  // kalvex [OPTION]... [FILE]: --help and --version print and end without a
  // window, and need no desktop; a wrong command line is told and ends with 2.
  void commandLineIsReadBeforeAnyWindow_data() {
    QTest::addColumn<ProcessRun>("row");
    QTest::newRow("--help") << ProcessRun{{"--help"}, 0, "Usage: kalvex [OPTION]... [FILE]\n", ""};
    QTest::newRow("--version") << ProcessRun{{"--version"}, 0, "kalvex " KALVEX_VERSION "\n", ""};
    QTest::newRow("--help after a file") << ProcessRun{{"x.tdf", "--help"}, 0, "Usage: kalvex", ""};
    QTest::newRow("unknown option") << ProcessRun{{"--frobnicate"},
                                                  2,
                                                  "",
                                                  "kalvex: unrecognized option '--frobnicate'\n"
                                                  "Try 'kalvex --help' for more information.\n"};
    QTest::newRow("the platform's options are not the editor's") << ProcessRun{
        {"-platform", "offscreen", "x.tdf"}, 2, "", "kalvex: unrecognized option '-platform'\n"};
    QTest::newRow("two files") << ProcessRun{
        {"x.tdf", "y.tdf"}, 2, "", "kalvex: only one FILE may be given\n"};
  }

  void commandLineIsReadBeforeAnyWindow() {
    QFETCH(ProcessRun, row);
    const auto& [arguments, exitCode, output, errors] = row;
    QProcess editor;
    QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) bare.remove(name);
    editor.setProcessEnvironment(bare);
    editor.start(QStringLiteral(KALVEX_EDITOR), arguments);
    QVERIFY(editor.waitForFinished(10000));
    QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(editor.exitCode(), exitCode);
    const QString out = QString::fromLocal8Bit(editor.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(editor.readAllStandardError());
    QVERIFY2(output.isEmpty() ? out.isEmpty() : out.startsWith(output) && out.endsWith('\n'),
             qPrintable(out));
    QVERIFY2(errors.isEmpty() ? err.isEmpty() : err.startsWith(errors), qPrintable(err));
  }

  // With a FILE, the editor starts and stays up.
  void editorStartsWithAFile() {
    QProcess editor;
    editor.start(QStringLiteral(KALVEX_EDITOR), {dir_.filePath("x.tdf")});
    QVERIFY(editor.waitForStarted());
    QVERIFY2(!editor.waitForFinished(1500), "the editor ended on its own");
    editor.kill();
    editor.waitForFinished();
  }

  // kalvex FILE opens FILE as File, Open does, once the window is on the
  // screen, and File, Save (Ctrl+S) writes it back byte for byte.
  void fileNamedAtStartIsOpenedAndSavedBack() {
    const std::string original = ReadBytes(KALVEX_TEST_DATA "/worked_example.tdf");
    QVERIFY(!original.empty());
    // Not UTF-8: kept as the system gave it.
    const std::string path = dir_.path().toStdString() + "/w\xF6rked.tdf";
    QVERIFY(WriteBytes(path, original));
    ScriptedUserInterface ui;
    ui.FileChoices.push_back(path);  // the save dialog, confirmed as proposed
    TStartUp app(path);
    QTimer::singleShot(0, [&] {
      QWidget* frame = WidgetOf(*app.GetMainWindow());
      frame->activateWindow();
      const auto& window = static_cast<const TMachines&>(*app.GetMainWindow());
      if (QTest::qWaitForWindowActive(frame) &&
          QTest::qWaitFor([&] { return window.FileDialogData().FileName == path; })) {
        QTest::keyClick(frame, Qt::Key_S, Qt::ControlModifier);
      }
      QApplication::exit(0);
    });
    QCOMPARE(app.Run(), 0);
    QCOMPARE(ui.FileDialogs.size(), 1u);
    QVERIFY(ui.FileDialogs.front().Save);
    QCOMPARE(ui.FileDialogs.front().Request.FileName, path);
    QVERIFY(ui.Questions.empty());  // saved in place: no question
    QCOMPARE(ReadBytes(path), original);
    std::filesystem::remove(path);  // Qt cannot remove a name that is not UTF-8
  }

  // A FILE that cannot be read gives File, Open's message and a fresh weapon;
  // the message comes once the window stands on the screen, centred on it.
  void unreadableFileNamedAtStartIsReported() {
    EchoingExposure ui;
    const std::string path = dir_.filePath("missing.tdf").toStdString();
    TStartUp app(path);
    ui.window = &app;
    QTimer::singleShot(0, [&] {
      (void)QTest::qWaitFor([&] { return !ui.Questions.empty(); });
      QApplication::exit(0);
    });
    QCOMPARE(app.Run(), 0);
    QCOMPARE(ui.exposedWhenAsked, std::vector<bool>{true});
    QCOMPARE(ui.Questions.size(), 1u);
    QCOMPARE(ui.Questions.front().Text,
             "Unable to open file\n\n" + path + "\nNo such file or directory");
    QCOMPARE(ui.Questions.front().Caption, std::string("File Error"));
    QCOMPARE(ui.Questions.front().Type, MB_ICONEXCLAMATION | MB_OK);
    auto& window = static_cast<TMachines&>(*app.GetMainWindow());
    QVERIFY(window.EditedWeapon() == kalvex::WeaponRecord());
    QCOMPARE(window.SaveFlag(), 1);
    QCOMPARE(window.Page().Box, 0);
  }

  void programIconIs32By32In16Colours() {
    QVERIFY(TModule::Program().HasIcon(2));
    QVERIFY(!TModule::Program().HasIcon(3));
    const QImage image(IconResource(2));
    QCOMPARE(image.size(), QSize(32, 32));
    QVERIFY(image.colorCount() > 0 && image.colorCount() <= 16);
  }

  // The help that Help, Contents asks for is built in and names every page.
  void helpTextNamesEveryPage() {
    QFile help(HelpResource("Kalvex.hlp"));
    QVERIFY(help.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(help.readAll());
    for (const ExpectedPage& page : kExpectedPages) {
      const QString entry = QString::fromLatin1(page.listEntry.data(), page.listEntry.size());
      QVERIFY2(text.contains(entry), qPrintable(entry));
    }
  }

 private:
  QTemporaryDir dir_;
};

QTEST_MAIN(QtProgramTest)
#include "qt_program_test.moc"
