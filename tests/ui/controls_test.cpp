// The controls as the user drives them: lists, drop-down lists, edits, check
// boxes, and destroying a control from inside its own notification; and the
// character sets and validators of the edits on their own, text by text.
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
// "decimal", else a filter's set) that shows a text set by the program.
struct EditInput {
  const char* name;
  int textLen;
  QStringList validators;
  const char* programText;
  const char* input;  // keys ('<' moves to the start, '\b' erases) or the clipboard
  const char* shown;
  int beeps;              // inputs refused, each with the platform's signal
  bool fromMenu = false;  // pasted with the edit's menu, not Ctrl+V
};

// The kind of list (a drop-down list or not), the index the program selects
// and the selection then shown.
using Selection = std::tuple<bool, int, int>;

// The kind of list; the entry the program selects first (-2: none, the list
// as made, which its own notification deletes); what the user does: 'f'
// gives the focus, a digit clicks that entry, 'd' / 'u' press Down / Up; the
// notifications and the selection then.
using UserSelection = std::tuple<bool, int, const char*, int, int>;

// A set's text, bytes in the set and bytes not in it.
using CharSetRow = std::tuple<std::string_view, std::string_view, std::string_view>;
// The lowest and highest number, a text and whether it may stand while typing.
using RangeRow = std::tuple<int, int, std::string, bool>;

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
  // leaves none selected, in both kinds of list.
  void selectionByProgramIsSilent_data() {
    QTest::addColumn<Selection>("row");
    for (const bool combo : {false, true}) {
      const char* kind = combo ? "combo: " : "list: ";
      QTest::addRow("%san entry", kind) << Selection{combo, 3, 3};
      QTest::addRow("%snone", kind) << Selection{combo, -1, -1};
      QTest::addRow("%sjust past the end", kind) << Selection{combo, 5, -1};
      QTest::addRow("%sbelow -1", kind) << Selection{combo, -7, -1};
    }
  }

  void selectionByProgramIsSilent() {
    QFETCH(Selection, row);
    const auto [combo, index, selected] = row;
    if (combo) {
      TComboBox* box = MakeCombo();
      QCOMPARE(box->GetSelIndex(), -1);  // not Qt's first entry
      box->SetSelIndex(1);
      box->SetSelIndex(index);
      QCOMPARE(box->GetSelIndex(), selected);
      QCOMPARE(HandleOf<QComboBox>(box)->currentText().isEmpty(), selected < 0);
    } else {
      TListBox* list = MakeList();
      list->SetSelIndex(1);
      list->SetSelIndex(index);
      QCOMPARE(list->GetSelIndex(), selected);
      QCOMPARE(HandleOf<QListWidget>(list)->selectedItems().size(), selected < 0 ? 0 : 1);
    }
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

  // One notification per click, also on the selected entry (the first page
  // after File, New is chosen by clicking the selected entry 0), and one per
  // key press that moves the selection; in a drop-down list from the closed
  // box or its opened list. The page switch destroys the very list whose
  // notification it handles.
  void userSelectionNotifies_data() {
    QTest::addColumn<UserSelection>("row");
    QTest::newRow("click, nothing selected") << UserSelection{false, -1, "f2", 1, 2};
    QTest::newRow("click another entry") << UserSelection{false, 0, "f4", 1, 4};
    QTest::newRow("click the selected entry") << UserSelection{false, 0, "f0", 1, 0};
    QTest::newRow("down three times") << UserSelection{false, 0, "fddd", 3, 3};
    QTest::newRow("up at the top") << UserSelection{false, 0, "fuu", 0, 0};
    QTest::newRow("down past the end") << UserSelection{false, 3, "fddd", 1, 4};
    QTest::newRow("down from no selection") << UserSelection{false, -1, "fd", 1, 0};
    QTest::newRow("combo: arrow key on the closed box") << UserSelection{true, 0, "fd", 1, 1};
    QTest::newRow("combo: click in the opened list") << UserSelection{true, 0, "1", 1, 1};
    QTest::newRow("destroyed inside: list box") << UserSelection{false, -2, "1", 1, -1};
    QTest::newRow("destroyed inside: drop-down list") << UserSelection{true, -2, "fd", 1, -1};
  }

  void userSelectionNotifies() {
    QFETCH(UserSelection, row);
    const auto& [combo, start, actions, notifications, selected] = row;
    TComboBox* box = combo ? MakeCombo() : nullptr;
    TListBox* list = combo ? nullptr : MakeList();
    TWindow* control = combo ? static_cast<TWindow*>(box) : list;
    QPointer<QWidget> widget = WidgetOf(*control);
    if (start == -2) {
      owner_->DeleteOnNotify = control;
    } else {
      combo ? box->SetSelIndex(start) : list->SetSelIndex(start);
    }
    for (const char action : std::string_view(actions)) {
      if (action == 'f') {
        control->SetFocus();
      } else if (std::isdigit(action) && !combo) {
        ClickEntry(list, action - '0');
      } else if (std::isdigit(action)) {
        HandleOf<QComboBox>(box)->showPopup();
        QAbstractItemView* view = HandleOf<QComboBox>(box)->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(view->model()->index(action - '0', 0)).center());
      } else {
        QTest::keyClick(widget, action == 'd' ? Qt::Key_Down : Qt::Key_Up);
      }
    }
    if (start == -2) {
      QCOMPARE(owner_->Notifications, notifications);
      QVERIFY(!owner_->DeleteOnNotify);
      QTRY_VERIFY(widget.isNull());
      return;
    }
    if (combo) QTRY_COMPARE(box->GetSelIndex(), selected);
    QCOMPARE(owner_->Notifications, notifications);
    if (!combo) QCOMPARE(list->GetSelIndex(), selected);
  }

  // The limit and the validator judge what the user types, never what the
  // program shows.
  void editJudgesTyping_data() {
    const QStringList none, range{"range"}, decimal{"decimal"};
    AddRows<EditInput>({
        {"typing stops at the limit", 5, none, "", "abcdefg", "abcd", 3},
        {"no limit", 0, none, "", "abcdefg", "abcdefg", 0},
        {"long program text kept", 5, none, "ABCDEFGH", "xy", "ABCDEFGH", 2},
        {"long program text shortened", 5, none, "ABCDEFGH", "\b\bx", "ABCDEF", 1},
        {"range: above", 8, range, "", "256", "25", 1},
        {"range: letters and zero first", 8, range, "", "0a12", "12", 2},
        {"range: emptied", 8, range, "", "12\b\b", "", 0},
        {"range: before a blank", 8, range, " ", "<7", " ", 1},
        {"range: after a blank", 8, range, " ", "7", " ", 1},
        {"range: program text not judged", 8, range, "abc", "", "abc", 0},
        {"range: out-of-range program text shortened", 5, range, "12345678", "\b\b\b\b\b", "123",
         0},
        {"range: out-of-range program text takes no new characters", 5, range, "1000", "\b7a",
         "100", 2},
        {"filter", 8, {" 0-9."}, "", "1.5 x2", "1.5 2", 1},
        {"decimal: a second point", 8, decimal, "", "1.2.5", "1.25", 1},
        {"decimal: program text of two points shortened", 8, decimal, "1.2.3", "\b\b4", "1.24", 0},
        {"decimal: a minus after a digit", 8, decimal, "", "-1-2", "-12", 1},
        {"decimal: a minus put before the number", 8, decimal, "0.5", "<-", "-0.5", 0},
        {"decimal: a second minus before the number", 8, decimal, "-5", "<-", "-5", 1},
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
      if (key == '<') {
        line->home(false);
      } else if (key == '\b') {
        QTest::keyClick(line, Qt::Key_Backspace);
      } else if (key.unicode() < 0x80) {
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
        {"blanks and line ends at the ends", 10, range, "", " \t12\r\n", "12", 0},
        {"from the menu", 10, range, "", "12\n", "12", 0, true},
        {"after a program text", 10, none, "AB", "CD ", "ABCD", 0},
        {"blanks alone", 10, none, "X", "  \n", "X", 0},
        {"blank inside a number", 10, range, "", "1 2", "", 1},
        {"line end inside", 10, none, "", "1\n2", "", 1},
        {"tab inside", 10, none, "", "a\tb", "", 1, true},
        {"euro sign", 10, none, "", "5€", "", 1},
        {"a second point", 10, {"decimal"}, "1.5", ".2", "", 1},
        {"semicolon in a number", 10, {"0-9."}, "", "1;5", "", 1},
        {"past the limit", 5, none, "", "abcde", "", 1},
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

  // A text the program put there is never refused as it stands: not when
  // the edit takes the focus, nor when Enter is pressed or the focus leaves.
  void editNeverRefusesTheTextItShows() {
    ScriptedUserInterface ui;
    TEdit* edit = MakeEdit({"", 5, {"decimal"}, "1.2.3", "", "", 0});
    auto* line = HandleOf<QLineEdit>(edit);
    QLineEdit other(line->parentWidget());
    other.show();
    line->setFocus();
    QTest::keyClick(line, Qt::Key_Return);
    QTest::keyClick(line, Qt::Key_End);
    other.setFocus();
    QCoreApplication::processEvents();
    QCOMPARE(line->text(), QStringLiteral("1.2.3"));
    QCOMPARE(edit->GetText(), std::string("1.2.3"));
    QCOMPARE(ui.Beeps, 0);
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

  void charSetReadsRanges_data() {
    using namespace std::string_view_literals;
    QTest::addColumn<CharSetRow>("row");
    QTest::newRow("digits") << CharSetRow{"0-9", "0369", " .-/:a"};
    QTest::newRow("blank, digits, full stop") << CharSetRow{" 0-9.", " 07.", "-,a\t"};
    QTest::newRow("hyphen at either end") << CharSetRow{"-a-", "-a", "b"};
    QTest::newRow("reversed range") << CharSetRow{"9-0", "", "05"};
    QTest::newRow("up to the last byte") << CharSetRow{"\x01-\xff", "\x01\xff", "\0"sv};
  }

  void charSetReadsRanges() {
    QFETCH(CharSetRow, row);
    const auto& [set, members, others] = row;
    const TCharSet chars{std::string(set)};
    for (char c : members) QVERIFY2(chars.Has(c), QByteArray(1, c));
    for (char c : others) QVERIFY2(!chars.Has(c), QByteArray(1, c));
    QVERIFY(TFilterValidator(chars).IsValidInput(std::string(members)));
    QCOMPARE(TFilterValidator(chars).IsValidInput(std::string(members) + std::string(others)),
             others.empty());
  }

  void rangeAcceptsWholeNumbersWhileTyping_data() {
    QTest::addColumn<RangeRow>("row");
    QTest::newRow("empty") << RangeRow{1, 255, "", true};
    QTest::newRow("blank only") << RangeRow{1, 255, " ", false};
    QTest::newRow("lowest") << RangeRow{1, 255, "1", true};
    QTest::newRow("highest") << RangeRow{1, 255, "255", true};
    QTest::newRow("above") << RangeRow{1, 255, "256", false};
    QTest::newRow("far above") << RangeRow{1, 255, "99999999999999999999", false};
    QTest::newRow("zero below the range") << RangeRow{1, 255, "0", false};
    QTest::newRow("leading zero") << RangeRow{1, 255, "07", false};
    QTest::newRow("zero in range") << RangeRow{0, 100, "0", true};
    QTest::newRow("signs") << RangeRow{1, 255, "-1", false};
    QTest::newRow("trailing blanks") << RangeRow{1, 255, "12  ", false};
    QTest::newRow("blank inside") << RangeRow{1, 255, "1 5", false};
    QTest::newRow("leading blank") << RangeRow{1, 255, " 12", false};
    QTest::newRow("decimal point") << RangeRow{1, 9000, "1.5", false};
    QTest::newRow("start of a number in range") << RangeRow{10, 100, "5", true};
    QTest::newRow("cannot reach the range") << RangeRow{500, 600, "7", false};
    QTest::newRow("highest int") << RangeRow{1, 2147483647, "2147483647", true};
    QTest::newRow("past the highest int") << RangeRow{1, 2147483647, "2147483648", false};
  }

  void decimalTakesAStartingMinusAndAtMostOnePoint_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("digits") << "1250" << true;
    QTest::newRow("one point") << "0.367" << true;
    QTest::newRow("point first") << ".5" << true;
    QTest::newRow("point last, while typing") << "5." << true;
    QTest::newRow("point alone, while typing") << "." << true;
    QTest::newRow("a second point") << "1.2." << false;
    QTest::newRow("two points") << ".." << false;
    QTest::newRow("points apart") << "1.2.3" << false;
    QTest::newRow("blank") << "1 5" << false;
    QTest::newRow("leading minus") << "-1" << true;
    QTest::newRow("minus alone, while typing") << "-" << true;
    QTest::newRow("minus and point, while typing") << "-." << true;
    QTest::newRow("negative decimal") << "-0.367" << true;
    QTest::newRow("minus after a digit") << "1-" << false;
    QTest::newRow("minus after the point") << ".-5" << false;
    QTest::newRow("two minuses") << "--1" << false;
    QTest::newRow("blank before the minus") << " -1" << false;
    QTest::newRow("plus") << "+1" << false;
    QTest::newRow("comma") << "1,5" << false;
    QTest::newRow("exponent") << "1e3" << false;
  }

  void decimalTakesAStartingMinusAndAtMostOnePoint() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(TDecimalValidator().IsValidInput(text.toStdString()), valid);
  }

  void rangeAcceptsWholeNumbersWhileTyping() {
    QFETCH(RangeRow, row);
    const auto& [min, max, text, valid] = row;
    QCOMPARE(TRangeValidator(min, max).IsValidInput(text), valid);
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
      } else if (validator == "decimal") {
        edit->SetValidator(std::make_unique<TDecimalValidator>());
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
