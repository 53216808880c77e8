// The nineteen pages as the window shows them, held against the pages'
// expectations written down independently: the page list, each page's
// sentence and labels, the kinds, places and sizes of its controls, their
// identifiers, the lists' entries, the check box's caption, and what each
// edit takes, typed or pasted, up to its limit.
#include <algorithm>
#include <string>

#include "tests/window/page_case.h"
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

// What a paste inserts: the clipboard without the blanks and line ends at its ends.
std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool HasAControlCharacter(std::string_view text) {
  return std::ranges::any_of(text, [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || (byte >= 0x7F && byte < 0xA0);
  });
}

std::vector<std::string> Texts(const std::vector<std::string_view>& texts) {
  return {texts.begin(), texts.end()};
}

using PageListCase = WindowCase;

// After File, New: the list of pages at its place with entry 0 selected and
// the keyboard focus, no page up, nothing changed; selecting by program
// switched no page.
TEST_F(PageListCase, NamesThePagesInOrder) {
  ASSERT_TRUE(FileNew());
  std::vector<std::string> entries;
  for (const ExpectedPage& page : kExpectedPages) entries.emplace_back(page.listEntry);
  entries.emplace_back("Other Entries");
  EXPECT_EQ(Driver().PageListEntries(), entries);
  EXPECT_EQ(Driver().PageListSelection(), 0);
  EXPECT_EQ(Driver().PlaceOf(*Window().PageList()), (ControlPlace{10, 30, 160, 150}));
  EXPECT_EQ(Driver().Focused(), "ComboBox");
  EXPECT_EQ(Driver().ShownPageControls(), 0);
  EXPECT_EQ(Window().Page().Box, 0);
  EXPECT_EQ(Window().SaveFlag(), 1);
  EXPECT_EQ(Window().PageSwitches(), 0);
  for (const std::string_view slot : AllSlots()) {
    EXPECT_FALSE(SlotControl(Window(), slot)) << slot;
  }
}

TEST_P(PageCase, ShowsItsSentenceLabelsAndControls) {
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(Driver().ClickPage(kFullPage));
  ASSERT_TRUE(Driver().ClickPage(PageNumber()));
  EXPECT_EQ(Driver().LineText("CurHelp"), std::string(Expected().curHelp));
  for (const std::string_view line : LabelLines()) {
    EXPECT_EQ(Driver().LineText(line), LabelLineText(Expected(), line)) << line;
  }
  EXPECT_EQ(Driver().ShownPageControls(), int(Expected().controls.size()));
  for (const ExpectedControl& c : Expected().controls) {
    SCOPED_TRACE(std::string(c.slot));
    const TWindow* control = SlotControl(Window(), c.slot);
    ASSERT_TRUE(control);
    EXPECT_EQ(control->GetId(), c.id);
    EXPECT_EQ(Driver().KindOf(c.slot), c.kind);
    const std::optional<ControlPlace> place = Driver().Place(c.slot);
    ASSERT_TRUE(place);
    // Closed, a drop-down list has the platform's height.
    ControlPlace wanted = c.place;
    if (c.kind == kList) wanted.h = place->h;
    EXPECT_EQ(*place, wanted);
    if (c.kind == kList) {
      EXPECT_EQ(Driver().ListEntries(c.slot), Texts(c.entries));
    } else if (c.kind == kCheck) {
      EXPECT_EQ(Driver().CheckBoxCaption(), std::string(c.label));
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

// Typed or pasted, an edit takes what it accepts whole and refuses the rest
// with the platform's signal: trimmed, a paste may be taken whole; a key of
// a control character (a line end is the Enter key) types nothing. Each key
// past the limit is refused.
TEST_P(EditPageCase, EditsTakeWhatTheyAcceptAndStopAtTheirLimit) {
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(Driver().ClickPage(PageNumber()));
  for (const ExpectedControl& c : Expected().controls) {
    if (c.kind != kEdit) continue;
    const auto [typed, kept] = OverlongTyping(c);
    const int beeps = Ui().Beeps;
    ASSERT_TRUE(Driver().Type(c.slot, typed));
    EXPECT_EQ(Driver().EditText(c.slot), kept) << c.slot;
    EXPECT_EQ(Ui().Beeps - beeps, int(typed.size() - kept.size())) << c.slot;
  }
  for (const bool pasted : {false, true}) {
    SCOPED_TRACE(pasted ? "pasted" : "typed");
    const auto enter = [&](std::string_view slot, std::string_view text) {
      return pasted ? Driver().Paste(slot, text) : Driver().Type(slot, text);
    };
    for (const ExpectedControl& c : Expected().controls) {
      for (const std::string_view sample : c.accepts) {
        const int beeps = Ui().Beeps;
        ASSERT_TRUE(enter(c.slot, sample));
        EXPECT_EQ(Driver().EditText(c.slot), std::string(sample)) << c.slot;
        EXPECT_EQ(Ui().Beeps, beeps) << c.slot << ": " << sample;
      }
      for (const std::string_view sample : c.rejects) {
        const int beeps = Ui().Beeps;
        ASSERT_TRUE(enter(c.slot, sample));
        const std::string shown = Driver().EditText(c.slot).value_or("");
        EXPECT_NE(shown, sample) << c.slot;
        const bool takenTrimmed = pasted && shown == Trimmed(sample);
        const bool typesNothing = !pasted && HasAControlCharacter(sample);
        EXPECT_TRUE(takenTrimmed || typesNothing || Ui().Beeps > beeps) << c.slot << ": " << sample;
      }
    }
  }
}

}  // namespace

std::vector<int> PagesWith(std::string_view kind) {
  std::vector<int> pages;
  for (int page = 0; page < kPages; ++page) {
    const std::vector<ExpectedControl>& controls = kExpectedPages[std::size_t(page)].controls;
    if (std::ranges::find(controls, kind, &ExpectedControl::kind) != controls.end()) {
      pages.push_back(page);
    }
  }
  return pages;
}

std::string PageCaseName(const ::testing::TestParamInfo<int>& info) {
  return std::to_string(info.param) + "_" +
         CaseName(kExpectedPages[std::size_t(info.param)].listEntry);
}

INSTANTIATE_TEST_SUITE_P(Pages, PageCase, ::testing::Range(0, kPages), PageCaseName);
INSTANTIATE_TEST_SUITE_P(Pages, EditPageCase, ::testing::ValuesIn(PagesWith(kEdit)), PageCaseName);
INSTANTIATE_TEST_SUITE_P(Pages, ListPageCase, ::testing::ValuesIn(PagesWith(kList)), PageCaseName);

}  // namespace kalvex::test
