// The keyboard, the clipboard and the file manager: the keys of the menu
// commands and of the page list, what an edit takes of what is typed or
// pasted into what it shows, and scripts dropped onto the window.
#include <string>

#include "tests/window/page_expectations.h"
#include "tests/window/page_values.h"
#include "tests/window/window_case.h"
#include "tests/window/window_slots.h"

namespace kalvex::test {
namespace {

struct CommandKeys {
  std::string_view keys;
  std::string_view command;  // "new", "open", "save", "exit", "help"
};

class CommandKeyCase : public WindowCase, public ::testing::WithParamInterface<CommandKeys> {};

// The keys work while an edit has the focus. With a change unsaved, New, Open
// and Exit ask first; Cancel keeps everything as it was.
TEST_P(CommandKeyCase, RunsItsCommand) {
  const CommandKeys& k = GetParam();
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(TypeOnPage(0, "Enter", "GUN"));
  Ui().Answers.push_back(IDCANCEL);
  ASSERT_TRUE(Driver().PressKeys(k.keys));
  const bool asks = k.command == "new" || k.command == "open" || k.command == "exit";
  ASSERT_EQ(Ui().Questions.size(), asks ? 1u : 0u);
  if (asks) {
    EXPECT_EQ(Ui().Questions[0].Text, kUnsavedQuestion);
  }
  ASSERT_EQ(Ui().FileDialogs.size(), k.command == "save" ? 1u : 0u);
  if (k.command == "save") {
    EXPECT_TRUE(Ui().FileDialogs[0].Save);
  }
  ASSERT_EQ(Ui().HelpCalls.size(), k.command == "help" ? 1u : 0u);
  if (k.command == "help") {
    EXPECT_EQ(Ui().HelpCalls[0].HelpFile, "Kalvex.hlp");  // at its contents
    EXPECT_EQ(Ui().HelpCalls[0].Command, HELP_CONTENTS);
  }
  EXPECT_EQ(Driver().EditText("Enter"), "GUN");
  EXPECT_EQ(Window().Page().Box, 1);
}

INSTANTIATE_TEST_SUITE_P(Keys, CommandKeyCase,
                         ::testing::Values(CommandKeys{"Ctrl+N", "new"},
                                           CommandKeys{"Ctrl+O", "open"},
                                           CommandKeys{"Ctrl+S", "save"},
                                           CommandKeys{"Ctrl+Q", "exit"},
                                           CommandKeys{"F1", "help"}),
                         [](const auto& row) { return CaseName(row.param.keys); });

struct PageListKeys {
  std::string_view keys;
  bool opened = false;  // after File, Open; else after File, New
  int page = 0;         // the page up afterwards
};

class PageListKeyCase : public WindowCase, public ::testing::WithParamInterface<PageListKeys> {};

// After File, New or File, Open the page list has the focus and its first
// entry highlighted, with no page up yet: the key opens the highlighted
// page, as a click does, and so it does again once a page is up.
TEST_P(PageListKeyCase, OpensThePage) {
  const PageListKeys& row = GetParam();
  ASSERT_TRUE(FileNew());
  if (row.opened) {
    ASSERT_TRUE(OpenScriptOf("gun.tdf", "[GUN]\r\n\t{\r\n\tID=7;\r\n}"));
  }
  ASSERT_EQ(Driver().ShownPageControls(), 0);
  ASSERT_TRUE(Driver().PressKeys(row.keys));
  const ExpectedPage& page = kExpectedPages[std::size_t(row.page)];
  EXPECT_EQ(Driver().LineText("CurHelp"), std::string(page.curHelp));
  EXPECT_EQ(Driver().ShownPageControls(), int(page.controls.size()));
  EXPECT_EQ(Driver().PageListSelection(), row.page);
  EXPECT_EQ(Window().PageSwitches(), 1);
  EXPECT_EQ(Window().Page().Box, 1);
  EXPECT_EQ(Window().Page().indexx, row.page);
  if (row.keys == "Down") return;
  EXPECT_EQ(Driver().EditText("Enter"), row.opened ? "GUN" : "");
  ASSERT_TRUE(Driver().PressKeys("Down"));
  ASSERT_TRUE(Driver().PressKeys(row.keys));
  EXPECT_EQ(Window().PageSwitches(), 3);
  EXPECT_EQ(Window().Page().indexx, 1);
  EXPECT_EQ(Driver().Focused(), "ComboBox");
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PageListKeyCase,
    ::testing::Values(PageListKeys{.keys = "Enter"}, PageListKeys{.keys = "Keypad Enter"},
                      PageListKeys{.keys = "Space"}, PageListKeys{.keys = "Down", .page = 1},
                      PageListKeys{.keys = "Enter", .opened = true},
                      PageListKeys{.keys = "Space", .opened = true}),
    [](const auto& row) {
      return CaseName(row.param.keys) + (row.param.opened ? "_AfterOpen" : "_AfterNew");
    });

// Tab and Shift+Tab move the keyboard focus from the page list through the
// page's edits, in the order they are built, and back.
TEST_F(WindowCase, TabMovesBetweenTheControls) {
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(Driver().ClickPage(8));  // three edits, Enter to Enter3
  for (const std::string_view keys : {"Tab", "Tab", "2", "Shift+Tab", "1"}) {
    ASSERT_TRUE(Driver().PressKeys(keys)) << keys;
  }
  EXPECT_EQ(Driver().EditText("Enter"), "1");
  EXPECT_EQ(Driver().EditText("Enter2"), "2");
  EXPECT_EQ(Driver().EditText("Enter3"), "");
}

// A code longer than the code's edit lets the user type.
constexpr char kLongCode[] =
    "ABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDEFGHIJ";
// One character more than the code's edit takes.
constexpr char kOneTooLongForTheCode[] =
    "A_CODE_OF_SIXTY_FOUR_CHARACTERS_ONE_MORE_THAN_ITS_EDIT_TAKES_123";

// What the user puts into a page's first edit after the text it shows, read
// from the weapon: keys typed ('<' is the Home key, '\b' Backspace) or a
// clipboard pasted with Ctrl+V.
struct EditInput {
  std::string_view name;
  int page;                  // 0: the code, 2: the ID, 3: the damage, 7: the reload time
  std::string_view program;  // the text the edit shows
  std::string_view input;
  std::string_view shown;  // afterwards
  int beeps;               // inputs refused, each with the platform's signal
};

class EditInputCase : public WindowCase, public ::testing::WithParamInterface<EditInput> {
 protected:
  void ShowProgramText() {
    const EditInput& row = GetParam();
    ASSERT_TRUE(FileNew());
    const ExpectedControl& edit = kExpectedPages[std::size_t(row.page)].controls.front();
    TextMember(Weapon(), edit.member) = std::string(row.program);
    ASSERT_TRUE(Driver().ClickPage(row.page));
    ASSERT_EQ(Driver().EditText("Enter"), std::string(row.program));
    ASSERT_TRUE(Driver().ClickIntoEdit("Enter"));
  }
};

class TypingCase : public EditInputCase {};

// The limit and the validator judge what the user types, never what the
// program shows.
TEST_P(TypingCase, IsJudgedKeyByKey) {
  ShowProgramText();
  for (const char key : GetParam().input) {
    const std::string keys = key == '<' ? "Home" : key == '\b' ? "Backspace" : std::string(1, key);
    ASSERT_TRUE(Driver().PressKeys(keys));
  }
  EXPECT_EQ(Driver().EditText("Enter"), std::string(GetParam().shown));
  EXPECT_EQ(Ui().Beeps, GetParam().beeps);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TypingCase,
    ::testing::Values(
        EditInput{"range: above", 2, "", "256", "25", 1},
        EditInput{"range: letters and zero first", 2, "", "0a12", "12", 2},
        EditInput{"range: emptied", 2, "", "12\b\b", "", 0},
        EditInput{"range: before a blank", 2, " 7", "<1", " 7", 1},
        EditInput{"range: after a blank", 2, " 7", "7", " 7", 1},
        EditInput{"range: program text not judged", 2, "abc", "", "abc", 0},
        EditInput{"range: out-of-range program text shortened", 2, "12345678", "\b\b\b\b\b", "123",
                  0},
        EditInput{"range: out-of-range program text takes no new characters", 2, "1000", "\b7a",
                  "100", 2},
        EditInput{"long program text kept", 0, kLongCode, "xy", kLongCode, 2},
        EditInput{"long program text shortened", 0, kLongCode, "\b\bx",
                  std::string_view(kLongCode).substr(0, 68), 1},
        EditInput{"decimal: a second point", 3, "", "1.2.5", "1.25", 1},
        EditInput{"decimal: program text of two points shortened", 3, "1.2.3", "\b\b4", "1.24", 0},
        EditInput{"decimal: a minus after a digit", 3, "", "-1-2", "-12", 1},
        EditInput{"decimal: a minus put before the number", 3, "0.5", "<-", "-0.5", 0},
        EditInput{"decimal: a second minus before the number", 3, "-5", "<-", "-5", 1}),
    [](const auto& row) { return CaseName(row.param.name); });

class PasteCase : public EditInputCase {};

// Ctrl+V pastes the clipboard without the blanks and line ends at its ends,
// whole or, with a beep, not at all, also after a text the edit shows.
// (What each edit takes pasted alone is EditPageCase's.)
TEST_P(PasteCase, PastesWholeOrNotAtAll) {
  ShowProgramText();
  ASSERT_TRUE(Driver().PutOnClipboard(GetParam().input));
  ASSERT_TRUE(Driver().PressKeys("Ctrl+V"));
  EXPECT_EQ(Driver().EditText("Enter"), std::string(GetParam().shown));
  EXPECT_EQ(Ui().Beeps, GetParam().beeps);
}

INSTANTIATE_TEST_SUITE_P(
    Clipboard, PasteCase,
    ::testing::Values(EditInput{"blanks and a line end around a code", 0, "", "  ROCKET\r\n",
                                "ROCKET", 0},
                      EditInput{"past the limit", 0, "", kOneTooLongForTheCode, "", 1},
                      EditInput{"blanks and line ends around an ID", 2, "", " \t12\r\n", "12", 0},
                      EditInput{"after a program text", 0, "AB", "CD ", "ABCD", 0},
                      EditInput{"blanks alone", 0, "X", "  \n", "X", 0},
                      EditInput{"a second point", 7, "1.5", ".2", "1.5", 1},
                      EditInput{"a semicolon in a number", 7, "", "1;5", "", 1}),
    [](const auto& row) { return CaseName(row.param.name); });

struct Dropped {
  std::string_view name;
  std::string_view file;
  bool latin1Name = false;  // the name's bytes are Latin-1, not UTF-8
  bool unsaved = false;     // a code was typed before
  int answer = IDNO;        // to the question about it
  bool opened = true;
};

class DropCase : public WindowCase, public ::testing::WithParamInterface<Dropped> {};

// A weapon script dropped onto the window is opened as File, Open would
// open it, without a dialog: the question about unsaved changes first.
// Other files are not taken.
TEST_P(DropCase, OpensOnlyWeaponScripts) {
  const Dropped& row = GetParam();
  if (row.latin1Name && !kNamesAreBytes) GTEST_SKIP() << "file names here are not bytes";
  const std::string path = row.latin1Name ? BytePath(row.file) : Path(row.file);
  ASSERT_TRUE(WriteBytes(path, ReadBytes(KALVEX_TEST_DATA "/worked_example.tdf")));
  ASSERT_TRUE(FileNew());
  if (row.unsaved) {
    ASSERT_TRUE(TypeOnPage(0, "Enter", "GUN"));
  }
  Ui().Answers.push_back(row.answer);
  ASSERT_TRUE(Driver().DropFiles({path}));
  const bool asked = row.unsaved && !row.file.ends_with(".txt");
  ASSERT_EQ(Ui().Questions.size(), asked ? 1u : 0u);
  if (asked) {
    EXPECT_EQ(Ui().Questions[0].Text, kUnsavedQuestion);
  }
  EXPECT_TRUE(Ui().FileDialogs.empty());
  if (row.opened) {
    EXPECT_EQ(Weapon().Weapcode, "ROCKET2");
  } else if (row.unsaved) {
    EXPECT_EQ(Driver().EditText("Enter"), "GUN");
  }
  EXPECT_EQ(Window().SaveFlag(), row.opened || !row.unsaved ? 1 : 0);
  EXPECT_EQ(Window().Page().Box, row.opened || !row.unsaved ? 0 : 1);
  ASSERT_TRUE(FileSave());  // cancelled: no answer waits
  ASSERT_EQ(Ui().FileDialogs.size(), 1u);
  EXPECT_EQ(Ui().FileDialogs[0].Request.FileName, row.opened ? path : std::string());
}

INSTANTIATE_TEST_SUITE_P(
    Files, DropCase,
    ::testing::Values(Dropped{.name = "a script", .file = "dropped.tdf"},
                      Dropped{.name = "extension in capitals", .file = "LOUD.TDF"},
                      // A name beyond Latin-1, in UTF-8: "Fusée €.tdf".
                      Dropped{.name = "a name in UTF-8", .file = "Fus\303\251e \342\202\254.tdf"},
                      Dropped{.name = "not a weapon script", .file = "notes.txt", .opened = false},
                      Dropped{.name = "unsaved, No", .file = "opened.tdf", .unsaved = true},
                      Dropped{.name = "unsaved, Cancel",
                              .file = "opened.tdf",
                              .unsaved = true,
                              .answer = IDCANCEL,
                              .opened = false},
                      Dropped{.name = "unsaved, extension in capitals, No",
                              .file = "opened.TDF",
                              .unsaved = true},
                      Dropped{.name = "unsaved, not a weapon script",
                              .file = "opened.txt",
                              .unsaved = true,
                              .opened = false},
                      // \366: an o umlaut.
                      Dropped{.name = "a name in Latin-1, not UTF-8",
                              .file = "\366ffnen.tdf",
                              .latin1Name = true,
                              .unsaved = true}),
    [](const auto& row) { return CaseName(row.param.name); });

}  // namespace
}  // namespace kalvex::test
