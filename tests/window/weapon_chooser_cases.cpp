// The weapon-choosing dialog as the platform shows it: the row given
// highlighted and in view, the filter box narrowing the rows as the user
// types, the keyboard, and a dialog the user can make larger or smaller.
#include <cctype>
#include <cstdio>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tests/window/weapon_chooser_screen.h"
#include "tests/window/window_case.h"

namespace kalvex::test {
namespace {

using WeaponChooserCase = WindowCase;

constexpr std::size_t kWeapons = 40;

// Four weapons to find, then fillers enough to need scrolling.
TWeaponChoice Arsenal(std::size_t highlighted) {
  TWeaponChoice choice{"Choose Weapon",
                       "This file holds 40 weapons. Which one do you want to edit?",
                       {{"ARM_LIGHTLASER", "Light Laser", "1", 1},
                        {"CORE_ROCKET", "Rocket Launcher", "2", 12},
                        {"KETZER-GAU\xC3\x9F", "Ketzer", "3", 23},
                        {"ARM_CRUS", "Crusader Cannon", "4", 34}},
                       highlighted};
  for (std::size_t row = choice.Rows.size(); row < kWeapons; ++row) {
    char code[16];
    std::snprintf(code, sizeof code, "FILLER_%02zu", row);
    choice.Rows.push_back({code, "Filler", std::to_string(row + 1), int(row * 11 + 1)});
  }
  return choice;
}

std::vector<std::string> Codes(const ChooserShown& shown) {
  std::vector<std::string> codes;
  for (const std::vector<std::string>& row : shown.Rows) codes.push_back(row.at(0));
  return codes;
}

std::vector<std::string> EveryCode() {
  std::vector<std::string> codes;
  for (const TWeaponRow& row : Arsenal(0).Rows) codes.push_back(row.Code);
  return codes;
}

// The highlighted row's code, "" when none is.
std::string HighlightedCode(const ChooserShown& shown) {
  return shown.Highlighted < 0 ? "" : shown.Rows.at(std::size_t(shown.Highlighted)).at(0);
}

struct FilterRow {
  const char* name;
  std::size_t highlighted;              // given to the dialog
  std::string typed = {};               // into the filter box ("": nothing)
  std::vector<std::string> shown = {};  // the codes shown afterwards (empty: none)
  std::string highlightedCode = {};     // "" for none
  std::optional<std::size_t> taken;     // by Enter; nothing: Enter does nothing
};

const FilterRow kFilterRows[] = {
    {.name = "nothing typed: the given row",
     .highlighted = 37,
     .shown = EveryCode(),
     .highlightedCode = "FILLER_37",
     .taken = 37},
    {.name = "nothing typed: a row beyond the list gives the first",
     .highlighted = 99,
     .shown = EveryCode(),
     .highlightedCode = "ARM_LIGHTLASER",
     .taken = 0},
    {.name = "a code in another case: the first shown",
     .highlighted = 37,
     .typed = "arm_",
     .shown = {"ARM_LIGHTLASER", "ARM_CRUS"},
     .highlightedCode = "ARM_LIGHTLASER",
     .taken = 0},
    {.name = "a name in another case: its index in the whole list",
     .highlighted = 0,
     .typed = "CANNON",
     .shown = {"ARM_CRUS"},
     .highlightedCode = "ARM_CRUS",
     .taken = 3},
    {.name = "the highlight stays while its row is shown",
     .highlighted = 3,
     .typed = "Arm",
     .shown = {"ARM_LIGHTLASER", "ARM_CRUS"},
     .highlightedCode = "ARM_CRUS",
     .taken = 3},
    {.name = "a letter beyond ASCII",
     .highlighted = 0,
     .typed = "gau\xC3\x9F",
     .shown = {"KETZER-GAU\xC3\x9F"},
     .highlightedCode = "KETZER-GAU\xC3\x9F",
     .taken = 2},
    {.name = "no row shown",
     .highlighted = 3,
     .typed = "zzz",
     .shown = {},
     .highlightedCode = "",
     .taken = std::nullopt},
};

void PrintTo(const FilterRow& row, std::ostream* out) { *out << row.name; }

class FilterCase : public WindowCase, public ::testing::WithParamInterface<FilterRow> {};

// The filter shows the rows whose code or name holds what was typed; Enter
// takes the highlighted row by its index in the whole list.
TEST_P(FilterCase, ShowsTheMatchingRowsAndEnterTakesTheHighlightedOne) {
  const FilterRow& f = GetParam();
  std::vector<ChooserStep> steps;
  if (!f.typed.empty()) steps.push_back({.Type = f.typed});
  steps.push_back({.Keys = "Enter"});
  const ChooserUse use = UseWeaponChooser(Window().GetHandle(), Arsenal(f.highlighted), steps);
  ASSERT_EQ(use.Shown.size(), steps.size() + (f.taken ? 0 : 1));
  const ChooserShown& first = use.Shown.front();
  EXPECT_EQ(first.Filter, "");
  EXPECT_EQ(first.Focused, "filter");
  EXPECT_EQ(Codes(first), EveryCode());
  const ChooserShown& filtered = use.Shown[f.typed.empty() ? 0 : 1];
  EXPECT_EQ(filtered.Filter, f.typed);
  EXPECT_EQ(Codes(filtered), f.shown);
  EXPECT_EQ(HighlightedCode(filtered), f.highlightedCode);
  EXPECT_EQ(filtered.HighlightedInView, !f.highlightedCode.empty());
  EXPECT_EQ(filtered.OkEnabled, !f.shown.empty());
  EXPECT_EQ(use.ClosedByTheSteps, f.taken.has_value());
  EXPECT_EQ(use.Taken, f.taken);
}

INSTANTIATE_TEST_SUITE_P(Rows, FilterCase, ::testing::ValuesIn(kFilterRows), [](const auto& row) {
  std::string name;
  for (const char c : std::string(row.param.name)) {
    name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  }
  return name;
});

// Down and Up in the filter box move the highlight among the rows shown,
// and the focus stays where the user types.
TEST_F(WeaponChooserCase, DownAndUpInTheFilterBoxMoveTheHighlight) {
  const ChooserUse use = UseWeaponChooser(Window().GetHandle(), Arsenal(0),
                                          {{.Type = "arm"},
                                           {.Keys = "Down"},
                                           {.Keys = "Down"},
                                           {.Keys = "Up"},
                                           {.Keys = "Down"},
                                           {.Click = "OK"}});
  ASSERT_EQ(use.Shown.size(), 6u);
  const char* highlighted[] = {"ARM_LIGHTLASER", "ARM_LIGHTLASER", "ARM_CRUS",
                               "ARM_CRUS",       "ARM_LIGHTLASER", "ARM_CRUS"};
  for (std::size_t step = 0; step < use.Shown.size(); ++step) {
    EXPECT_EQ(HighlightedCode(use.Shown[step]), highlighted[step]) << "after step " << step;
    EXPECT_EQ(use.Shown[step].Focused, "filter") << "after step " << step;
  }
  EXPECT_EQ(use.Taken, 3u);
}

// With no row shown neither Enter nor OK takes one; emptying the filter shows
// every row again, the first highlighted.
TEST_F(WeaponChooserCase, NoRowShownTakesNothingUntilTheFilterShowsRowsAgain) {
  const ChooserUse use = UseWeaponChooser(Window().GetHandle(), Arsenal(3),
                                          {{.Type = "qqq"},
                                           {.Keys = "Enter"},
                                           {.Click = "OK"},
                                           {.Keys = "Backspace"},
                                           {.Keys = "Backspace"},
                                           {.Keys = "Backspace"},
                                           {.Keys = "Enter"}});
  ASSERT_EQ(use.Shown.size(), 7u);
  for (std::size_t step = 1; step <= 3; ++step) {
    EXPECT_TRUE(use.Shown[step].Rows.empty()) << "after step " << step;
    EXPECT_FALSE(use.Shown[step].OkEnabled) << "after step " << step;
  }
  EXPECT_EQ(use.Shown[4].Filter, "qq");
  EXPECT_EQ(use.Shown[6].Filter, "");
  EXPECT_EQ(Codes(use.Shown[6]), EveryCode());
  EXPECT_EQ(HighlightedCode(use.Shown[6]), "ARM_LIGHTLASER");
  EXPECT_TRUE(use.Shown[6].OkEnabled);
  EXPECT_EQ(use.Taken, 0u);
}

// Tab goes from the filter box to the list, to OK, to Cancel and round
// again; Escape cancels.
TEST_F(WeaponChooserCase, TabGoesRoundAndEscapeCancels) {
  const ChooserUse use = UseWeaponChooser(
      Window().GetHandle(), Arsenal(0),
      {{.Keys = "Tab"}, {.Keys = "Tab"}, {.Keys = "Tab"}, {.Keys = "Tab"}, {.Keys = "Escape"}});
  ASSERT_EQ(use.Shown.size(), 5u);
  const char* focused[] = {"filter", "list", "OK", "Cancel", "filter"};
  for (std::size_t step = 0; step < use.Shown.size(); ++step) {
    EXPECT_EQ(use.Shown[step].Focused, focused[step]) << "after step " << step;
  }
  EXPECT_TRUE(use.ClosedByTheSteps);
  EXPECT_EQ(use.Taken, std::nullopt);
}

// Whether `inner` lies wholly inside the client area and above `below`.
bool StandsApart(const ControlPlace& client, const ControlPlace& inner, const ControlPlace& below) {
  return inner.x >= 0 && inner.y >= 0 && inner.x + inner.w <= client.w &&
         inner.y + inner.h <= below.y;
}

// A larger dialog gives all its new room to the list and keeps the buttons
// at the bottom right; a smaller one stops at a size where every control
// still has room.
TEST_F(WeaponChooserCase, TheListTakesTheRoomTheUserGivesTheDialog) {
  const ChooserUse use = UseWeaponChooser(
      Window().GetHandle(), Arsenal(0),
      {{.Width = 800, .Height = 600}, {.Width = 100, .Height = 80}, {.Click = "Cancel"}});
  ASSERT_EQ(use.Shown.size(), 3u);
  const ChooserShown& before = use.Shown[0];
  const ChooserShown& larger = use.Shown[1];
  ASSERT_EQ(larger.Client, (ControlPlace{0, 0, 800, 600}));
  const int wider = larger.Client.w - before.Client.w;
  const int taller = larger.Client.h - before.Client.h;
  EXPECT_EQ(larger.List.x, before.List.x);
  EXPECT_EQ(larger.List.y, before.List.y);
  EXPECT_EQ(larger.List.w, before.List.w + wider);
  EXPECT_EQ(larger.List.h, before.List.h + taller);
  EXPECT_EQ(larger.FilterBox.w, before.FilterBox.w + wider);
  for (const auto& [was, is] : {std::pair{before.Ok, larger.Ok}, {before.Cancel, larger.Cancel}}) {
    EXPECT_EQ(is.x, was.x + wider);
    EXPECT_EQ(is.y, was.y + taller);
  }

  const ChooserShown& smaller = use.Shown[2];
  EXPECT_GE(smaller.Client.w, 250);
  EXPECT_GE(smaller.Client.h, 180);
  EXPECT_GE(smaller.List.h, 40);
  EXPECT_TRUE(StandsApart(smaller.Client, smaller.FilterBox, smaller.List));
  EXPECT_TRUE(StandsApart(smaller.Client, smaller.List, smaller.Ok));
  EXPECT_TRUE(smaller.Ok.x + smaller.Ok.w <= smaller.Cancel.x ||
              smaller.Cancel.x + smaller.Cancel.w <= smaller.Ok.x);
  EXPECT_LE(smaller.Cancel.y + smaller.Cancel.h, smaller.Client.h);
  EXPECT_TRUE(use.ClosedByTheSteps);
  EXPECT_EQ(use.Taken, std::nullopt);
}

}  // namespace
}  // namespace kalvex::test
