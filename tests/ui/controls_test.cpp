// The controls as the user drives them: lists, drop-down lists, edits, check
// boxes, and destroying a control from inside its own notification.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <array>
#include <memory>

#include "platform/platform.h"
#include "tests/ui/offscreen_messages.h"

namespace {

constexpr int kListId = 200;

// A frame whose response table counts the selection changes of its lists
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
      delete DeleteOnNotify;
      DeleteOnNotify = nullptr;
    }
  }

  int Notifications = 0;
  TWindow* DeleteOnNotify = nullptr;

 private:
  static constexpr std::array<TResponseTableEntry<ListOwner>, 1> kEntries = {
      EvChildNotify(kListId, LBN_SELCHANGE, &ListOwner::SelectionChanged)};
};

const char* const kEntries[] = {"Weapon Code", "Weapon Description", "Weapon ID", "Damage",
                                "Turret?"};

QListWidget* ListWidget(const TListBox* list) {
  return static_cast<QListWidget*>(list->GetHandle());
}

void ClickEntry(QListWidget* widget, int row) {
  QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                    widget->visualItemRect(widget->item(row)).center());
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
    owner_->GetHandle()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(owner_->GetHandle()));
  }

  void cleanup() { owner_.reset(); }

  void listSelectionByProgramIsSilent_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("selected");
    QTest::newRow("an entry") << 3 << 3;
    QTest::newRow("none") << -1 << -1;
    QTest::newRow("just past the end") << 5 << -1;
    QTest::newRow("far past the end") << 1000 << -1;
    QTest::newRow("below -1") << -7 << -1;
  }

  void listSelectionByProgramIsSilent() {
    QFETCH(int, index);
    QFETCH(int, selected);
    TListBox* list = MakeList();
    list->SetSelIndex(1);
    list->SetSelIndex(index);
    QCOMPARE(list->GetSelIndex(), selected);
    QCOMPARE(ListWidget(list)->selectedItems().size(), selected < 0 ? 0 : 1);
    QCOMPARE(owner_->Notifications, 0);
  }

  void listInsertStringPlacesEntries() {
    auto* list = new TListBox(owner_.get(), kListId, 10, 10, 160, 150);
    QCOMPARE(list->InsertString("early", 0), -1);  // no window yet
    QVERIFY(list->Create());
    QCOMPARE(list->InsertString("b", 0), 0);
    QCOMPARE(list->InsertString("a", 0), 0);
    QCOMPARE(list->InsertString("d", -1), 2);
    QCOMPARE(list->InsertString("c", 2), 2);
    QCOMPARE(list->InsertString("far", 9), -1);
    QCOMPARE(list->InsertString("below", -2), -1);
    QStringList shown;
    for (int row = 0; row < ListWidget(list)->count(); ++row) {
      shown << ListWidget(list)->item(row)->text();
    }
    QCOMPARE(shown, QStringList({"a", "b", "c", "d"}));
    QCOMPARE(list->GetSelIndex(), -1);
  }

  // One notification per click, also on the entry already selected.
  void listClickNotifiesOnce_data() {
    QTest::addColumn<int>("preselected");
    QTest::addColumn<int>("clicked");
    QTest::newRow("nothing selected") << -1 << 2;
    QTest::newRow("another entry") << 0 << 4;
    QTest::newRow("the selected entry") << 0 << 0;
  }

  void listClickNotifiesOnce() {
    QFETCH(int, preselected);
    QFETCH(int, clicked);
    TListBox* list = MakeList();
    list->SetSelIndex(preselected);
    ClickEntry(ListWidget(list), clicked);
    QCOMPARE(owner_->Notifications, 1);
    QCOMPARE(list->GetSelIndex(), clicked);
  }

  void listControlClickKeepsTheSelection() {
    TListBox* list = MakeList();
    list->SetSelIndex(2);
    QListWidget* widget = ListWidget(list);
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      widget->visualItemRect(widget->item(2)).center());
    QCOMPARE(list->GetSelIndex(), 2);
  }

  // One notification per key press that moves the selection.
  void listArrowKeysNotifyPerPress_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("notifications");
    QTest::addColumn<int>("selected");
    QTest::newRow("down three") << 0 << int(Qt::Key_Down) << 3 << 3 << 3;
    QTest::newRow("up at the top") << 0 << int(Qt::Key_Up) << 2 << 0 << 0;
    QTest::newRow("down past the end") << 3 << int(Qt::Key_Down) << 3 << 1 << 4;
    QTest::newRow("down from no selection") << -1 << int(Qt::Key_Down) << 1 << 1 << 0;
  }

  void listArrowKeysNotifyPerPress() {
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, presses);
    QFETCH(int, notifications);
    QFETCH(int, selected);
    TListBox* list = MakeList();
    list->SetSelIndex(start);
    list->SetFocus();
    for (int press = 0; press < presses; ++press) {
      QTest::keyClick(ListWidget(list), static_cast<Qt::Key>(key));
    }
    QCOMPARE(owner_->Notifications, notifications);
    QCOMPARE(list->GetSelIndex(), selected);
  }

  void comboKeepsNoSelectionUntilChosen() {
    auto* combo = new TComboBox(owner_.get(), kListId, 10, 10, 240, 120);
    QVERIFY(combo->Create());
    for (int i = 0; i < 3; ++i) QCOMPARE(combo->InsertString(kEntries[i], i), i);
    auto* widget = static_cast<QComboBox*>(combo->GetHandle());
    QCOMPARE(combo->GetSelIndex(), -1);
    QCOMPARE(widget->currentText(), QString());
    combo->SetSelIndex(1);
    QCOMPARE(combo->GetSelIndex(), 1);
    combo->SetSelIndex(3);
    QCOMPARE(combo->GetSelIndex(), -1);
    QCOMPARE(widget->currentText(), QString());
    combo->SetSelIndex(2);
    QCOMPARE(combo->InsertString("first", 0), 0);
    QCOMPARE(combo->GetSelIndex(), 3);
    QCOMPARE(owner_->Notifications, 0);
    QCOMPARE(widget->geometry().topLeft(), QPoint(10, 10));
    QCOMPARE(widget->width(), 240);
  }

  void comboUserPickNotifiesOnce_data() {
    QTest::addColumn<bool>("fromOpenedList");
    QTest::newRow("arrow key on the closed box") << false;
    QTest::newRow("click in the opened list") << true;
  }

  void comboUserPickNotifiesOnce() {
    QFETCH(bool, fromOpenedList);
    TComboBox* combo = MakeCombo();
    combo->SetSelIndex(0);
    auto* widget = static_cast<QComboBox*>(combo->GetHandle());
    if (fromOpenedList) {
      widget->showPopup();
      QAbstractItemView* view = widget->view();
      QVERIFY(QTest::qWaitForWindowExposed(view->window()));
      QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                        view->visualRect(view->model()->index(1, 0)).center());
    } else {
      combo->SetFocus();
      QTest::keyClick(widget, Qt::Key_Down);
    }
    QTRY_COMPARE(combo->GetSelIndex(), 1);
    QCOMPARE(owner_->Notifications, 1);
  }

  // The page switch destroys the very list whose notification it handles.
  void destroyingInsideOwnNotificationIsSafe_data() {
    QTest::addColumn<bool>("combo");
    QTest::newRow("list box") << false;
    QTest::newRow("drop-down list") << true;
  }

  void destroyingInsideOwnNotificationIsSafe() {
    QFETCH(bool, combo);
    QPointer<QWidget> widget;
    if (combo) {
      TComboBox* box = MakeCombo();
      owner_->DeleteOnNotify = box;
      widget = box->GetHandle();
      box->SetFocus();
      QTest::keyClick(widget, Qt::Key_Down);
    } else {
      TListBox* list = MakeList();
      owner_->DeleteOnNotify = list;
      widget = list->GetHandle();
      ClickEntry(ListWidget(list), 1);
    }
    QCOMPARE(owner_->Notifications, 1);
    QVERIFY(!owner_->DeleteOnNotify);
    QTRY_VERIFY(widget.isNull());
  }

  // The limit bounds what the user types, never what the program shows.
  void editLimitBoundsTyping_data() {
    QTest::addColumn<int>("textLen");
    QTest::addColumn<QString>("programText");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("typing stops at the limit") << 5 << ""
                                               << "abcdefg"
                                               << "abcd";
    QTest::newRow("no limit") << 0 << ""
                              << "abcdefg"
                              << "abcdefg";
    QTest::newRow("program text longer than the limit") << 5 << "ABCDEFGH"
                                                        << "xy"
                                                        << "ABCDEFGH";
    QTest::newRow("program text filling the limit") << 5 << "ABCD"
                                                    << "x"
                                                    << "ABCD";
  }

  void editLimitBoundsTyping() {
    QFETCH(int, textLen);
    QFETCH(QString, programText);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    TEdit* edit = MakeEdit(textLen);
    edit->SetText(programText.toStdString());
    QCOMPARE(LineEdit(edit)->text(), programText);
    QTest::keyClicks(LineEdit(edit), typed);
    QCOMPARE(LineEdit(edit)->text(), shown);
    QCOMPARE(edit->GetText(), shown.toStdString());
  }

  void editOverlongProgramTextCanBeShortened() {
    TEdit* edit = MakeEdit(5);
    edit->SetText("ABCDEFGH");
    QTest::keyClick(LineEdit(edit), Qt::Key_Backspace);
    QTest::keyClick(LineEdit(edit), Qt::Key_Backspace);
    QCOMPARE(edit->GetText(), std::string("ABCDEF"));
    QTest::keyClicks(LineEdit(edit), "x");
    QCOMPARE(edit->GetText(), std::string("ABCDEF"));
  }

  void editValidatorsJudgeEveryKeystroke_data() {
    QTest::addColumn<QString>("validator");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("range: in range") << "range 1-255"
                                     << ""
                                     << "255"
                                     << "255";
    QTest::newRow("range: above") << "range 1-255"
                                  << ""
                                  << "256"
                                  << "25";
    QTest::newRow("range: letters") << "range 1-255"
                                    << ""
                                    << "1a2"
                                    << "12";
    QTest::newRow("range: zero first") << "range 1-255"
                                       << ""
                                       << "012"
                                       << "12";
    QTest::newRow("range: sign") << "range 1-255"
                                 << ""
                                 << "-5"
                                 << "5";
    QTest::newRow("range: before a blank") << "range 1-255"
                                           << " "
                                           << "<7"
                                           << "7 ";
    QTest::newRow("range: after a blank") << "range 1-255"
                                          << " "
                                          << "7"
                                          << " ";
    QTest::newRow("filter: number with dot") << "filter  0-9."
                                             << ""
                                             << "1.5 x2"
                                             << "1.5 2";
    QTest::newRow("filter: digits") << "filter 0-9"
                                    << ""
                                    << "4.2e1"
                                    << "421";
    QTest::newRow("second replaces first") << "range then filter 0-9."
                                           << ""
                                           << "1.5"
                                           << "1.5";
  }

  void editValidatorsJudgeEveryKeystroke() {
    QFETCH(QString, validator);
    QFETCH(QString, initial);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    TEdit* edit = MakeEdit(8);
    if (validator.startsWith("range"))
      edit->SetValidator(std::make_unique<TRangeValidator>(1, 255));
    if (validator.startsWith("filter")) {
      edit->SetValidator(
          std::make_unique<TFilterValidator>(TCharSet(validator.mid(7).toStdString())));
    }
    if (validator.startsWith("range then filter")) {
      edit->SetValidator(std::make_unique<TFilterValidator>(TCharSet("0-9.")));
    }
    edit->SetText(initial.toStdString());
    if (typed.startsWith('<')) {  // typed at the start of the text
      LineEdit(edit)->home(false);
      typed.remove(0, 1);
    }
    QTest::keyClicks(LineEdit(edit), typed);
    QCOMPARE(LineEdit(edit)->text(), shown);
  }

  void editEmptiedRangeIsAccepted() {
    TEdit* edit = MakeEdit(5);
    edit->SetValidator(std::make_unique<TRangeValidator>(1, 255));
    QTest::keyClicks(LineEdit(edit), "12");
    QTest::keyClick(LineEdit(edit), Qt::Key_Backspace);
    QTest::keyClick(LineEdit(edit), Qt::Key_Backspace);
    QCOMPARE(edit->GetText(), std::string());
  }

  // Only single-byte characters can be stored in a script.
  void editRefusesCharactersOutsideSingleByte() {
    TEdit* edit = MakeEdit(10);
    for (const char* typed : {"é", "中", "x"}) {
      QTest::sendKeyEvent(QTest::Click, LineEdit(edit), Qt::Key_unknown, QString::fromUtf8(typed),
                          Qt::NoModifier);
    }
    QCOMPARE(edit->GetText(), std::string("\xE9x"));
    QGuiApplication::clipboard()->setText(QStringLiteral("1\n2"));
    LineEdit(edit)->paste();
    QCOMPARE(edit->GetText(), std::string("\xE9x"));
  }

  void editNotesUserChangesOnly() {
    TEdit* edit = MakeEdit(10);
    int changes = 0;
    edit->SetUserChangeHandler([&changes] { ++changes; });
    edit->SetText("program");
    edit->Clear();
    QCOMPARE(changes, 0);
    QTest::keyClicks(LineEdit(edit), "ab");
    QCOMPARE(changes, 2);
  }

  void editKeepsItsTextAfterDestroy() {
    TEdit* edit = MakeEdit(10);
    QTest::keyClicks(LineEdit(edit), "typed");
    edit->Destroy();
    QVERIFY(!edit->GetHandle());
    QCOMPARE(edit->GetText(), std::string("typed"));
  }

  void checkBoxReportsItsState() {
    auto* check = new TCheckBox(owner_.get(), 240, "Turret?", 10, 10, 120, 20);
    check->SetCheck(BF_CHECKED);  // before the window exists
    QVERIFY(check->Create());
    auto* widget = static_cast<QCheckBox*>(check->GetHandle());
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
  TListBox* MakeList() {
    auto* list = new TListBox(owner_.get(), kListId, 10, 10, 160, 150);
    [&] { QVERIFY(list->Create()); }();
    for (int i = 0; i < 5; ++i) list->InsertString(kEntries[i], i);
    return list;
  }

  TComboBox* MakeCombo() {
    auto* combo = new TComboBox(owner_.get(), kListId, 10, 10, 240, 120);
    [&] { QVERIFY(combo->Create()); }();
    for (int i = 0; i < 5; ++i) combo->InsertString(kEntries[i], i);
    return combo;
  }

  TEdit* MakeEdit(int textLen) {
    auto* edit = new TEdit(owner_.get(), 207, "", 10, 10, 100, 20, textLen);
    [&] { QVERIFY(edit->Create()); }();
    edit->SetFocus();
    return edit;
  }

  static QLineEdit* LineEdit(const TEdit* edit) {
    return static_cast<QLineEdit*>(edit->GetHandle());
  }

  std::unique_ptr<ListOwner> owner_;
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
