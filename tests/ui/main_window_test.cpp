// The main window as the user meets it after start-up, and the menu
// description format and program icon it is made from.
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <memory>
#include <tuple>

#include "app/kalvex.h"
#include "platform/module.h"
#include "platform/qt/native_window.h"
#include "platform/qt/program_resources.h"
#include "tests/ui/menu_driver.h"
#include "tests/ui/offscreen_messages.h"
#include "tests/window/scripted_user_interface.h"
#include "tests/window/window_slots.h"

namespace {

using Handler = void (TMachines::*)();

// The main window, recording the kind and identifier of every event that
// looks for a handler.
class ProbedMachines : public TMachines {
 public:
  ProbedMachines() : TMachines("Cindervale Weapon Editor") {}
  bool Find(TEventInfo& info) override {
    Seen.push_back({int(info.Kind), info.Id, info.NotifyCode});
    return TMachines::Find(info);
  }
  std::vector<std::array<int, 3>> Seen;
};

Handler HandlerFor(TEventKind kind, int id, int code) {
  for (const auto& entry : TMachines::Entries) {
    if (entry.Matches({kind, id, code, {}})) return entry.Handler;
  }
  return nullptr;
}

// A process's arguments, its exit status, and what it prints: the whole of
// the close probe's output; how the editor's standard output and error begin.
using ProcessRun = std::tuple<QStringList, int, QString, QString>;

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { DropOffscreenPlatformLimits(); }

  void init() {
    ui_ = std::make_unique<ScriptedUserInterface>();
    window_ = std::make_unique<ProbedMachines>();
    QVERIFY(window_->Create());
    window_->Show();
    frame()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame()));
  }

  void cleanup() {
    window_.reset();
    ui_.reset();
  }

  void titleIconAndFixedOuterSize() {
    QCOMPARE(frame()->windowTitle(), QStringLiteral("Cindervale Weapon Editor"));
    QVERIFY(frame()->windowIcon().availableSizes().contains(QSize(32, 32)));
    const Qt::WindowFlags flags = frame()->windowFlags();
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(frame()->minimumSize(), frame()->maximumSize());
    QCOMPARE(frame()->frameGeometry().size(), QSize(640, 480));
    frame()->resize(800, 600);
    QTest::qWait(20);
    QCOMPARE(frame()->frameGeometry().size(), QSize(640, 480));
  }

  // The menus hold exactly these items; each, chosen by its mnemonics, sends
  // its command, which the response table routes to its handler.
  void menuItemsReachTheirHandlers() {
    struct Row {
      const char* Menu;
      const char* Item;
      int Command;
      Handler Expected;
      const char* Keys;  // the item's shortcut, shown beside its unchanged text
    };
    const Row rows[] = {
        {"&File", "&New", 104, &TMachines::New, "Ctrl+N"},
        {"&File", "O&pen", 110, &TMachines::Open, "Ctrl+O"},
        {"&File", "Sa&ve", 106, &TMachines::Save, "Ctrl+S"},
        {"&File", "E&xit", 105, &TMachines::Close, "Ctrl+Q"},
        {"&Help", "&Contents", 103, &TMachines::Help, "F1"},
        {"&Help", "&About", 102, &TMachines::CmAbout, ""},
    };
    QStringList shown;
    for (const QAction* menu : frame()->menuBar()->actions()) {
      for (const QAction* item : menu->menu()->actions()) {
        QVERIFY(item->isEnabled() && !item->isSeparator());
        shown << menu->text() + "/" + item->text() + "/" +
                     item->shortcut().toString(QKeySequence::PortableText);
      }
    }
    QStringList expected;
    for (const Row& row : rows) expected << QString("%1/%2/%3").arg(row.Menu, row.Item, row.Keys);
    QCOMPARE(shown, expected);

    // File, Exit then asks, and the scripted Cancel keeps the window.
    window_->SaveFlag() = 0;
    window_->EditedWeapon().Weapcode = "CHANGED";
    for (const Row& row : rows) {
      window_->Seen.clear();
      QVERIFY2(ChooseMenuItem(frame(), row.Menu, row.Item), row.Item);
      QVERIFY2(window_->Seen == (decltype(window_->Seen){{0, row.Command, 0}}), row.Item);
      QVERIFY2(HandlerFor(TEventKind::Command, row.Command, 0) == row.Expected, row.Item);
    }
    QVERIFY(frame()->isVisible());
  }

  // A click in a list with the page list's identifier reaches the page switch.
  void listSelectionReachesThePageSwitch() {
    auto* list = new TListBox(window_.get(), 200, 10, 30, 160, 150);
    QVERIFY(list->Create());
    list->InsertString("Weapon Code", 0);
    auto* widget = WidgetOf<QListWidget>(*list);
    window_->Seen.clear();
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                      widget->visualItemRect(widget->item(0)).center());
    QVERIFY((window_->Seen == decltype(window_->Seen){{1, 200, 1}}));
    QVERIFY(HandlerFor(TEventKind::ChildNotify, 200, 1) == &TMachines::EvCBNSelChange);
    QVERIFY(!HandlerFor(TEventKind::ChildNotify, 200, 2));
    QVERIFY(!HandlerFor(TEventKind::ChildNotify, 207, 1));
  }

  // Controls sit at client coordinates; the client area starts below the menu bar.
  void fixedControlsStandAtTheirPlaces() {
    const std::tuple<const TWindow*, int, QRect, QString> rows[] = {
        {window_->HelpFrame(), 130, {180, 30, 400, 100}, "Item Help"},
        {window_->Page().CurHelp, -1, {200, 50, 340, 18}, " "},
        {window_->Page().HelpDesc, -1, {30, 230, 340, 18}, " "},
        {window_->Page().HelpDesc2, -1, {30, 300, 340, 18}, " "},
        {window_->Page().HelpDesc3, -1, {30, 370, 340, 18}, " "},
        {window_->Page().HelpDesc4, -1, {300, 230, 340, 18}, " "},
        {window_->Page().HelpDesc5, -1, {300, 300, 340, 18}, " "},
        {window_->Page().HelpDesc6, -1, {300, 370, 340, 18}, " "},
    };
    const int menuBottom = frame()->menuBar()->geometry().bottom() + 1;
    QVERIFY(menuBottom > 0);
    for (const auto& [control, id, place, text] : rows) {
      QWidget* widget = WidgetOf(*control);
      QVERIFY(widget && widget->isVisible());
      QCOMPARE(control->GetId(), id);
      QCOMPARE(widget->size(), place.size());
      QCOMPARE(widget->mapTo(frame(), QPoint(0, 0)), place.topLeft() + QPoint(0, menuBottom));
      auto* label = qobject_cast<QLabel*>(widget);
      QCOMPARE(label ? label->text() : qobject_cast<QGroupBox*>(widget)->title(), text);
    }
  }

  void startsWithoutPageListAndWithResetRecord() {
    QVERIFY(frame()->findChildren<QListWidget*>().isEmpty());
    QVERIFY(!window_->PageList());
    for (const std::string_view slot : kalvex::test::AllSlots()) {
      QVERIFY2(!kalvex::test::SlotControl(*window_, slot), slot.data());
    }
    QCOMPARE(window_->Page().Box, 0);
    QCOMPARE(window_->SaveFlag(), 1);
    QVERIFY(window_->EditedWeapon() == kalvex::WeaponRecord{});
    QCOMPARE(window_->EditedWeapon().Weapmodl, 0);
    QCOMPARE(window_->FileDialogData().Flags, 0x1004UL);
    QCOMPARE(window_->FileDialogData().Filter, std::string("Weapon Files (*.TDF)|*.tdf|"));
    QCOMPARE(window_->FileDialogData().DefExt, std::string("TDF"));
    QVERIFY(window_->FileDialogData().FileName.empty());
  }

  void closingWithUnsavedChangesAsksAndCancelKeepsTheWindow_data() {
    QTest::addColumn<bool>("fileExit");
    QTest::addColumn<bool>("boxClosed");
    QTest::newRow("File, Exit, Cancel") << true << false;
    QTest::newRow("close box, Cancel") << false << false;
    QTest::newRow("close box, question box closed") << false << true;
  }

  void closingWithUnsavedChangesAsksAndCancelKeepsTheWindow() {
    QFETCH(bool, fileExit);
    QFETCH(bool, boxClosed);
    window_->SaveFlag() = 0;
    window_->EditedWeapon().Weapname = "Changed";
    if (!boxClosed) ui_->Answers.push_back(IDCANCEL);
    if (fileExit) {
      QVERIFY(ChooseMenuItem(frame(), "&File", "E&xit"));
    } else {
      frame()->windowHandle()->close();  // what the close box and the window menu send
    }
    QVERIFY(frame()->isVisible());
    QCOMPARE(ui_->Questions.size(), 1u);
    QCOMPARE(ui_->Questions[0].Text, std::string("Do You Want To Save The Script?"));
    QCOMPARE(ui_->Questions[0].Caption, std::string("Warning..."));
    QCOMPARE(ui_->Questions[0].Type, MB_YESNOCANCEL);
  }

  // Closing that goes ahead ends the process at once with status 1.
  void closingEndsTheProcess_data() {
    QTest::addColumn<ProcessRun>("row");
    const QString asked = "asked: Do You Want To Save The Script?|Warning...|3\n";
    QTest::newRow("File, Exit after start") << ProcessRun{{"file-exit", "1", "none"}, 1, "", ""};
    QTest::newRow("close box after start") << ProcessRun{{"close-box", "1", "none"}, 1, "", ""};
    QTest::newRow("unsaved, No") << ProcessRun{{"file-exit", "0", "no"}, 1, asked, ""};
    // Yes, with the save dialog cancelled: nothing was saved, so the window stays.
    QTest::newRow("unsaved, Yes, not saved")
        << ProcessRun{{"close-box", "0", "yes"}, 0, asked + "open\n", ""};
    QTest::newRow("unsaved, Cancel")
        << ProcessRun{{"close-box", "0", "cancel"}, 0, asked + "open\n", ""};
    // Yes and written: the process ends; Yes and the file cannot be written:
    // the reason is shown and the window stays.
    QTest::newRow("unsaved, Yes, saved")
        << ProcessRun{{"close-box", "0", "yes", closeDir_.filePath("closed.tdf")}, 1, asked, ""};
    const QString unwritable = closeDir_.filePath("missing/closed.tdf");
    QTest::newRow("unsaved, Yes, saving failed")
        << ProcessRun{{"file-exit", "0", "yes", unwritable},
                      0,
                      asked + "asked: Unable to open file\n\n" + unwritable +
                          "\nThe folder does not exist\n\nThe script was not saved.|File "
                          "Error|48\nopen\n",
                      ""};
  }

  void closingEndsTheProcess() {
    QFETCH(ProcessRun, row);
    const auto& [arguments, exitCode, output, errors] = row;
    QProcess probe;
    probe.start(QStringLiteral(KALVEX_CLOSE_PROBE), arguments);
    QVERIFY(probe.waitForFinished(60000));
    QCOMPARE(QString::fromLatin1(probe.readAllStandardOutput()), output);
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QCOMPARE(probe.exitCode(), exitCode);
    if (arguments.size() > 3) {
      QFile written(arguments[3]);
      QCOMPARE(written.exists(), exitCode == 1);
      QVERIFY(!written.exists() ||
              (written.open(QIODevice::ReadOnly) && written.readAll().startsWith("[ ]\r\n\t{")));
    }
  }

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
    editor.start(QStringLiteral(KALVEX_EDITOR), {closeDir_.filePath("x.tdf")});
    QVERIFY(editor.waitForStarted());
    QVERIFY2(!editor.waitForFinished(1500), "the editor ended on its own");
    editor.kill();
    editor.waitForFinished();
  }

  void menuDescriptionIsRead_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<std::optional<TMenuResource>>("menu");
    const std::optional<TMenuResource> file{{{{"&File", {{"&New", 104}, {"E&xit", 105}}}}}};
    const std::optional<TMenuResource> malformed;
    QTest::newRow("menu with items")
        << QByteArray("POPUP \"&File\"\n  MENUITEM \"&New\" 104\n  MENUITEM \"E&xit\" 105\n")
        << file;
    QTest::newRow("comments, blank lines, tabs, CR LF")
        << QByteArray(
               "# m\r\n\r\nPOPUP \"&File\"\r\n\tMENUITEM \"&New\"\t104\r\nMENUITEM \"E&xit\" 105")
        << file;
    QTest::newRow("empty") << QByteArray() << std::optional(TMenuResource{});
    QTest::newRow("item before any menu") << QByteArray("MENUITEM \"&New\" 104\n") << malformed;
    QTest::newRow("unclosed quote") << QByteArray("POPUP \"&File\nMENUITEM \"N\" 1\n") << malformed;
    QTest::newRow("identifier not a number")
        << QByteArray("POPUP \"F\"\nMENUITEM \"N\" 10x\n") << malformed;
    QTest::newRow("identifier missing") << QByteArray("POPUP \"F\"\nMENUITEM \"N\"\n") << malformed;
    QTest::newRow("identifier too large")
        << QByteArray("POPUP \"F\"\nMENUITEM \"N\" 99999999999\n") << malformed;
    QTest::newRow("unknown keyword") << QByteArray("POPUP \"F\"\nSEPARATOR\n") << malformed;
  }

  void menuDescriptionIsRead() {
    QFETCH(QByteArray, text);
    QFETCH(std::optional<TMenuResource>, menu);
    QVERIFY(ParseMenuResource(text.toStdString()) == menu);
  }

  void programIconIs32By32In16Colours() {
    QVERIFY(TModule::Program().HasIcon(2));
    QVERIFY(!TModule::Program().HasIcon(3));
    const QImage image(IconResource(2));
    QCOMPARE(image.size(), QSize(32, 32));
    QVERIFY(image.colorCount() > 0 && image.colorCount() <= 16);
  }

 private:
  QMainWindow* frame() const { return WidgetOf<QMainWindow>(*window_); }

  std::unique_ptr<ScriptedUserInterface> ui_;
  std::unique_ptr<ProbedMachines> window_;
  QTemporaryDir closeDir_;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
