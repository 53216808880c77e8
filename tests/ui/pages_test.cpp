// The nineteen pages, each built by a click on its page list entry after
// File, New, held against what the page must show and store, through Qt's
// widgets. Their sentences, labels and typing limits are window cases
// (tests/window), which every implementation of the layer runs.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QTest>
#include <algorithm>
#include <memory>

#include "pages/page_table.h"
#include "tests/ui/editor_driver.h"
#include "tests/ui/editor_test_case.h"
#include "tests/ui/offscreen_messages.h"
#include "tests/ui/page_support.h"

using namespace kalvex::test;

namespace {

const char* Name(std::string_view slot) {
  static std::string name;
  name = std::string(slot);
  return name.c_str();
}

}  // namespace

// Explosions: six lists, every label line used.
constexpr int kFullPage = 13;

class PagesTest : public EditorTestCase {
  Q_OBJECT

 private slots:
  void pageShowsItsControls_data() { AddPageRows(); }
  void pageShowsItsControls() {
    QFETCH(int, page);
    const ExpectedPage& expected = kExpectedPages[std::size_t(page)];
    QVERIFY(driver_->ClickPage(kFullPage));
    QVERIFY(driver_->ClickPage(page));
    QCOMPARE(ShownPageControls(driver_->Frame()), int(expected.controls.size()));
    for (const ExpectedControl& c : expected.controls) {
      const TWindow* control = driver_->SlotControl(c.slot);
      QWidget* widget = driver_->Control(c.slot);
      QVERIFY2(widget && widget->isVisible(), Name(c.slot));
      QCOMPARE(control->GetId(), c.id);
      QCOMPARE(driver_->ClientPosition(widget), QPoint(c.x, c.y));
      QCOMPARE(widget->width(), c.w);
      if (c.kind == "edit") {
        QVERIFY2(qobject_cast<QLineEdit*>(widget), Name(c.slot));
        QCOMPARE(widget->height(), c.h);
      } else if (c.kind == "list") {
        // Closed, a drop-down list takes the platform's height.
        const auto* box = qobject_cast<QComboBox*>(widget);
        QVERIFY2(box && !box->isEditable(), Name(c.slot));
        QStringList entries;
        for (int i = 0; i < box->count(); ++i) entries << box->itemText(i);
        QStringList wanted;
        for (const std::string_view entry : c.entries) wanted << Latin1(entry);
        QCOMPARE(entries, wanted);
      } else {
        const auto* box = qobject_cast<QCheckBox*>(widget);
        QVERIFY2(box, Name(c.slot));
        QCOMPARE(box->text(), Latin1(c.label));
        QCOMPARE(widget->height(), c.h);
      }
    }
    for (const std::string_view slot : AllSlots()) {
      const bool used = std::ranges::any_of(
          expected.controls, [slot](const ExpectedControl& c) { return c.slot == slot; });
      if (!used) QVERIFY2(!driver_->SlotControl(slot), Name(slot));
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
    QFETCH(int, page);
    const ExpectedPage& expected = kExpectedPages[std::size_t(page)];
    SetSampleValues(driver_->Window().EditedWeapon(), expected);
    const kalvex::WeaponRecord before = driver_->Window().EditedWeapon();
    QVERIFY(driver_->ClickPage(page));
    QCOMPARE(ShownDifferences(*driver_, expected, before), QString());
    QVERIFY(driver_->ClickPage((page + 1) % int(kExpectedPages.size())));
    QCOMPARE(RecordDifferences(driver_->Window().EditedWeapon(), before), QString());
  }

  // Each control, changed alone, stores its value into its own member and
  // into no other.
  void eachControlStoresIntoItsMember_data() { AddPageRows(); }
  void eachControlStoresIntoItsMember() {
    QFETCH(int, page);
    const ExpectedPage& expected = kExpectedPages[std::size_t(page)];
    for (int index = 0; index < int(expected.controls.size()); ++index) {
      QVERIFY(driver_->StartFreshWeapon());
      SetSampleValues(driver_->Window().EditedWeapon(), expected);
      kalvex::WeaponRecord wanted = driver_->Window().EditedWeapon();
      QVERIFY(driver_->ClickPage(page));
      QVERIFY2(ChangeControl(*driver_, expected, index, wanted),
               Name(expected.controls[std::size_t(index)].slot));
      QVERIFY(driver_->ClickPage((page + 1) % int(kExpectedPages.size())));
      QVERIFY2(driver_->Window().EditedWeapon() == wanted,
               qPrintable(Latin1(expected.controls[std::size_t(index)].slot) + ": " +
                          RecordDifferences(driver_->Window().EditedWeapon(), wanted)));
    }
  }

  // All controls changed in turn (a list choice rebuilds the page on the way)
  // are stored when the page is left and shown again on the next visit.
  void everyChangeOnAPageIsStored_data() { AddPageRows(); }
  void everyChangeOnAPageIsStored() {
    QFETCH(int, page);
    const ExpectedPage& expected = kExpectedPages[std::size_t(page)];
    SetSampleValues(driver_->Window().EditedWeapon(), expected);
    kalvex::WeaponRecord wanted = driver_->Window().EditedWeapon();
    QVERIFY(driver_->ClickPage(page));
    for (int index = 0; index < int(expected.controls.size()); ++index) {
      QVERIFY2(ChangeControl(*driver_, expected, index, wanted),
               Name(expected.controls[std::size_t(index)].slot));
    }
    QVERIFY(driver_->ClickPage((page + 1) % int(kExpectedPages.size())));
    QCOMPARE(RecordDifferences(driver_->Window().EditedWeapon(), wanted), QString());
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
};

QTEST_MAIN(PagesTest)
#include "pages_test.moc"
