// The rules of the windowing layer that hold without a window, whichever
// implementation is under it: character sets and validators, the menu
// description, the file filter, and what the layer's boxes and dialogs make
// of the labels, rows and names given to them and of the answers they get.
#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "tests/window/scripted_user_interface.h"

namespace {

using namespace std::string_view_literals;

struct CharSetRow {
  std::string_view set;
  std::string_view members;
  std::string_view others;
};

TEST(LayerRules, CharSetReadsRanges) {
  const CharSetRow kSets[] = {
      {.set = "0-9", .members = "0369", .others = " .-/:a"},
      {.set = " 0-9.", .members = " 07.", .others = "-,a\t"},
      {.set = "-a-", .members = "-a", .others = "b"},                 // a hyphen at either end
      {.set = "9-0", .members = "", .others = "05"},                  // a reversed range
      {.set = "\x01-\xff", .members = "\x01\xff", .others = "\0"sv},  // up to the last byte
  };
  for (const CharSetRow& row : kSets) {
    SCOPED_TRACE(std::string(row.set));
    const TCharSet chars{row.set};
    for (const char c : row.members) {
      EXPECT_TRUE(chars.Has(c)) << int(c);
    }
    for (const char c : row.others) {
      EXPECT_FALSE(chars.Has(c)) << int(c);
    }
    EXPECT_TRUE(TFilterValidator(chars).IsValidInput(row.members));
    EXPECT_EQ(
        TFilterValidator(chars).IsValidInput(std::string(row.members) + std::string(row.others)),
        row.others.empty());
  }
}

struct RangeRow {
  std::string_view name;
  int min;
  int max;
  std::string_view text;
  bool valid;  // whether it may stand while typing
};

TEST(LayerRules, RangeTakesWholeNumbersWhileTyping) {
  const RangeRow kTexts[] = {
      {"empty", 1, 255, "", true},
      {"blank only", 1, 255, " ", false},
      {"lowest", 1, 255, "1", true},
      {"highest", 1, 255, "255", true},
      {"above", 1, 255, "256", false},
      {"far above", 1, 255, "99999999999999999999", false},
      {"zero below the range", 1, 255, "0", false},
      {"leading zero", 1, 255, "07", false},
      {"zero in range", 0, 100, "0", true},
      {"signs", 1, 255, "-1", false},
      {"trailing blanks", 1, 255, "12  ", false},
      {"blank inside", 1, 255, "1 5", false},
      {"leading blank", 1, 255, " 12", false},
      {"decimal point", 1, 9000, "1.5", false},
      {"start of a number in range", 10, 100, "5", true},
      {"cannot reach the range", 500, 600, "7", false},
      {"highest int", 1, 2147483647, "2147483647", true},
      {"past the highest int", 1, 2147483647, "2147483648", false},
  };
  for (const RangeRow& row : kTexts) {
    EXPECT_EQ(TRangeValidator(row.min, row.max).IsValidInput(row.text), row.valid) << row.name;
  }
}

TEST(LayerRules, DecimalTakesAStartingMinusAndAtMostOnePoint) {
  const std::pair<std::string_view, bool> kTexts[] = {
      {"", true},     {"1250", true},  {"0.367", true}, {".5", true},     {"5.", true},
      {".", true},    {"1.2.", false}, {"..", false},   {"1.2.3", false}, {"1 5", false},
      {"-1", true},   {"-", true},     {"-.", true},    {"-0.367", true}, {"1-", false},
      {".-5", false}, {"--1", false},  {" -1", false},  {"+1", false},    {"1,5", false},
      {"1e3", false},
  };
  for (const auto& [text, valid] : kTexts) {
    EXPECT_EQ(TDecimalValidator().IsValidInput(text), valid) << '"' << text << '"';
  }
}

TEST(LayerRules, MenuDescriptionIsRead) {
  const std::optional<TMenuResource> file{{{{"&File", {{"&New", 104}, {"E&xit", 105}}}}}};
  const std::optional<TMenuResource> malformed;
  const struct {
    std::string_view name;
    std::string_view text;
    std::optional<TMenuResource> menu;
  } kDescriptions[] = {
      {"menu with items", "POPUP \"&File\"\n  MENUITEM \"&New\" 104\n  MENUITEM \"E&xit\" 105\n",
       file},
      {"comments, blank lines, tabs, CR LF",
       "# m\r\n\r\nPOPUP \"&File\"\r\n\tMENUITEM \"&New\"\t104\r\nMENUITEM \"E&xit\" 105", file},
      {"empty", "", TMenuResource{}},
      {"item before any menu", "MENUITEM \"&New\" 104\n", malformed},
      {"unclosed quote", "POPUP \"&File\nMENUITEM \"N\" 1\n", malformed},
      {"identifier not a number", "POPUP \"F\"\nMENUITEM \"N\" 10x\n", malformed},
      {"identifier missing", "POPUP \"F\"\nMENUITEM \"N\"\n", malformed},
      {"identifier too large", "POPUP \"F\"\nMENUITEM \"N\" 99999999999\n", malformed},
      {"unknown keyword", "POPUP \"F\"\nSEPARATOR\n", malformed},
  };
  for (const auto& description : kDescriptions) {
    EXPECT_EQ(ParseMenuResource(description.text), description.menu) << description.name;
  }
}

TEST(LayerRules, FileFilterIsReadInPairs) {
  const struct {
    std::string_view filter;
    std::vector<TFileFilter> entries;
  } kFilters[] = {
      {"Weapon Files (*.TDF)|*.tdf|", {{"Weapon Files (*.TDF)", {"*.tdf"}}}},
      {"A|*.a|B|*.b;*.c|", {{"A", {"*.a"}}, {"B", {"*.b", "*.c"}}}},
      {"A|*.a", {{"A", {"*.a"}}}},      // no closing bar
      {"A||B|*.b|", {{"B", {"*.b"}}}},  // a caption without patterns
      {"A", {}},                        // a caption alone
  };
  for (const auto& row : kFilters) {
    EXPECT_EQ(ParseFileFilter(row.filter), row.entries) << row.filter;
  }
}

// What a window makes of labels and answers before and after the interface.
TEST(LayerRules, LabelledMessageBoxIsGuarded) {
  const struct {
    std::string_view name;
    int labels;         // how many of Add, Replace, Cancel are given
    int defaultButton;  // as given
    int scripted;       // the interface's answer; -2: none
    int askedDefault;   // the default it is asked with; -1: not asked
    int answer;
  } kBoxes[] = {
      {"answer given", 3, 0, 1, 0, 1},
      {"closed", 3, 1, -2, 1, 2},
      {"answer beyond the buttons", 3, 0, 7, 0, 2},
      {"negative answer", 3, 0, -1, 0, 2},
      {"default beyond the buttons", 2, 5, 0, 0, 0},
      {"no buttons", 0, 0, 0, -1, -1},
  };
  const std::string_view all[] = {"Add", "Replace", "Cancel"};
  for (const auto& row : kBoxes) {
    SCOPED_TRACE(std::string(row.name));
    ScriptedUserInterface ui;
    if (row.scripted != -2) ui.Answers.push_back(row.scripted);
    TStatic owner(nullptr, -1, "", 0, 0, 0, 0);
    EXPECT_EQ(owner.MessageBox("text", "caption", MB_ICONEXCLAMATION,
                               std::span(all, std::size_t(row.labels)), row.defaultButton),
              row.answer);
    ASSERT_EQ(ui.Questions.size(), row.askedDefault < 0 ? 0u : 1u);
    if (row.askedDefault >= 0) {
      EXPECT_EQ(ui.Questions[0].DefaultButton, row.askedDefault);
      EXPECT_EQ(ui.Questions[0].Labels.size(), std::size_t(row.labels));
    }
  }
}

// The weapon-choosing dialog of the layer: a row taken, or IDCANCEL for a
// cancel, an index outside the rows, or no rows at all (then nothing is shown).
TEST(LayerRules, WeaponDialogGivesTheChosenRow) {
  const struct {
    std::string_view name;
    int rows;
    int answer;  // -1: cancelled
    int result;
    int shown;  // how often the interface is asked
  } kChoices[] = {
      {"second row", 3, 1, IDOK, 1},
      {"cancelled", 3, -1, IDCANCEL, 1},
      {"beyond the rows", 3, 3, IDCANCEL, 1},
      {"no rows", 0, 0, IDCANCEL, 0},
  };
  for (const auto& row : kChoices) {
    SCOPED_TRACE(std::string(row.name));
    ScriptedUserInterface ui;
    if (row.answer >= 0) ui.WeaponChoices.push_back(std::size_t(row.answer));
    TWeaponChoice choice{"Open Weapon", "Which one?", {}};
    for (int r = 0; r < row.rows; ++r)
      choice.Rows.push_back({std::to_string(r).insert(0, 1, 'W'), "", "", r + 1});
    TWeaponDialog dialog(nullptr, choice);
    EXPECT_EQ(dialog.Execute(), row.result);
    if (row.result == IDOK) {
      EXPECT_EQ(dialog.Chosen(), std::size_t(row.answer));
    }
    ASSERT_EQ(int(ui.WeaponDialogs.size()), row.shown);
    if (row.shown) {
      EXPECT_TRUE(ui.WeaponDialogs[0] == choice);
    }
  }
}

// Both dialogs propose the shared name and offer weapon files; only the
// open dialog insists on an existing file; the save dialog adds the default
// extension to a name without one; a cancelled dialog changes nothing.
TEST(LayerRules, FileDialogsGiveTheChosenName) {
  const struct {
    std::string_view name;
    bool save;
    std::optional<std::string> chosen;  // nothing: cancelled
    int result;
    std::string_view fileName;  // given back
  } kDialogs[] = {
      {"open", false, "/tmp/a.TDF", IDOK, "/tmp/a.TDF"},
      {"save, new bare name", true, "/tmp/new", IDOK, "/tmp/new.TDF"},
      {"save, dot in the folder", true, "/v1.2/rocket", IDOK, "/v1.2/rocket.TDF"},
      {"save, with extension", true, "/tmp/b.tdf", IDOK, "/tmp/b.tdf"},
      {"open, cancelled", false, std::nullopt, IDCANCEL, "old.tdf"},
      {"save, cancelled", true, std::nullopt, IDCANCEL, "old.tdf"},
      {"save, empty name", true, "", IDCANCEL, "old.tdf"},
  };
  for (const auto& row : kDialogs) {
    SCOPED_TRACE(std::string(row.name));
    ScriptedUserInterface ui;
    TOpenSaveDialog::TData data(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, "Weapon Files (*.TDF)|*.tdf|",
                                "TDF");
    data.FileName = "old.tdf";
    ui.FileChoices.push_back(row.chosen);
    EXPECT_EQ(row.save ? TFileSaveDialog(nullptr, data).Execute()
                       : TFileOpenDialog(nullptr, data).Execute(),
              row.result);
    EXPECT_EQ(data.FileName, row.fileName);
    ASSERT_EQ(ui.FileDialogs.size(), 1u);
    const TFileRequest& request = ui.FileDialogs[0].Request;
    EXPECT_EQ(ui.FileDialogs[0].Save, row.save);
    EXPECT_EQ(request.MustExist, !row.save);
    EXPECT_EQ(request.FileName, "old.tdf");
    EXPECT_EQ(request.Filters, (std::vector<TFileFilter>{{"Weapon Files (*.TDF)", {"*.tdf"}}}));
  }
}

}  // namespace
