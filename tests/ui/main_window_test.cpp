// The main window as the user meets it after start-up.
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <memory>

#include "app/kalvex.h"
#include "app/kalvex2.h"
#include "tests/ui/menu_driver.h"
#include "tests/ui/offscreen_messages.h"
#include "tests/ui/scripted_user_interface.h"

namespace {

struct SeenEvent {
  TEventKind Kind;
  int Id;
  int NotifyCode;
  bool operator==(const SeenEvent&) const = default;
};

// The main window, recording every event that looks for a handler.
class ProbedMachines : public TMachines {
 public:
  ProbedMachines() : TMachines("Cindervale Weapon Editor") {}
  bool Find(TEventInfo& info) override {
    Seen.push_back({info.Kind, info.Id, info.NotifyCode});
    return TMachines::Find(info);
  }
  std::vector<SeenEvent> Seen;
};

using Handler = void (TMachines::*)();

Handler HandlerFor(TEventKind kind, int id, int code) {
  const auto entry = std::ranges::find_if(TMachines::Entries, [&](const auto& e) {
    return e.Matches(TEventInfo{kind, id, code, {}});
  });
  return entry == TMachines::Entries.end() ? nullptr : entry->Handler;
}

QStringList ActionTexts(const QWidget* menu) {
  QStringList texts;
  for (const QAction* action : menu->actions()) {
    texts << (action->isSeparator() ? QStringLiteral("<separator>") : action->text());
  }
  return texts;
}

struct ProbeResult {
  int ExitCode;
  QStringList Output;
};

ProbeResult RunCloseProbe(const QStringList& arguments) {
  QProcess probe;
  probe.start(QStringLiteral(KALVEX_CLOSE_PROBE), arguments);
  if (!probe.waitForFinished(60000)) return {-1, {}};
  const QString output = QString::fromLatin1(probe.readAllStandardOutput());
  const int code = probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -2;
  return {code, output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)};
}

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

  void titleAndIcon() {
    QCOMPARE(frame()->windowTitle(), QStringLiteral("Cindervale Weapon Editor"));
    QVERIFY(frame()->windowIcon().availableSizes().contains(QSize(32, 32)));
  }

  void outerSizeStaysFixed() {
    QCOMPARE(frame()->frameGeometry().size(), QSize(640, 480));
    QCOMPARE(frame()->minimumSize(), frame()->maximumSize());
    const Qt::WindowFlags flags = frame()->windowFlags();
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));

    frame()->resize(800, 600);
    QTest::qWait(20);
    QCOMPARE(frame()->frameGeometry().size(), QSize(640, 480));
  }

  void menuBarHasTheItemsInOrder() {
    QCOMPARE(ActionTexts(frame()->menuBar()), QStringList({"&File", "&Help"}));
    const QList<QAction*> menus = frame()->menuBar()->actions();
    QCOMPARE(ActionTexts(menus[0]->menu()), QStringList({"&New", "O&pen", "Sa&ve", "E&xit"}));
    QCOMPARE(ActionTexts(menus[1]->menu()), QStringList({"&Contents", "&About"}));
    for (const QAction* menu : menus) {
      for (const QAction* item : menu->menu()->actions()) {
        QVERIFY2(item->shortcut().isEmpty(), qPrintable(item->text()));
        QVERIFY2(item->isEnabled(), qPrintable(item->text()));
      }
    }
  }

  // Each item, chosen by its mnemonics, sends its command, and the response
  // table routes the command to its handler.
  void menuItemsReachTheirHandlers() {
    struct Row {
      const char* Menu;
      const char* Item;
      int Command;
      Handler Expected;
    };
    const Row rows[] = {
        {"&File", "&New", 104, &TMachines::New},
        {"&File", "O&pen", 110, &TMachines::Open},
        {"&File", "Sa&ve", 106, &TMachines::Save},
        {"&File", "E&xit", 105, &TMachines::Close},
        {"&Help", "&Contents", 103, &TMachines::Help},
        {"&Help", "&About", 102, &TMachines::CmAbout},
    };
    window_->save = 0;  // File, Exit then asks, and the scripted Cancel keeps the window
    for (const Row& row : rows) {
      window_->Seen.clear();
      QVERIFY2(ChooseMenuItem(frame(), row.Menu, row.Item), row.Item);
      const SeenEvent expected{TEventKind::Command, row.Command, 0};
      QVERIFY2(window_->Seen == std::vector<SeenEvent>{expected}, row.Item);
      QVERIFY2(HandlerFor(TEventKind::Command, row.Command, 0) == row.Expected, row.Item);
    }
    QVERIFY(frame()->isVisible());
  }

  // A click in a list with the page list's identifier reaches the page switch.
  void listSelectionReachesThePageSwitch() {
    auto* list = new TListBox(window_.get(), ID_SIMPLE_COMBOBOX, 10, 30, 160, 150);
    QVERIFY(list->Create());
    list->InsertString("Weapon Code", 0);
    list->InsertString("Weapon Description", 1);
    auto* widget = static_cast<QListWidget*>(list->GetHandle());
    window_->Seen.clear();
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                      widget->visualItemRect(widget->item(1)).center());
    const SeenEvent expected{TEventKind::ChildNotify, ID_SIMPLE_COMBOBOX, LBN_SELCHANGE};
    QVERIFY(window_->Seen == std::vector<SeenEvent>{expected});
    QVERIFY(HandlerFor(TEventKind::ChildNotify, 200, 1) == &TMachines::EvCBNSelChange);
    QVERIFY(!HandlerFor(TEventKind::ChildNotify, 200, 2));
    QVERIFY(!HandlerFor(TEventKind::ChildNotify, 207, 1));
  }

  // Controls sit at client coordinates; the client area starts below the menu bar.
  void fixedControlsStandAtTheirPlaces() {
    struct Row {
      TWindow* Control;
      int Id;
      QRect Place;
      QString Text;
    };
    const Row rows[] = {
        {window_->GroupBox, 130, {180, 30, 400, 100}, "Item Help"},
        {window_->CurHelp, -1, {200, 50, 340, 18}, " "},
        {window_->HelpDesc, -1, {30, 230, 340, 18}, " "},
        {window_->HelpDesc2, -1, {30, 300, 340, 18}, " "},
        {window_->HelpDesc3, -1, {30, 370, 340, 18}, " "},
        {window_->HelpDesc4, -1, {300, 230, 340, 18}, " "},
        {window_->HelpDesc5, -1, {300, 300, 340, 18}, " "},
        {window_->HelpDesc6, -1, {300, 370, 340, 18}, " "},
    };
    const int menuBottom = frame()->menuBar()->geometry().bottom() + 1;
    QVERIFY(menuBottom > 0);
    for (const Row& row : rows) {
      QWidget* widget = row.Control->GetHandle();
      QVERIFY(widget && widget->isVisible());
      QCOMPARE(row.Control->GetId(), row.Id);
      QCOMPARE(widget->size(), row.Place.size());
      QCOMPARE(widget->mapTo(frame(), QPoint(0, 0)),
               QPoint(row.Place.x(), menuBottom + row.Place.y()));
      auto* label = qobject_cast<QLabel*>(widget);
      auto* group = qobject_cast<QGroupBox*>(widget);
      QCOMPARE(label ? label->text() : group->title(), row.Text);
    }
  }

  void startsWithoutPageListAndWithResetRecord() {
    QVERIFY(!window_->ComboBox);
    QVERIFY(frame()->findChildren<QListWidget*>().isEmpty());
    QCOMPARE(window_->Box, 0);
    QCOMPARE(window_->save, 1);
    const std::vector<void*> pageSlots = {
        window_->Enter,     window_->Enter2,    window_->Enter3,    window_->Enter4,
        window_->Enter5,    window_->Check1,    window_->ComboBox1, window_->ComboBox2,
        window_->ComboBox3, window_->ComboBox4, window_->ComboBox5, window_->ComboBox6};
    QVERIFY(std::ranges::all_of(pageSlots, [](void* slot) { return slot == nullptr; }));
    QVERIFY(window_->Weapon == kalvex::WeaponRecord{});
    QCOMPARE(window_->Weapon.Weapmodl, 0);
  }

  void fileDataIsSharedAndEmpty() {
    const TOpenSaveDialog::TData& data = *window_->FileData;
    QCOMPARE(data.Flags, 0x1004UL);
    QCOMPARE(data.Filter, std::string("Weapon Files (*.TDF)|*.tdf|"));
    QCOMPARE(data.DefExt, std::string("TDF"));
    QVERIFY(data.FileName.empty());
  }

  void closingWithUnsavedChangesAsksAndCancelKeepsTheWindow_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("boxClosed");
    QTest::newRow("File, Exit, Cancel") << "file-exit" << false;
    QTest::newRow("close box, Cancel") << "close-box" << false;
    QTest::newRow("close box, question box closed") << "close-box" << true;
  }

  void closingWithUnsavedChangesAsksAndCancelKeepsTheWindow() {
    QFETCH(QString, how);
    QFETCH(bool, boxClosed);
    window_->save = 0;
    if (!boxClosed) ui_->Answers.push_back(IDCANCEL);
    if (how == "file-exit") {
      QVERIFY(ChooseMenuItem(frame(), "&File", "E&xit"));
    } else {
      frame()->windowHandle()->close();
    }
    QVERIFY(frame()->isVisible());
    QCOMPARE(ui_->Questions.size(), 1u);
    QCOMPARE(ui_->Questions[0].Text, std::string("Do You Want To Save The Script?"));
    QCOMPARE(ui_->Questions[0].Caption, std::string("Warning..."));
    QCOMPARE(ui_->Questions[0].Type, MB_YESNOCANCEL);
    QCOMPARE(window_->save, 0);
  }

  // Closing that goes ahead ends the process at once with status 1.
  void closingEndsTheProcess_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("output");
    const QString question = QStringLiteral("asked: Do You Want To Save The Script?|Warning...|3");
    QTest::newRow("File, Exit after start")
        << QStringList{"file-exit", "1", "none"} << 1 << QStringList{};
    QTest::newRow("close box after start")
        << QStringList{"close-box", "1", "none"} << 1 << QStringList{};
    QTest::newRow("window closed after start")
        << QStringList{"widget-close", "1", "none"} << 1 << QStringList{};
    QTest::newRow("unsaved, No") << QStringList{"file-exit", "0", "no"} << 1
                                 << QStringList{question};
    // Yes, with the save dialog cancelled: nothing was saved, so the window stays.
    QTest::newRow("unsaved, Yes, not saved")
        << QStringList{"close-box", "0", "yes"} << 0 << QStringList{question, "open"};
    QTest::newRow("unsaved, Cancel")
        << QStringList{"close-box", "0", "cancel"} << 0 << QStringList{question, "open"};
    // Yes and written: the process ends; Yes and the file cannot be written:
    // the reason is shown and the window stays.
    QTest::newRow("unsaved, Yes, saved")
        << QStringList{"close-box", "0", "yes", closeDir_.filePath("closed.tdf")} << 1
        << QStringList{question};
    QTest::newRow("unsaved, Yes, saving failed")
        << QStringList{"file-exit", "0", "yes", closeDir_.filePath("missing/closed.tdf")} << 0
        << QStringList{question, "asked: Unable to open file|File Error|48", "open"};
  }

  void closingEndsTheProcess() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, output);
    const ProbeResult result = RunCloseProbe(arguments);
    QCOMPARE(result.Output, output);
    QCOMPARE(result.ExitCode, exitCode);
    if (arguments.size() > 3) {
      QFile written(arguments[3]);
      QCOMPARE(written.exists(), exitCode == 1);
      QVERIFY(!written.exists() ||
              (written.open(QIODevice::ReadOnly) && written.readAll().startsWith("[ ]\r\n\t{")));
    }
  }

  // Arguments are not read: not even the platform's own options.
  void editorIgnoresItsArguments() {
    QProcess editor;
    editor.start(QStringLiteral(KALVEX_EDITOR), {"-platform", "no-such-platform", "x.tdf"});
    QVERIFY(editor.waitForStarted());
    QVERIFY2(!editor.waitForFinished(1500), "the editor ended on its own");
    editor.kill();
    editor.waitForFinished();
  }

 private:
  QMainWindow* frame() const { return static_cast<QMainWindow*>(window_->GetHandle()); }

  std::unique_ptr<ScriptedUserInterface> ui_;
  std::unique_ptr<ProbedMachines> window_;
  QTemporaryDir closeDir_;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
