// The Qt controls as the user drives them, where no page of the main window
// reaches them: a list box without a selection or destroyed inside its own
// notification, entries put in at any place, edits without a limit or with
// another character set, input beyond Latin-1, the edit's own menu, and what
// the controls report to the program. What the pages reach, both
// implementations run as window cases.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <array>
#include <cctype>
#include <memory>
#include <string_view>
#include <tuple>

#include "platform/platform.h"
#include "platform/qt/native_window.h"
#include "tests/ui/offscreen_messages.h"
#include "tests/window/scripted_user_interface.h"

namespace {

// A frame whose response table counts the selection changes from id 200
// and, when asked, destroys and deletes the control that sent one.
class ListOwner : public TFrameWindow {
 public:
  ListOwner() : TFrameWindow(nullptr, "lists") {
    Attr.W = 400;
    Attr.H = 300;
  }
  bool Find(TEventInfo& info) override {
    return SearchEntries<ListOwner>(*this, kEntries, info) || TFrameWindow::Find(info);
  }
  void SelectionChanged() {
    ++Notifications;
    if (DeleteOnNotify) {
      DeleteOnNotify->Destroy();
      delete std::exchange(DeleteOnNotify, nullptr);
    }
  }

  int Notifications = 0;
  TWindow* DeleteOnNotify = nullptr;

 private:
  static constexpr std::array<TResponseTableEntry<ListOwner>, 1> kEntries = {
      EvChildNotify(200, LBN_SELCHANGE, &ListOwner::SelectionChanged)};
};

template <class Widget>
Widget* HandleOf(const TWindow* control) {
  return WidgetOf<Widget>(*control);
}

void ClickEntry(const TListBox* list, int row) {
  QListWidget* widget = HandleOf<QListWidget>(list);
  QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                    widget->visualItemRect(widget->item(row)).center());
}

// What a user puts into an edit with validators ("range": 1 to 255,
// else a filter's set) that shows a text set by the program.
struct EditInput {
  const char* name;
  int textLen;
  QStringList validators;
  const char* programText;
  const char* input;  // typed, or the clipboard
  const char* shown;
  int beeps;              // inputs refused, each with the platform's signal
  bool fromMenu = false;  // pasted with the edit's menu, not Ctrl+V
};

// The index the program selects and the selection then shown.
using Selection = std::tuple<int, int>;

// The entry the program selects first (-2: none, the list as made, which
// its own notification deletes); what the user does: 'f' gives the focus, a
// digit clicks that entry, 'd' presses Down; the notifications and the
// selection then.
using UserSelection = std::tuple<int, const char*, int, int>;

// Qt Test data as a table of structs, each named by its `name`.
template <class Row>
void AddRows(std::initializer_list<Row> rows) {
  QTest::addColumn<Row>("row");
  for (const Row& row : rows) QTest::newRow(row.name) << row;
}

}  // namespace

class ControlsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { DropOffscreenPlatformLimits(); }

  void init() {
    owner_ = std::make_unique<ListOwner>();
    QVERIFY(owner_->Create());
    owner_->Show();
    WidgetOf(*owner_)->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(WidgetOf(*owner_)));
  }

  void cleanup() { owner_.reset(); }

  // A selection by program sends nothing; an index outside the entries
  // leaves none selected.
  void selectionByProgramIsSilent_data() {
    QTest::addColumn<Selection>("row");
    QTest::newRow("an entry") << Selection{3, 3};
    QTest::newRow("none") << Selection{-1, -1};
    QTest::newRow("just past the end") << Selection{5, -1};
    QTest::newRow("below -1") << Selection{-7, -1};
  }

  void selectionByProgramIsSilent() {
    QFETCH(Selection, row);
    const auto [index, selected] = row;
    TListBox* list = MakeList();
    list->SetSelIndex(1);
    list->SetSelIndex(index);
    QCOMPARE(list->GetSelIndex(), selected);
    QCOMPARE(HandleOf<QListWidget>(list)->selectedItems().size(), selected < 0 ? 0 : 1);
    QCOMPARE(owner_->Notifications, 0);
  }

  void insertStringPlacesEntries() {
    auto* list = new TListBox(owner_.get(), 200, 10, 10, 160, 150);
    QCOMPARE(list->InsertString("early", 0), -1);  // no window yet
    QVERIFY(list->Create());
    QCOMPARE(list->InsertString("b", 0), 0);
    QCOMPARE(list->InsertString("a", 0), 0);
    QCOMPARE(list->InsertString("c", -1), 2);
    QCOMPARE(list->InsertString("far", 4), -1);
    QCOMPARE(HandleOf<QListWidget>(list)->item(1)->text(), QStringLiteral("b"));
    TComboBox* combo = MakeCombo();
    combo->SetSelIndex(2);
    QCOMPARE(combo->InsertString("first", 0), 0);
    QCOMPARE(combo->GetSelIndex(), 3);  // the selection moves with its entry
  }

  // One notification per click, and one per key press that moves the
  // selection, from no selection too; the list destroyed inside its own
  // notification goes.
  void userSelectionNotifies_data() {
    QTest::addColumn<UserSelection>("row");
    QTest::newRow("click, nothing selected") << UserSelection{-1, "f2", 1, 2};
    QTest::newRow("down from no selection") << UserSelection{-1, "fd", 1, 0};
    QTest::newRow("destroyed inside") << UserSelection{-2, "1", 1, -1};
  }

  void userSelectionNotifies() {
    QFETCH(UserSelection, row);
    const auto& [start, actions, notifications, selected] = row;
    TListBox* list = MakeList();
    QPointer<QWidget> widget = WidgetOf(*list);
    if (start == -2) {
      owner_->DeleteOnNotify = list;
    } else {
      list->SetSelIndex(start);
    }
    for (const char action : std::string_view(actions)) {
      if (action == 'f') {
        list->SetFocus();
      } else if (std::isdigit(action)) {
        ClickEntry(list, action - '0');
      } else {
        QTest::keyClick(widget, Qt::Key_Down);
      }
    }
    QCOMPARE(owner_->Notifications, notifications);
    if (start == -2) {
      QVERIFY(!owner_->DeleteOnNotify);
      QTRY_VERIFY(widget.isNull());
      return;
    }
    QCOMPARE(list->GetSelIndex(), selected);
  }

  // The limit and the validator judge what the user types, never what the
  // program shows.
  void editJudgesTyping_data() {
    const QStringList none;
    AddRows<EditInput>({
        {"no limit", 0, none, "", "abcdefg", "abcdefg", 0},
        {"filter", 8, {" 0-9."}, "", "1.5 x2", "1.5 2", 1},
        {"second validator replaces the first", 8, {"range", "0-9."}, "", "1.5", "1.5", 0},
        {"only single-byte characters fit a script", 10, none, "", "é中€x", "éx", 2},
    });
  }

  void editJudgesTyping() {
    QFETCH(EditInput, row);
    ScriptedUserInterface ui;
    TEdit* edit = MakeEdit(row);
    auto* line = HandleOf<QLineEdit>(edit);
    for (const QChar key : QString::fromUtf8(row.input)) {
      if (key.unicode() < 0x80) {
        QTest::keyClick(line, char(key.unicode()));
      } else {  // a character without a key of its own, as an input method sends it
        QTest::sendKeyEvent(QTest::Click, line, Qt::Key_unknown, QString(key), Qt::NoModifier);
      }
    }
    QCOMPARE(line->text(), QString::fromUtf8(row.shown));
    QCOMPARE(edit->GetText(), QString::fromUtf8(row.shown).toLatin1().toStdString());
    QCOMPARE(ui.Beeps, row.beeps);
  }

  // A paste loses the blanks and line ends at its ends, and is then taken
  // whole or, with the platform's signal, not at all; from the keys or the
  // edit's menu alike. An empty `shown` keeps the program text.
  void editJudgesPaste_data() {
    const QStringList none, range{"range"};
    AddRows<EditInput>({
        {"from the menu", 10, range, "", "12\n", "12", 0, true},
        {"tab inside", 10, none, "", "a\tb", "", 1, true},
        {"euro sign", 10, none, "", "5€", "", 1},
    });
  }

  void editJudgesPaste() {
    QFETCH(EditInput, row);
    ScriptedUserInterface ui;
    auto* line = HandleOf<QLineEdit>(MakeEdit(row));
    line->setFocus();
    line->end(false);
    QGuiApplication::clipboard()->setText(QString::fromUtf8(row.input));
    if (!row.fromMenu) {
      QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
    } else {
      QContextMenuEvent event(QContextMenuEvent::Mouse, line->rect().center(),
                              line->mapToGlobal(line->rect().center()));
      QApplication::sendEvent(line, &event);
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      QVERIFY(menu);
      QAction* paste = nullptr;
      for (QAction* action : menu->actions()) {
        if (action->text().startsWith(QStringLiteral("&Paste"))) paste = action;
      }
      QVERIFY(paste);
      paste->trigger();
      menu->close();
    }
    QCOMPARE(line->text(), QString(*row.shown ? row.shown : row.programText));
    QCOMPARE(ui.Beeps, row.beeps);
  }

  // The edit's menu undoes and redoes with the edit's own history, as the
  // keys do, never with the line edit's.
  void editMenuUndoesTheUsersChanges() {
    ScriptedUserInterface ui;
    auto* line = HandleOf<QLineEdit>(MakeEdit({"", 10, {}, "", "", "", 0}));
    line->setFocus();
    QTest::keyClicks(line, "ab");
    const auto choose = [line](const QString& text) {
      QContextMenuEvent event(QContextMenuEvent::Mouse, line->rect().center(),
                              line->mapToGlobal(line->rect().center()));
      QApplication::sendEvent(line, &event);
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      QAction* chosen = nullptr;
      for (QAction* action : menu ? menu->actions() : QList<QAction*>()) {
        if (action->text().startsWith(text)) chosen = action;
      }
      const bool enabled = chosen && chosen->isEnabled();
      if (enabled) chosen->trigger();
      if (menu) menu->close();
      return enabled;
    };
    QVERIFY(!choose(QStringLiteral("&Redo")));
    QVERIFY(choose(QStringLiteral("&Undo")));
    QCOMPARE(line->text(), QStringLiteral("a"));
    QVERIFY(choose(QStringLiteral("&Redo")));
    QCOMPARE(line->text(), QStringLiteral("ab"));
    QVERIFY(choose(QStringLiteral("&Undo")) && choose(QStringLiteral("&Undo")));
    QVERIFY(!choose(QStringLiteral("&Undo")));
    QCOMPARE(line->text(), QString());
  }

  void editNotesUserChangesAndKeepsItsTextAfterDestroy() {
    TEdit* edit = MakeEdit(10);
    int changes = 0;
    edit->SetUserChangeHandler([&changes] { ++changes; });
    edit->SetText("program");
    edit->Clear();
    QCOMPARE(changes, 0);
    QTest::keyClicks(WidgetOf(*edit), "ab");
    QCOMPARE(changes, 2);
    edit->Destroy();
    QVERIFY(!WidgetOf(*edit));
    QCOMPARE(edit->GetText(), std::string("ab"));
  }

  void checkBoxReportsItsState() {
    auto* check = new TCheckBox(owner_.get(), 240, "Turret?", 10, 10, 120, 20);
    check->SetCheck(BF_CHECKED);  // before the window exists
    QVERIFY(check->Create());
    auto* widget = HandleOf<QCheckBox>(check);
    QVERIFY(widget->isChecked());
    QCOMPARE(check->SendMessage(BM_GETCHECK), 1L);
    int clicks = 0;
    check->SetUserChangeHandler([&clicks] { ++clicks; });
    check->SetCheck(BF_UNCHECKED);
    QCOMPARE(check->SendMessage(BM_GETCHECK), 0L);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    QCOMPARE(check->SendMessage(BM_GETCHECK), 1L);
    QCOMPARE(clicks, 1);
  }

 private:
  template <class Control>
  Control* Make(Control* control) {
    [&] { QVERIFY(control->Create()); }();
    return control;
  }

  TListBox* MakeList() {
    TListBox* list = Make(new TListBox(owner_.get(), 200, 10, 10, 160, 150));
    for (const char* entry : {"Code", "Description", "ID", "Damage", "Turret?"}) {
      list->InsertString(entry, -1);
    }
    return list;
  }

  TComboBox* MakeCombo() {
    TComboBox* combo = Make(new TComboBox(owner_.get(), 200, 10, 10, 240, 120));
    for (const char* entry : {"None", "Red", "Green", "Blue", "Yellow"}) {
      combo->InsertString(entry, -1);
    }
    return combo;
  }

  TEdit* MakeEdit(int textLen) {
    TEdit* edit = Make(new TEdit(owner_.get(), 207, "", 10, 10, 100, 20, textLen));
    edit->SetFocus();
    return edit;
  }

  TEdit* MakeEdit(const EditInput& row) {
    TEdit* edit = MakeEdit(row.textLen);
    for (const QString& validator : row.validators) {
      if (validator == "range") {
        edit->SetValidator(std::make_unique<TRangeValidator>(1, 255));
      } else {
        edit->SetValidator(std::make_unique<TFilterValidator>(TCharSet(validator.toStdString())));
      }
    }
    edit->SetText(row.programText);
    return edit;
  }

  std::unique_ptr<ListOwner> owner_;
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
