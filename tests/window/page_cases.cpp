// The nineteen pages as the window shows them, held against the pages'
// expectations written down independently: sentence and labels, the places
// and sizes of the controls, their identifiers, the lists' entries, the check
// box's caption, and how many characters each edit takes.
#include <algorithm>
#include <cctype>
#include <string>

#include "tests/window/page_expectations.h"
#include "tests/window/window_case.h"
#include "tests/window/window_slots.h"

namespace kalvex::test {
namespace {

// Explosions: six lists, every label line used; built first, so that
// nothing of it may stay on the page after.
constexpr int kFullPage = 13;

std::string LabelLineText(const ExpectedPage& page, std::string_view line) {
  for (const ExpectedControl& c : page.controls) {
    if (c.labelLine == line) return std::string(c.label);
  }
  for (const auto& [other, text] : page.otherLabels) {
    if (other == line) return std::string(text);
  }
  return " ";
}

// An edit that refuses 0 takes whole numbers in a range.
bool TakesARange(const ExpectedControl& edit) {
  return std::ranges::find(edit.rejects, "0") != edit.rejects.end();
}

// Typing past the limit of the edit, and what the edit keeps of it: the
// first `limit` characters. A range edit can only be typed past with blanks,
// which it refuses, so there the text stops after the number.
std::pair<std::string, std::string> OverlongTyping(const ExpectedControl& edit) {
  const std::string_view longest = std::ranges::max(edit.accepts, {}, &std::string_view::size);
  std::string typed(longest);
  while (typed.size() < std::size_t(edit.limit + 3)) {
    typed += TakesARange(edit) ? std::string(" ") : std::string(longest);
  }
  std::string kept = typed.substr(0, std::size_t(edit.limit));
  if (TakesARange(edit)) kept = std::string(longest);
  return {typed, kept};
}

std::vector<std::string> Texts(const std::vector<std::string_view>& texts) {
  return {texts.begin(), texts.end()};
}

class PageCase : public WindowCase, public ::testing::WithParamInterface<int> {
 protected:
  const ExpectedPage& Expected() const { return kExpectedPages[std::size_t(GetParam())]; }

  void ShowPage() {
    ASSERT_TRUE(FileNew());
    ASSERT_TRUE(Driver().ClickPage(kFullPage));
    ASSERT_TRUE(Driver().ClickPage(GetParam()));
  }
};

using PageListCase = WindowCase;

TEST_F(PageListCase, NamesThePagesInOrder) {
  ASSERT_TRUE(FileNew());
  std::vector<std::string> entries;
  for (const ExpectedPage& page : kExpectedPages) entries.emplace_back(page.listEntry);
  EXPECT_EQ(Driver().PageListEntries(), entries);
  EXPECT_EQ(Driver().PageListSelection(), 0);
  EXPECT_EQ(Driver().ShownPageControls(), 0);
}

TEST_P(PageCase, ShowsItsSentenceAndLabels) {
  ShowPage();
  EXPECT_EQ(Driver().LineText("CurHelp"), std::string(Expected().curHelp));
  for (const std::string_view line : LabelLines()) {
    EXPECT_EQ(Driver().LineText(line), LabelLineText(Expected(), line)) << line;
  }
}

TEST_P(PageCase, ShowsItsControlsAtTheirPlaces) {
  ShowPage();
  EXPECT_EQ(Driver().ShownPageControls(), int(Expected().controls.size()));
  for (const ExpectedControl& c : Expected().controls) {
    SCOPED_TRACE(std::string(c.slot));
    const TWindow* control = SlotControl(Window(), c.slot);
    ASSERT_TRUE(control);
    EXPECT_EQ(control->GetId(), c.id);
    const std::optional<ControlPlace> place = Driver().Place(c.slot);
    ASSERT_TRUE(place);
    // Closed, a drop-down list has the platform's height.
    EXPECT_EQ(*place, (ControlPlace{c.x, c.y, c.w, c.kind == "list" ? place->h : c.h}));
    if (c.kind == "list") {
      EXPECT_EQ(Driver().ListEntries(c.slot), Texts(c.entries));
    } else if (c.kind == "check") {
      EXPECT_EQ(Driver().CheckBoxCaption(), std::string(c.label));
    } else {
      EXPECT_TRUE(Driver().EditText(c.slot));
    }
  }
  for (const std::string_view slot : AllSlots()) {
    const bool used = std::ranges::any_of(
        Expected().controls, [slot](const ExpectedControl& c) { return c.slot == slot; });
    if (!used) {
      EXPECT_FALSE(SlotControl(Window(), slot)) << slot;
    }
  }
}

TEST_P(PageCase, EditsStopTypingAtTheirLimit) {
  ShowPage();
  for (const ExpectedControl& c : Expected().controls) {
    if (c.kind != "edit") continue;
    const auto [typed, kept] = OverlongTyping(c);
    ASSERT_TRUE(Driver().Type(c.slot, typed));
    EXPECT_EQ(Driver().EditText(c.slot), kept) << c.slot;
  }
}

INSTANTIATE_TEST_SUITE_P(Pages, PageCase, ::testing::Range(0, int(kExpectedPages.size())),
                         [](const ::testing::TestParamInfo<int>& info) {
                           std::string name = std::to_string(info.param) + "_";
                           for (const char c : kExpectedPages[std::size_t(info.param)].listEntry) {
                             name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace kalvex::test
