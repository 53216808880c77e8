// The keyboard, the clipboard and the file manager: the keys of the menu
// commands, the keys of the page list, pasting, and scripts dropped onto the
// window.
#include <cctype>
#include <string>

#include "tests/window/page_expectations.h"
#include "tests/window/window_case.h"
#include "tests/window/window_slots.h"

namespace kalvex::test {
namespace {

std::string CaseName(std::string_view text) {
  std::string name;
  for (const char c : text) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

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
  ASSERT_TRUE(Driver().ClickPage(0));
  ASSERT_TRUE(Driver().Type("Enter", "GUN"));
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
  EXPECT_EQ(Ui().HelpCalls.size(), k.command == "help" ? 1u : 0u);
  EXPECT_EQ(Driver().EditText("Enter"), "GUN");
}

INSTANTIATE_TEST_SUITE_P(Keys, CommandKeyCase,
                         ::testing::Values(CommandKeys{"Ctrl+N", "new"},
                                           CommandKeys{"Ctrl+O", "open"},
                                           CommandKeys{"Ctrl+S", "save"},
                                           CommandKeys{"Ctrl+Q", "exit"},
                                           CommandKeys{"F1", "help"}),
                         [](const auto& info) { return CaseName(info.param.keys); });

struct PageListKeys {
  std::string_view keys;
  int page;  // the page up afterwards
};

class PageListKeyCase : public WindowCase, public ::testing::WithParamInterface<PageListKeys> {};

// After File, New the page list has the focus and its first entry highlighted,
// with no page up yet.
TEST_P(PageListKeyCase, OpensThePage) {
  ASSERT_TRUE(FileNew());
  ASSERT_EQ(Driver().ShownPageControls(), 0);
  ASSERT_TRUE(Driver().PressKeys(GetParam().keys));
  const ExpectedPage& page = kExpectedPages[std::size_t(GetParam().page)];
  EXPECT_EQ(Driver().LineText("CurHelp"), std::string(page.curHelp));
  EXPECT_EQ(Driver().ShownPageControls(), int(page.controls.size()));
  EXPECT_EQ(Driver().PageListSelection(), GetParam().page);
}

INSTANTIATE_TEST_SUITE_P(Keys, PageListKeyCase,
                         ::testing::Values(PageListKeys{"Enter", 0}, PageListKeys{"Space", 0},
                                           PageListKeys{"Down", 1}),
                         [](const auto& info) { return CaseName(info.param.keys); });

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

struct Pasted {
  std::string_view clipboard;
  std::string_view shown;  // in the code's edit afterwards
  int beeps;
};

// One character more than the code's edit takes.
constexpr char kOneTooLongForTheCode[] =
    "A_CODE_OF_SIXTY_FOUR_CHARACTERS_ONE_MORE_THAN_ITS_EDIT_TAKES_123";

class PasteCase : public WindowCase, public ::testing::WithParamInterface<Pasted> {};

// Ctrl+V pastes the clipboard without the blanks and line ends at its ends,
// whole or, with a beep, not at all.
TEST_P(PasteCase, PastesWholeOrNotAtAll) {
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(Driver().ClickPage(0));
  ASSERT_TRUE(Driver().Paste("Enter", GetParam().clipboard));
  EXPECT_EQ(Driver().EditText("Enter"), std::string(GetParam().shown));
  EXPECT_EQ(Ui().Beeps, GetParam().beeps);
}

INSTANTIATE_TEST_SUITE_P(Clipboard, PasteCase,
                         ::testing::Values(Pasted{"  ROCKET\r\n", "ROCKET", 0},
                                           Pasted{"\311CLAIR", "\311CLAIR", 0},
                                           Pasted{"A;B", "", 1},
                                           Pasted{kOneTooLongForTheCode, "", 1}),
                         [](const auto& info) { return CaseName(info.param.clipboard); });

struct Dropped {
  std::string_view name;
  bool opened;
};

class DropCase : public WindowCase, public ::testing::WithParamInterface<Dropped> {};

// A weapon script dropped onto the window is opened as File, Open would
// open it, without a dialog; other files are not taken.
TEST_P(DropCase, OpensOnlyWeaponScripts) {
  const std::string path = Path(std::string(GetParam().name));
  ASSERT_TRUE(WriteBytes(path, ReadBytes(KALVEX_TEST_DATA "/worked_example.tdf")));
  ASSERT_TRUE(Driver().DropFiles({path}));
  EXPECT_TRUE(Ui().Questions.empty());
  EXPECT_TRUE(Ui().FileDialogs.empty());
  ASSERT_TRUE(FileSave());  // cancelled: no answer waits
  ASSERT_EQ(Ui().FileDialogs.size(), 1u);
  EXPECT_EQ(Ui().FileDialogs[0].Request.FileName, GetParam().opened ? path : std::string());
}

INSTANTIATE_TEST_SUITE_P(Files, DropCase,
                         ::testing::Values(Dropped{"dropped.tdf", true}, Dropped{"LOUD.TDF", true},
                                           // A name beyond Latin-1, in UTF-8: "Fusée €.tdf".
                                           Dropped{"Fus\303\251e \342\202\254.tdf", true},
                                           Dropped{"notes.txt", false}),
                         [](const auto& info) { return CaseName(info.param.name); });

}  // namespace
}  // namespace kalvex::test
