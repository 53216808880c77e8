// The nineteen pages, each built by a click on its page list entry after
// File, New, held against what the page must show and store, through Qt's
// widgets; the page switch, started from the page list (mouse and arrow keys)
// and from a drop-down list of the page, and File, New while a page is up;
// and the rule that a visit to a page changes nothing the user did not
// change: no blank grows, long and empty texts are kept as they are, and a
// list whose value lies outside its entries keeps that value unless the user
// picks an entry. The pages' sentences, labels and typing limits are window
// cases (tests/window), which every implementation of the layer runs.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPointer>
#include <QTest>
#include <algorithm>
#include <memory>
#include <tuple>

#include "pages/page_table.h"
#include "record/record_fields.h"
#include "tests/ui/editor_driver.h"
#include "tests/ui/editor_test_case.h"
#include "tests/ui/page_support.h"

using namespace kalvex::test;

namespace {

constexpr int kPages = 19;

QString Sentence(int page) { return Latin1(kExpectedPages[std::size_t(page)].curHelp); }

// One-character texts are assigned as std::string: GCC 12 at -O3 warns
// falsely (-Wrestrict) when a one-character C string is assigned.
using namespace std::string_literals;

// A script whose texts are longer than their edits let the user type, or
// empty, and whose lists hold values other than the reset ones.
constexpr char kLongAndEmptyScript[] =
    "[A WEAPON CODE FAR LONGER THAN THE SIXTY THREE CHARACTERS ITS EDIT TAKES]\r\n\t{\r\n"
    "\tID=12345678;\r\n"
    "\tname=A Name Much Longer Than The Sixty Three Characters An Edit Lets You Type;\r\n"
    "\trendertype=7;\r\n\tlineofsight=1;\r\n\tminbarrelangle=-40;\r\n\tTurret=1;\r\n"
    "\tmodel=torpedo;\r\n"
    "\trange=12345678901234567890;\r\n\treloadtime=;\r\n\tenergypershot=;\r\n"
    "\tweaponvelocity=0.5;\r\n\taccuracy=1234567890123456;\r\n\tturnrate=69000;\r\n"
    "\ttolerance=0;\r\n\tsmokedelay=;\r\n\tsoundstart=xplonuk4;\r\n\tsoundhit=xplomas2;\r\n"
    "\tbeamweapon=1;\r\n\tcolor=144;\r\n\tcolor2=217;\r\n"
    "\texplosiongaf=commboom;\r\n\texplosionart=commboom;\r\n"
    "\tmetal=;\r\n\tenergy=00012;\r\n"
    "\t[DAMAGE]\r\n\t\t{\r\n\t\tdefault=;\r\n\t\t}\r\n}";

// Values no list or check box of the pages can show, and texts with blanks
// after them, as an older weapon may hold them.
kalvex::WeaponRecord OutsideValues() {
  kalvex::WeaponRecord record;
  for (const ExpectedPage& page : kExpectedPages) {
    for (const ExpectedControl& c : page.controls) {
      if (c.kind == "edit") {
        TextMember(record, c.member) = "12  ";
      } else {
        NumberMember(record, c.member) = int(c.entries.size()) + 5;
      }
    }
  }
  record.Weapcode = "ABC   ";
  record.Weapname = "  Leading Blanks";
  record.WeapID = "";
  record.Weaprange = " "s;
  return record;
}

// A page, what is typed into its first edit, the member it goes into and
// what that member then holds.
using TypedText = std::tuple<int, const char*, const char*, const char*>;

}  // namespace

class PagesTest : public EditorTestCase {
  Q_OBJECT

 private slots:
  void pageShowsItsControls_data() { AddPageRows(); }
  void pageShowsItsControls() {
    const auto [page, expected] = RowPage();
    QVERIFY(driver_->ClickPage(13));  // Explosions: six lists, every label line used
    QVERIFY(driver_->ClickPage(page));
    QCOMPARE(ShownPageControls(driver_->Frame()), int(expected.controls.size()));
    for (const ExpectedControl& c : expected.controls) {
      const TWindow* control = driver_->SlotControl(c.slot);
      QWidget* widget = driver_->Control(c.slot);
      QVERIFY2(widget && widget->isVisible(), qPrintable(Latin1(c.slot)));
      QCOMPARE(control->GetId(), c.id);
      QCOMPARE(driver_->ClientPosition(widget), QPoint(c.x, c.y));
      QCOMPARE(widget->width(), c.w);
      if (c.kind == "edit") {
        QVERIFY2(qobject_cast<QLineEdit*>(widget), qPrintable(Latin1(c.slot)));
        QCOMPARE(widget->height(), c.h);
      } else if (c.kind == "list") {
        // Closed, a drop-down list takes the platform's height.
        const auto* box = qobject_cast<QComboBox*>(widget);
        QVERIFY2(box && !box->isEditable(), qPrintable(Latin1(c.slot)));
        QStringList entries;
        for (int i = 0; i < box->count(); ++i) entries << box->itemText(i);
        QStringList wanted;
        for (const std::string_view entry : c.entries) wanted << Latin1(entry);
        QCOMPARE(entries, wanted);
      } else {
        const auto* box = qobject_cast<QCheckBox*>(widget);
        QVERIFY2(box, qPrintable(Latin1(c.slot)));
        QCOMPARE(box->text(), Latin1(c.label));
        QCOMPARE(widget->height(), c.h);
      }
    }
    for (const std::string_view slot : AllSlots()) {
      const bool used = std::ranges::any_of(
          expected.controls, [slot](const ExpectedControl& c) { return c.slot == slot; });
      if (!used) QVERIFY2(!driver_->SlotControl(slot), qPrintable(Latin1(slot)));
    }
  }

  // Typed or pasted, an edit takes what it accepts whole and refuses the rest
  // with the platform's signal.
  void editsTakeWhatTheyAcceptAndRefuseTheRest_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("pasted");
    for (int page = 0; page < int(kExpectedPages.size()); ++page) {
      const std::string name = std::string(kExpectedPages[std::size_t(page)].listEntry);
      QTest::newRow((name + ", typed").c_str()) << page << false;
      QTest::newRow((name + ", pasted").c_str()) << page << true;
    }
  }

  void editsTakeWhatTheyAcceptAndRefuseTheRest() {
    QFETCH(int, page);
    QFETCH(bool, pasted);
    QVERIFY(driver_->ClickPage(page));
    const auto enter = [&](std::string_view slot, std::string_view text) {
      return pasted ? driver_->Paste(slot, Latin1(text)) : driver_->Type(slot, Latin1(text));
    };
    for (const ExpectedControl& c : kExpectedPages[std::size_t(page)].controls) {
      for (const std::string_view sample : c.accepts) {
        const int beeps = driver_->Ui().Beeps;
        QVERIFY(enter(c.slot, sample));
        QCOMPARE(driver_->Edit(c.slot)->text(), Latin1(sample));
        QCOMPARE(driver_->Ui().Beeps, beeps);
      }
      for (const std::string_view sample : c.rejects) {
        const int beeps = driver_->Ui().Beeps;
        QVERIFY(enter(c.slot, sample));
        const QString shown = driver_->Edit(c.slot)->text();
        QVERIFY2(shown != Latin1(sample), qPrintable(Latin1(c.slot) + ": " + shown));
        // The refusal is signalled; trimmed, a paste may be taken whole; a
        // key of a control character (a line end is the Enter key) types nothing.
        const bool takenTrimmed = pasted && shown == Latin1(sample).trimmed();
        const bool typesNothing = !pasted && std::ranges::any_of(Latin1(sample), [](QChar c) {
          return c.category() == QChar::Other_Control;
        });
        QVERIFY2(takenTrimmed || typesNothing || driver_->Ui().Beeps > beeps,
                 qPrintable(Latin1(sample)));
      }
    }
  }

  // Building a page and leaving it stores what the record held.
  void pageShowsTheRecordAndLeavesItUnchanged_data() { AddPageRows(); }
  void pageShowsTheRecordAndLeavesItUnchanged() {
    const auto [page, expected] = RowPage();
    SetSampleValues(Record(), expected);
    const kalvex::WeaponRecord before = Record();
    QVERIFY(driver_->ClickPage(page));
    QCOMPARE(ShownDifferences(*driver_, expected, before), QString());
    QVERIFY(driver_->ClickPage((page + 1) % kPages));
    QCOMPARE(RecordDifferences(Record(), before), QString());
  }

  // Each control, changed alone, stores its value into its own member and
  // into no other.
  void eachControlStoresIntoItsMember_data() { AddPageRows(); }
  void eachControlStoresIntoItsMember() {
    const auto [page, expected] = RowPage();
    for (int index = 0; index < int(expected.controls.size()); ++index) {
      QVERIFY(driver_->StartFreshWeapon());
      SetSampleValues(Record(), expected);
      kalvex::WeaponRecord wanted = Record();
      QVERIFY(driver_->ClickPage(page));
      const std::string_view slot = expected.controls[std::size_t(index)].slot;
      QVERIFY2(ChangeControl(*driver_, expected, index, wanted), qPrintable(Latin1(slot)));
      QVERIFY(driver_->ClickPage((page + 1) % kPages));
      QVERIFY2(Record() == wanted,
               qPrintable(Latin1(slot) + ": " + RecordDifferences(Record(), wanted)));
    }
  }

  // All controls changed in turn (a list choice rebuilds the page on the way)
  // are stored when the page is left and shown again on the next visit.
  void everyChangeOnAPageIsStored_data() { AddPageRows(); }
  void everyChangeOnAPageIsStored() {
    const auto [page, expected] = RowPage();
    SetSampleValues(Record(), expected);
    kalvex::WeaponRecord wanted = Record();
    QVERIFY(driver_->ClickPage(page));
    for (int index = 0; index < int(expected.controls.size()); ++index) {
      QVERIFY2(ChangeControl(*driver_, expected, index, wanted),
               qPrintable(Latin1(expected.controls[std::size_t(index)].slot)));
    }
    QVERIFY(driver_->ClickPage((page + 1) % kPages));
    QCOMPARE(RecordDifferences(Record(), wanted), QString());
    QVERIFY(driver_->ClickPage(page));
    QCOMPARE(ShownDifferences(*driver_, expected, wanted), QString());
  }

  // The order in which the page switch stores a page's controls.
  void pageCollectsInItsOrder_data() { AddPageRows(); }
  void pageCollectsInItsOrder() {
    QFETCH(int, page);
    using enum kalvex::Slot;
    const std::pair<kalvex::Slot, std::string_view> names[] = {
        {Enter, "Enter"},         {Enter2, "Enter2"},       {Enter3, "Enter3"},
        {Enter4, "Enter4"},       {Check1, "Check1"},       {ComboBox1, "ComboBox1"},
        {ComboBox2, "ComboBox2"}, {ComboBox3, "ComboBox3"}, {ComboBox4, "ComboBox4"},
        {ComboBox5, "ComboBox5"}, {ComboBox6, "ComboBox6"}};
    QStringList order, wanted;
    for (const kalvex::Slot slot : kalvex::Pages()[std::size_t(page)].collectOrder) {
      for (const auto& [named, name] : names) {
        if (named == slot) order << Latin1(name);
      }
    }
    for (const std::string_view slot : kExpectedPages[std::size_t(page)].collectOrder) {
      wanted << Latin1(slot);
    }
    QCOMPARE(order, wanted);
  }

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
    if (opened) QVERIFY(Open("gun.tdf", "[GUN]\r\n\t{\r\n\tID=7;\r\n}"));
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
    QCOMPARE(Record().Weapcode, std::string("ARROW"));
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
    const auto [page, expected] = RowPage();
    QVERIFY(driver_->ClickPage(page));
    kalvex::WeaponRecord wanted = Record();
    // The first drop-down list of the page, in build order.
    const auto list = std::ranges::find(expected.controls, "list", &ExpectedControl::kind);
    std::vector<QPointer<QWidget>> built;
    for (int index = 0; index < int(expected.controls.size()); ++index) {
      const ExpectedControl& c = expected.controls[std::size_t(index)];
      built.emplace_back(driver_->Control(c.slot));
      if (c.kind != "list") QVERIFY(ChangeControl(*driver_, expected, index, wanted));
    }
    const int switches = driver_->Window().PageSwitches;
    QVERIFY(ChangeControl(*driver_, expected, int(list - expected.controls.begin()), wanted));

    QCOMPARE(driver_->Window().PageSwitches, switches + 1);
    QCOMPARE(RecordDifferences(Record(), wanted), QString());
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
    QVERIFY(!Saved("turret.tdf").empty());
    QCOMPARE(driver_->Window().SaveFlag(), 1);
    QVERIFY(driver_->Pick("ComboBox1", 1));
    QCOMPARE(driver_->Window().SaveFlag(), 0);
    QCOMPARE(Record().Weaptur, 1);
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
      QCOMPARE(Record().Weapexart, 1 + press);
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
    QVERIFY(Record() == kalvex::WeaponRecord{});
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

  // The script written before and after a visit to every page is the same.
  void visitingEveryPageWritesTheSameScript_data() {
    QTest::addColumn<QString>("source");
    QTest::newRow("a new weapon") << "new";
    QTest::newRow("a script with long and empty values") << "script";
    QTest::newRow("values outside the lists, blanks after texts") << "outside";
  }

  void visitingEveryPageWritesTheSameScript() {
    QFETCH(QString, source);
    if (source == "script") {
      QVERIFY(Open("long.tdf", kLongAndEmptyScript));
      QCOMPARE(driver_->Ui().Questions.size(), 0u);
      QCOMPARE(
          Record().Weapname,
          std::string("A Name Much Longer Than The Sixty Three Characters An Edit Lets You Type"));
    } else if (source == "outside") {
      Record() = OutsideValues();
    }
    QVERIFY(!Saved("first.tdf").empty());
    // Saved, its lists show what the file holds (a value outside a list that
    // writes no entry shows none). Saved once more without a visit: a weapon
    // first written anew then stands in that file, and what the writer left
    // out of it (a turn rate without guidance) goes in now.
    const kalvex::WeaponRecord before = Record();
    const std::string written = Saved("before.tdf");
    QVERIFY(!written.empty());

    for (int page = 0; page < kPages; ++page) QVERIFY(driver_->ClickPage(page));
    QVERIFY(driver_->ClickPage(0));
    QCOMPARE(QString::fromLatin1(Saved("after.tdf")), QString::fromLatin1(written));
    QCOMPARE(driver_->Ui().Questions.size(), 0u);
    QCOMPARE(RecordDifferences(Record(), before), QString());
  }

  void visitingTheSmokePageAddsNoSmokeDelay() {
    QVERIFY(driver_->ClickPage(12));
    QVERIFY(driver_->ClickPage(13));
    const std::string written = Saved("smoke.tdf");
    QVERIFY(written.find("soundstart=;") != std::string::npos);
    QVERIFY(written.find("smokedelay") == std::string::npos);
  }

  void codeTypedOnceIsWrittenWithoutBlanksHoweverOftenItIsVisited() {
    QVERIFY(driver_->ClickPage(0));
    QVERIFY(driver_->Type("Enter", "ABC"));
    for (int visit = 0; visit < 5; ++visit) {
      QVERIFY(driver_->ClickPage(1));
      QVERIFY(driver_->ClickPage(0));
      QCOMPARE(driver_->Edit("Enter")->text(), QStringLiteral("ABC"));
    }
    QCOMPARE(Record().Weapcode, std::string("ABC"));
    QVERIFY(Saved("abc.tdf").starts_with("[ABC]\r\n\t{"));
  }

  // An edit the user empties stores the reset text: no value is given.
  void emptiedEditsGiveNoValue_data() { AddPageRows("edit"); }
  void emptiedEditsGiveNoValue() {
    const auto [page, expected] = RowPage();
    SetSampleValues(Record(), expected);
    kalvex::WeaponRecord wanted = Record();
    QVERIFY(driver_->ClickPage(page));
    for (const ExpectedControl& c : expected.controls) {
      if (c.kind != "edit") continue;
      QVERIFY(driver_->Type(c.slot, QString()));
      TextMember(wanted, c.member) = " "s;
    }
    QVERIFY(driver_->ClickPage((page + 1) % kPages));
    QCOMPARE(RecordDifferences(Record(), wanted), QString());
  }

  // Blanks typed after a text are not stored, and a number's edit that holds
  // only a minus or a point gives no value.
  void typedTextIsStoredWithoutWhatGivesNoValue_data() {
    QTest::addColumn<TypedText>("row");
    QTest::newRow("code") << TypedText{0, "ABC  ", "Weapcode", "ABC"};
    QTest::newRow("name") << TypedText{1, " Big Gun   ", "Weapname", " Big Gun"};
    QTest::newRow("name in Latin-1") << TypedText{1, "Fus\351e  ", "Weapname", "Fus\351e"};
    QTest::newRow("only blanks") << TypedText{0, "   ", "Weapcode", " "};
    QTest::newRow("a minus alone") << TypedText{5, "-", "Weaprange", " "};
    QTest::newRow("a point alone") << TypedText{7, ".", "Weapreload", " "};
    QTest::newRow("a minus and a point") << TypedText{3, "-.", "Weapdamage", " "};
    QTest::newRow("a negative number") << TypedText{3, "-5", "Weapdamage", "-5"};
    QTest::newRow("a number ending in a point") << TypedText{18, "12.", "Weapcovg", "12."};
  }

  void typedTextIsStoredWithoutWhatGivesNoValue() {
    QFETCH(TypedText, row);
    const auto& [page, typed, member, stored] = row;
    QVERIFY(driver_->ClickPage(page));
    QVERIFY(driver_->Type("Enter", Latin1(typed)));
    QCOMPARE(driver_->Edit("Enter")->text(), Latin1(typed));
    QVERIFY(driver_->ClickPage((page + 1) % kPages));
    QCOMPARE(TextMember(Record(), member), std::string(stored));
  }

  // Texts longer than the edit's limit, empty texts, the reset text and texts
  // with blanks around them are shown whole (without trailing blanks) and
  // kept as they were.
  void editsShowTextsWholeAndKeepThem_data() { AddPageRows("edit"); }

  void editsShowTextsWholeAndKeepThem() {
    const auto [page, expected] = RowPage();
    for (const std::string& text :
         {std::string("12345678901234567890123456789012345678901234567890"
                      "12345678901234567890123456789"),
          std::string(), std::string(" "), std::string("7  "), std::string(" 7")}) {
      QVERIFY(driver_->StartFreshWeapon());
      for (const ExpectedControl& c : expected.controls) {
        if (c.kind == "edit") TextMember(Record(), c.member) = text;
      }
      const kalvex::WeaponRecord before = Record();
      QVERIFY(driver_->ClickPage(page));
      QCOMPARE(ShownDifferences(*driver_, expected, before), QString());
      QVERIFY(driver_->ClickPage((page + 1) % kPages));
      QVERIFY(driver_->ClickPage(page));
      QVERIFY(driver_->ClickPage((page + 1) % kPages));
      QVERIFY2(Record() == before, qPrintable(QString::fromStdString('"' + text + "\": ") +
                                              RecordDifferences(Record(), before)));
    }
  }

  // A list whose member lies outside its positions shows no entry; leaving
  // the page keeps the member, and so does a choice in another list of the
  // page. A check box whose member is neither 0 nor 1 keeps it too.
  void valueOutsideAListIsKeptUntilTheUserPicks_data() { AddPageRows("list"); }

  void valueOutsideAListIsKeptUntilTheUserPicks() {
    const auto [page, expected] = RowPage();
    for (const int beyond : {0, 2, 3, -1}) {
      for (int picked = -1; picked < int(expected.controls.size()); ++picked) {
        const ExpectedControl* pick =
            picked < 0 ? nullptr : &expected.controls[std::size_t(picked)];
        if (pick && pick->kind != "list") continue;
        QVERIFY(driver_->StartFreshWeapon());
        kalvex::WeaponRecord& record = Record();
        for (const ExpectedControl& c : expected.controls) {
          if (c.kind == "list") {
            NumberMember(record, c.member) = beyond < 0 ? -1 : int(c.entries.size()) + beyond;
          } else if (c.kind == "check") {
            NumberMember(record, c.member) = 5;
          }
        }
        kalvex::WeaponRecord wanted = record;
        QVERIFY(driver_->ClickPage(page));
        for (const ExpectedControl& c : expected.controls) {
          if (c.kind != "list") continue;
          QCOMPARE(driver_->DropDown(c.slot)->currentIndex(), -1);
          QCOMPARE(driver_->DropDown(c.slot)->currentText(), QString());
        }
        if (pick) {
          QVERIFY(driver_->Pick(pick->slot, 1));
          NumberMember(wanted, pick->member) = 1;
          QCOMPARE(driver_->DropDown(pick->slot)->currentIndex(), 1);
        }
        QVERIFY(driver_->ClickPage((page + 1) % kPages));
        QVERIFY2(Record() == wanted, qPrintable(RecordDifferences(Record(), wanted)));
      }
    }
  }

  // A model, sound or explosion art of the script's own is the list's last
  // entry, spelled as in the script and selected. It is kept by leaving the
  // page, by picking it again and by a choice in another list of the page;
  // picking one of the list's entries stores that entry and drops the text.
  void ownTextIsTheLastEntryUntilTheUserPicksAnother_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("control");
    QTest::addColumn<QString>("step");
    for (int page = 0; page < kPages; ++page) {
      const ExpectedPage& expected = kExpectedPages[std::size_t(page)];
      for (int control = 0; control < int(expected.controls.size()); ++control) {
        const ExpectedControl& c = expected.controls[std::size_t(control)];
        if (c.kind != "list" || !kalvex::FindRecordField(c.member)->own) continue;
        for (const char* step :
             {"leave the page", "pick it", "pick in another list", "pick an entry"}) {
          QTest::addRow("%s, %s", std::string(c.member).c_str(), step)
              << page << control << QString::fromLatin1(step);
        }
      }
    }
  }

  void ownTextIsTheLastEntryUntilTheUserPicksAnother() {
    QFETCH(int, page);
    QFETCH(int, control);
    QFETCH(QString, step);
    const ExpectedPage& expected = kExpectedPages[std::size_t(page)];
    const ExpectedControl& c = expected.controls[std::size_t(control)];
    const std::string own = "vortex_m\xF6rser";
    kalvex::WeaponRecord& record = Record();
    for (const ExpectedControl& o : expected.controls) {
      if (o.kind == "list") NumberMember(record, o.member) = 0;
    }
    record.own.*kalvex::FindRecordField(c.member)->own = own;
    NumberMember(record, c.member) = 1;
    kalvex::WeaponRecord wanted = record;
    QVERIFY(driver_->ClickPage(page));
    const int extra = int(c.entries.size());
    QCOMPARE(driver_->DropDown(c.slot)->count(), extra + 1);
    QCOMPARE(driver_->DropDown(c.slot)->itemText(extra), Latin1(own));
    QCOMPARE(driver_->DropDown(c.slot)->currentIndex(), extra);

    const auto other = std::ranges::find_if(expected.controls, [&](const ExpectedControl& o) {
      return o.kind == "list" && o.slot != c.slot;
    });
    if (step == QLatin1String("pick it")) {
      QVERIFY(driver_->Pick(c.slot, extra));
    } else if (step == QLatin1String("pick in another list")) {
      if (other == expected.controls.end()) QSKIP("no other list on this page");
      QVERIFY(driver_->Pick(other->slot, 1));
      NumberMember(wanted, other->member) = 1;
    } else if (step == QLatin1String("pick an entry")) {
      QVERIFY(driver_->Pick(c.slot, 0));
      NumberMember(wanted, c.member) = 0;
      wanted.own.*kalvex::FindRecordField(c.member)->own = {};
    }
    const bool kept = step != QLatin1String("pick an entry");
    QCOMPARE(driver_->DropDown(c.slot)->count(), kept ? extra + 1 : extra);
    QCOMPARE(driver_->DropDown(c.slot)->currentIndex(), kept ? extra : 0);
    QVERIFY(driver_->ClickPage((page + 1) % kPages));
    QCOMPARE(RecordDifferences(Record(), wanted), QString());
  }

 private:
  // The data row's page, and what it must show and store.
  static std::pair<int, const ExpectedPage&> RowPage() {
    QFETCH(int, page);
    return {page, kExpectedPages[std::size_t(page)]};
  }

  kalvex::WeaponRecord& Record() { return driver_->Window().EditedWeapon(); }

  // File, Open of a script of `bytes` that is put in the test's folder.
  bool Open(const char* name, std::string_view bytes) {
    driver_->Ui().FileChoices.push_back(Path(name));
    return WriteBytes(Path(name), bytes) && driver_->FileOpen();
  }

  // File, Save into the test's folder: the bytes written, empty when none were.
  std::string Saved(const char* name) {
    driver_->Ui().FileChoices.push_back(Path(name));
    return driver_->FileSave() ? ReadBytes(Path(name)) : std::string();
  }
};

QTEST_MAIN(PagesTest)
#include "pages_test.moc"
