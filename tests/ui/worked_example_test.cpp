// The light rocket launcher, built from File, New by typing, choosing and
// checking on the pages, saved byte for byte as the game expects it, and
// opened again.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "tests/ui/editor_driver.h"
#include "tests/ui/editor_test_case.h"
#include "tests/ui/offscreen_messages.h"
#include "tests/ui/page_support.h"

using namespace kalvex::test;

namespace {

constexpr char kWorkedExample[] = KALVEX_TEST_DATA "/worked_example.tdf";

struct Step {
  int page;
  std::string_view slot;
  std::string_view typed;  // edits: what the user types
  int position;            // lists: the entry chosen; -1 otherwise
  std::string_view shown;  // what the control shows when the script is opened again
};

constexpr std::string_view kChecked = "checked";

// In the order a user may fill the pages.
constexpr Step kSteps[] = {
    {0, "Enter", "ROCKET2", -1, "ROCKET2"},
    {1, "Enter", "Light Rocket Launcher", -1, "Light Rocket Launcher"},
    {2, "Enter", "91", -1, "91"},
    {3, "Enter", "110", -1, "110"},
    {4, "ComboBox1", "", 1, "Yes"},
    {5, "Enter", "800", -1, "800"},
    {7, "Enter", "3", -1, "3"},
    {8, "Enter3", "0", -1, ""},  // an energy per shot of 0 writes no entry
    {9, "Enter", "350", -1, "350"},
    {9, "Enter3", "150", -1, "150"},
    {9, "Enter2", "100", -1, "100"},
    {10, "ComboBox1", "", 1, "Missile / Torpedos"},
    {10, "ComboBox4", "", 12, "Rocket"},
    {11, "Check1", "", -1, kChecked},
    {11, "Enter", "12000", -1, "12000"},
    {11, "Enter4", "4000", -1, "4000"},
    {12, "Enter2", ".1", -1, ".1"},
    {12, "ComboBox1", "", 1, "Yes"},
    {12, "ComboBox3", "", 1, "Yes"},
    {14, "ComboBox1", "", 24, "Light Rocket 1"},
    {14, "ComboBox4", "", 10, "Medium Explosion 1"},
    {15, "Enter", "48", -1, "48"},
    {17, "Enter", "2", -1, "2"},
};

}  // namespace

class WorkedExampleTest : public EditorTestCase {
  Q_OBJECT

 private slots:
  void buildSaveAndOpenTheLightRocketLauncher() {
    for (const Step& step : kSteps) {
      if (driver_->Window().Page().Box == 0 || driver_->Window().Page().indexx != step.page) {
        QVERIFY(driver_->ClickPage(step.page));
      }
      if (step.position >= 0) {
        QVERIFY(driver_->Pick(step.slot, step.position));
        QCOMPARE(driver_->DropDown(step.slot)->currentText(), Latin1(step.shown));
      } else if (step.shown == kChecked) {
        QVERIFY(driver_->ClickCheckBox());
      } else {
        QVERIFY(driver_->Type(step.slot, Latin1(step.typed)));
        QCOMPARE(driver_->Edit(step.slot)->text(), Latin1(step.typed));
      }
    }
    const std::string saved = Path("rocket2");
    driver_->Ui().FileChoices.push_back(saved);
    QVERIFY(driver_->FileSave());
    QCOMPARE(ReadBytes(saved + ".TDF"), ReadBytes(kWorkedExample));

    driver_->Ui().FileChoices.push_back(saved + ".TDF");
    QVERIFY(driver_->FileOpen());
    QCOMPARE(driver_->Ui().Questions.size(), 0u);
    for (const Step& step : kSteps) {
      QVERIFY(driver_->ClickPage(step.page));
      if (step.position >= 0) {
        QCOMPARE(driver_->DropDown(step.slot)->currentText(), Latin1(step.shown));
      } else if (step.shown == kChecked) {
        QVERIFY(driver_->CheckBox()->isChecked());
      } else {
        QCOMPARE(driver_->Edit(step.slot)->text(), Latin1(step.shown));
      }
    }
    QVERIFY(driver_->ClickPage(10));
    QVERIFY(!driver_->CheckBox()->isChecked());
    QCOMPARE(driver_->DropDown("ComboBox3")->currentText(), QStringLiteral("Green"));
  }

  // Opened, looked through page by page and saved again, the script is the same.
  void openedExampleIsSavedUnchanged() {
    driver_->Ui().FileChoices.push_back(kWorkedExample);
    QVERIFY(driver_->FileOpen());
    for (int page = 0; page < 19; ++page) QVERIFY(driver_->ClickPage(page));
    driver_->Ui().FileChoices.push_back(Path("again.tdf"));
    QVERIFY(driver_->FileSave());
    QCOMPARE(driver_->Ui().Questions.size(), 0u);
    QCOMPARE(ReadBytes(Path("again.tdf")), ReadBytes(kWorkedExample));
  }

 private:
};

QTEST_MAIN(WorkedExampleTest)
#include "worked_example_test.moc"
