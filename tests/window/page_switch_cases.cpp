// The page switch, started from the page list (a click, the arrow keys) and
// from a drop-down list of the page, and File, New while a page is up.
#include <algorithm>
#include <string>

#include "tests/window/page_case.h"
#include "tests/window/page_values.h"
#include "tests/window/window_slots.h"

namespace kalvex::test {
namespace {

using PageSwitchCase = WindowCase;

// The first click, even on the entry already selected, builds the page;
// every click switches once, marks the script changed and leaves the focus
// on the page list.
TEST_P(PageCase, AClickOnItsEntryBuildsIt) {
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(Driver().ClickPage(PageNumber()));
  EXPECT_EQ(Window().PageSwitches(), 1);
  EXPECT_EQ(Window().Page().Box, 1);
  EXPECT_EQ(Window().Page().indexx, PageNumber());
  EXPECT_EQ(Window().SaveFlag(), 0);
  EXPECT_EQ(Driver().PageListSelection(), PageNumber());
  EXPECT_EQ(Driver().LineText("CurHelp"), std::string(Expected().curHelp));
  EXPECT_EQ(Driver().Focused(), "ComboBox");
  EXPECT_TRUE(Driver().Place(Expected().controls.front().slot));
}

// A choice in a drop-down list stores it and everything typed or checked on
// the page at once, and builds the same page again from the record.
TEST_P(ListPageCase, AChoiceInADropDownStoresThePageAndRebuildsIt) {
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(Driver().ClickPage(PageNumber()));
  WeaponRecord wanted = Weapon();
  const std::vector<ExpectedControl>& controls = Expected().controls;
  for (std::size_t index = 0; index < controls.size(); ++index) {
    if (controls[index].kind != kList) {
      ASSERT_TRUE(ChangeControl(Driver(), Expected(), index, wanted));
    }
  }
  const int switches = Window().PageSwitches();
  const auto list = std::ranges::find(controls, kList, &ExpectedControl::kind);
  ASSERT_TRUE(ChangeControl(Driver(), Expected(), std::size_t(list - controls.begin()), wanted));

  EXPECT_EQ(Window().PageSwitches(), switches + 1);
  EXPECT_EQ(RecordDifferences(Weapon(), wanted), "");
  EXPECT_EQ(Window().Page().Box, 1);
  EXPECT_EQ(Window().Page().indexx, PageNumber());
  EXPECT_EQ(Driver().PageListSelection(), PageNumber());
  EXPECT_EQ(ShownDifferences(Driver(), Expected(), wanted), "");
  EXPECT_EQ(Driver().ShownPageControls(), int(controls.size()));
}

// The rebuilt list keeps the keyboard focus, so each arrow key press on it
// chooses the next entry and switches once.
TEST_F(PageSwitchCase, ArrowKeysInADropDownChooseOneEntryPerPress) {
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(Driver().ClickPage(13));
  EXPECT_EQ(Driver().ListSelection("ComboBox2"), 1);
  ASSERT_TRUE(Driver().PressKeys("Tab"));  // to the normal explosion GAF
  ASSERT_TRUE(Driver().PressKeys("Tab"));  // to its art
  for (int press = 1; press <= 3; ++press) {
    ASSERT_EQ(Driver().Focused(), "ComboBox2");
    ASSERT_TRUE(Driver().PressKeys("Down"));
    EXPECT_EQ(Weapon().Weapexart, 1 + press);
    EXPECT_EQ(Driver().ListSelection("ComboBox2"), 1 + press);
  }
  EXPECT_EQ(Window().PageSwitches(), 1 + 3);
}

// One page switch per key press that moves the selection; what was typed on
// a page is stored as the arrow key leaves it.
TEST_F(PageSwitchCase, ArrowKeysSwitchOncePerPress) {
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(Driver().PressKeys("Up"));  // at the top: nothing moves
  EXPECT_EQ(Window().PageSwitches(), 0);
  ASSERT_TRUE(Driver().ClickPage(0));
  ASSERT_TRUE(Driver().Type("Enter", "ARROW"));
  ASSERT_TRUE(Driver().PressKeys("Shift+Tab"));  // back to the page list
  ASSERT_EQ(Driver().Focused(), "ComboBox");
  for (int page = 1; page < kPages; ++page) {
    ASSERT_TRUE(Driver().PressKeys("Down"));
    EXPECT_EQ(Window().PageSwitches(), page + 1);
    EXPECT_EQ(Window().Page().indexx, page);
    EXPECT_EQ(Driver().LineText("CurHelp"), std::string(kExpectedPages[page].curHelp));
  }
  EXPECT_EQ(Weapon().Weapcode, "ARROW");
  ASSERT_TRUE(Driver().PressKeys("Down"));  // the page of other entries, the last
  EXPECT_EQ(Window().PageSwitches(), kPages + 1);
  EXPECT_EQ(Driver().LineText("CurHelp"), "Entries No Other Page Shows");
  ASSERT_TRUE(Driver().PressKeys("Down"));  // at the end: nothing moves
  EXPECT_EQ(Window().PageSwitches(), kPages + 1);
  ASSERT_TRUE(Driver().PressKeys("Up"));
  EXPECT_EQ(Window().PageSwitches(), kPages + 2);
  EXPECT_EQ(Window().Page().indexx, kPages - 1);
}

// File, New takes the page down without storing it, blanks the label lines,
// keeps the sentence and shows a new page list with entry 0 selected.
TEST_F(PageSwitchCase, FileNewWhileAPageIsUp) {
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(Driver().ClickPage(11));
  ASSERT_TRUE(Driver().Type("Enter", "4321"));
  ASSERT_TRUE(Driver().ClickCheckBox());
  const int switches = Window().PageSwitches();
  Ui().Answers.push_back(IDNO);

  ASSERT_TRUE(FileNew());

  EXPECT_EQ(Ui().Questions.size(), 1u);
  EXPECT_EQ(Window().PageSwitches(), switches);
  EXPECT_EQ(Window().Page().Box, 0);
  EXPECT_EQ(Window().SaveFlag(), 1);
  EXPECT_EQ(RecordDifferences(Weapon(), WeaponRecord{}), "");
  for (const std::string_view slot : AllSlots()) {
    EXPECT_FALSE(SlotControl(Window(), slot)) << slot;
  }
  EXPECT_EQ(Driver().ShownPageControls(), 0);
  EXPECT_EQ(Driver().LineText("CurHelp"), std::string(kExpectedPages[11].curHelp));
  for (const std::string_view line : LabelLines()) {
    EXPECT_EQ(Driver().LineText(line), " ") << line;
  }
  EXPECT_EQ(Driver().PageListEntries()->size(), std::size_t(kPages + 1));
  EXPECT_EQ(Driver().PageListSelection(), 0);
  EXPECT_EQ(Driver().Focused(), "ComboBox");

  ASSERT_TRUE(Driver().ClickPage(11));
  EXPECT_EQ(Driver().EditText("Enter"), "");
  EXPECT_EQ(Driver().IsChecked(), false);
}

}  // namespace
}  // namespace kalvex::test
