// The page switch, started from the page list (mouse and arrow keys) and from
// a drop-down list of the page, and File, New while a page is up.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

#include "tests/ui/editor_driver.h"
#include "tests/ui/editor_test_case.h"
#include "tests/ui/offscreen_messages.h"
#include "tests/ui/page_support.h"

using namespace kalvex::test;

namespace {

constexpr int kPages = 19;

QString Sentence(int page) { return Latin1(kExpectedPages[std::size_t(page)].curHelp); }

// The first drop-down list of the page, in build order.
const ExpectedControl& FirstList(const ExpectedPage& page) {
  return *std::ranges::find(page.controls, "list", &ExpectedControl::kind);
}

}  // namespace

class PageSwitchTest : public EditorTestCase {
  Q_OBJECT

 private slots:
  void fileNewShowsThePageListWithoutAPage() {
    const QListWidget* list = driver_->PageList();
    QVERIFY(list && list->isVisible());
    QCOMPARE(driver_->ClientPosition(list), QPoint(10, 30));
    QCOMPARE(list->size(), QSize(160, 150));
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(list->selectedItems().size(), 1);
    QVERIFY(list->hasFocus());
    QCOMPARE(driver_->Window().Page().Box, 0);
    QCOMPARE(driver_->Window().SaveFlag(), 1);
    QCOMPARE(driver_->Window().PageSwitches, 0);
    for (const std::string_view slot : AllSlots()) QVERIFY(!driver_->SlotControl(slot));
  }

  // The first click, even on the entry already selected, builds the page;
  // every click switches once, marks the script changed and leaves the focus
  // on the page list.
  void clickOnAnEntryBuildsThatPage_data() { AddPageRows(); }
  void clickOnAnEntryBuildsThatPage() {
    QFETCH(int, page);
    QVERIFY(driver_->ClickPage(page));
    QCOMPARE(driver_->Window().PageSwitches, 1);
    QCOMPARE(driver_->Window().Page().Box, 1);
    QCOMPARE(driver_->Window().Page().indexx, page);
    QCOMPARE(driver_->Window().SaveFlag(), 0);
    QCOMPARE(driver_->PageList()->currentRow(), page);
    QCOMPARE(driver_->LineText("CurHelp"), Sentence(page));
    QVERIFY(driver_->PageList()->hasFocus());
    const std::string_view slot = kExpectedPages[std::size_t(page)].controls.front().slot;
    QVERIFY(driver_->Control(slot) && driver_->Control(slot)->isVisible());
  }

  // After File, New or File, Open the highlighted entry opens its page from
  // the keyboard, as a click does; so does it again once a page is up.
  void enterOrSpaceOpensTheHighlightedPage_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("opened");
    QTest::newRow("Enter after File, New") << int(Qt::Key_Return) << false;
    QTest::newRow("keypad Enter after File, New") << int(Qt::Key_Enter) << false;
    QTest::newRow("space bar after File, New") << int(Qt::Key_Space) << false;
    QTest::newRow("Enter after File, Open") << int(Qt::Key_Return) << true;
    QTest::newRow("space bar after File, Open") << int(Qt::Key_Space) << true;
  }

  void enterOrSpaceOpensTheHighlightedPage() {
    QFETCH(int, key);
    QFETCH(bool, opened);
    const std::string path = Path("gun.tdf");
    if (opened) {
      QVERIFY(WriteBytes(path, "[GUN]\r\n\t{\r\n\tID=7;\r\n}"));
      driver_->Ui().FileChoices.push_back(path);
      QVERIFY(driver_->FileOpen());
    }
    QVERIFY(driver_->PressInPageList(key));
    QCOMPARE(driver_->Window().PageSwitches, 1);
    QCOMPARE(driver_->Window().Page().Box, 1);
    QCOMPARE(driver_->Window().Page().indexx, 0);
    QCOMPARE(driver_->Edit("Enter")->text(), opened ? QStringLiteral("GUN") : QString());
    QVERIFY(driver_->PressInPageList(Qt::Key_Down));
    QVERIFY(driver_->PressInPageList(key));
    QCOMPARE(driver_->Window().PageSwitches, 3);
    QCOMPARE(driver_->Window().Page().indexx, 1);
    QVERIFY(driver_->PageList()->hasFocus());
  }

  // One page switch per key press; what was typed on a page is stored as the
  // arrow key leaves it.
  void arrowKeysSwitchOncePerPress() {
    QVERIFY(driver_->ClickPage(0));
    QVERIFY(driver_->Type("Enter", "ARROW"));
    driver_->PageList()->setFocus();
    for (int page = 1; page < kPages; ++page) {
      QVERIFY(driver_->PressInPageList(Qt::Key_Down));
      QCOMPARE(driver_->Window().PageSwitches, page + 1);
      QCOMPARE(driver_->Window().Page().indexx, page);
      QCOMPARE(driver_->LineText("CurHelp"), Sentence(page));
    }
    QCOMPARE(driver_->Window().EditedWeapon().Weapcode, std::string("ARROW"));
    QVERIFY(driver_->PressInPageList(Qt::Key_Down));  // at the end: nothing moves
    QCOMPARE(driver_->Window().PageSwitches, kPages);
    QVERIFY(driver_->PressInPageList(Qt::Key_Up));
    QCOMPARE(driver_->Window().PageSwitches, kPages + 1);
    QCOMPARE(driver_->Window().Page().indexx, kPages - 2);
  }

  // A choice in a drop-down list stores it and everything typed or checked on
  // the page at once, and builds the same page again from the record.
  void choiceInADropDownStoresThePageAndRebuildsIt_data() { AddPageRows("list"); }

  void choiceInADropDownStoresThePageAndRebuildsIt() {
    QFETCH(int, page);
    const ExpectedPage& expected = kExpectedPages[std::size_t(page)];
    QVERIFY(driver_->ClickPage(page));
    kalvex::WeaponRecord wanted = driver_->Window().EditedWeapon();
    const ExpectedControl* list = &FirstList(expected);
    std::vector<QPointer<QWidget>> built;
    for (int index = 0; index < int(expected.controls.size()); ++index) {
      const ExpectedControl& c = expected.controls[std::size_t(index)];
      built.emplace_back(driver_->Control(c.slot));
      if (c.kind != "list") QVERIFY(ChangeControl(*driver_, expected, index, wanted));
    }
    const int switches = driver_->Window().PageSwitches;
    QVERIFY(ChangeControl(*driver_, expected, int(list - expected.controls.data()), wanted));

    QCOMPARE(driver_->Window().PageSwitches, switches + 1);
    QCOMPARE(RecordDifferences(driver_->Window().EditedWeapon(), wanted), QString());
    QCOMPARE(driver_->Window().Page().Box, 1);
    QCOMPARE(driver_->Window().Page().indexx, page);
    QCOMPARE(driver_->PageList()->currentRow(), page);
    QCOMPARE(ShownDifferences(*driver_, expected, wanted), QString());
    for (std::size_t i = 0; i < built.size(); ++i) {
      QWidget* now = driver_->Control(expected.controls[i].slot);
      QVERIFY(now && now->isVisible() && now != built[i]);
      QVERIFY(!built[i] || !built[i]->isVisible());
    }
  }

  void choiceInADropDownMarksTheScriptChanged() {
    QVERIFY(driver_->ClickPage(4));
    driver_->Ui().FileChoices.push_back(Path("turret.tdf"));
    QVERIFY(driver_->FileSave());
    QCOMPARE(driver_->Window().SaveFlag(), 1);
    QVERIFY(driver_->Pick("ComboBox1", 1));
    QCOMPARE(driver_->Window().SaveFlag(), 0);
    QCOMPARE(driver_->Window().EditedWeapon().Weaptur, 1);
  }

  // The rebuilt list keeps the keyboard focus, so each arrow key press on it
  // chooses the next entry and switches once.
  void arrowKeysInADropDownChooseOneEntryPerPress() {
    QVERIFY(driver_->ClickPage(13));
    QCOMPARE(driver_->DropDown("ComboBox2")->currentIndex(), 1);
    driver_->DropDown("ComboBox2")->setFocus();
    for (int press = 1; press <= 3; ++press) {
      QVERIFY(QApplication::focusWidget() == driver_->DropDown("ComboBox2"));
      QVERIFY(driver_->PressInDropDown("ComboBox2", Qt::Key_Down));
      QCOMPARE(driver_->Window().EditedWeapon().Weapexart, 1 + press);
      QCOMPARE(driver_->DropDown("ComboBox2")->currentIndex(), 1 + press);
    }
    QCOMPARE(driver_->Window().PageSwitches, 1 + 3);
  }

  // File, New takes the page down without storing it, blanks the label lines,
  // keeps the sentence and shows a new page list with entry 0 selected.
  void fileNewWhileAPageIsUp() {
    QVERIFY(driver_->ClickPage(11));
    QVERIFY(driver_->Type("Enter", "4321"));
    QVERIFY(driver_->ClickCheckBox());
    QPointer<QWidget> edit = driver_->Control("Enter");
    QPointer<QListWidget> pageList = driver_->PageList();
    const int switches = driver_->Window().PageSwitches;
    driver_->Ui().Answers.push_back(IDNO);

    QVERIFY(driver_->FileNew());

    QCOMPARE(driver_->Ui().Questions.size(), 1u);
    QCOMPARE(driver_->Window().PageSwitches, switches);
    QCOMPARE(driver_->Window().Page().Box, 0);
    QCOMPARE(driver_->Window().SaveFlag(), 1);
    QVERIFY(driver_->Window().EditedWeapon() == kalvex::WeaponRecord{});
    for (const std::string_view slot : AllSlots()) QVERIFY(!driver_->SlotControl(slot));
    QVERIFY(!edit || !edit->isVisible());
    QCOMPARE(driver_->LineText("CurHelp"), Sentence(11));
    for (const std::string_view line : LabelLines())
      QCOMPARE(driver_->LineText(line), QStringLiteral(" "));
    const QListWidget* list = driver_->PageList();
    QVERIFY(list && list != pageList && list->isVisible());
    QVERIFY(!pageList || !pageList->isVisible());
    QCOMPARE(list->count(), kPages);
    QCOMPARE(list->currentRow(), 0);
    QVERIFY(list->hasFocus());

    QVERIFY(driver_->ClickPage(11));
    QCOMPARE(driver_->Edit("Enter")->text(), QString());
    QVERIFY(!driver_->CheckBox()->isChecked());
  }
};

QTEST_MAIN(PageSwitchTest)
#include "page_switch_test.moc"
