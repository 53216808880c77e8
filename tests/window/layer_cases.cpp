// The windowing layer's controls and menus as the user meets them: a
// two-column list and a push button added to the main window, the title
// set with a file's name, menu items disabled and renamed at run time with
// keys of every kind, and an edit's own undo and redo beside the window's.
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "tests/window/window_case.h"

namespace kalvex::test {

static void PrintTo(const SeenEvent& event, std::ostream* out) {
  *out << (event.kind == TEventKind::Command ? "command " : "notice ") << event.id;
  if (event.kind == TEventKind::ChildNotify) *out << " code " << event.notifyCode;
}

static void PrintTo(const ShownMenuItem& item, std::ostream* out) {
  *out << '"' << item.text << "\" keys \"" << item.keys << (item.enabled ? "\"" : "\" disabled");
}

namespace {

constexpr int kListId = 950;
constexpr int kButtonId = 951;
// The commands of the cases' menu (case_menu.txt).
constexpr int kUndo = 901;
constexpr int kRedo = 902;
constexpr int kNextWeapon = 903;
constexpr int kPreviousWeapon = 904;

constexpr TAccelerator kCaseKeys[] = {
    {"Ctrl+Z", kUndo},
    {"Ctrl+Y", kRedo},
    {"Ctrl+Shift+Z", kRedo},
    {"Ctrl+PgDown", kNextWeapon},
    {"Ctrl+PgUp", kPreviousWeapon},
};

SeenEvent Command(int id) { return {TEventKind::Command, id}; }
SeenEvent Notice(int id, int code) { return {TEventKind::ChildNotify, id, code}; }

class LayerCase : public WindowCase {
 protected:
  // The cases' menu and keys instead of the editor's.
  void UseCaseMenu() {
    ASSERT_TRUE(Window().AssignMenu("CaseMenu"));
    Window().AssignAccelerators(kCaseKeys);
  }

  // A list of three rows added to the window, as a page would show one.
  TTwoColumnList& AddList() {
    auto* list = new TTwoColumnList(&Window(), kListId, "Key", "Value", 20, 250, 600, 110);
    EXPECT_TRUE(list->Create());
    list->InsertRow(0, "impulsefactor", "0.1");
    list->InsertRow(-1, "DAMAGE/armor_heavy", "400");
    list->InsertRow(1, "CUSTOMPARAMS/unitpic", "caf\351.png");
    return *list;
  }
};

TEST_F(LayerCase, TitleShowsAFileNameBeyondAscii) {
  EXPECT_EQ(Driver().Title(), "Cindervale Weapon Editor");
  const std::string title = "Cindervale Weapon Editor - Fus\303\251e.tdf* - ARM_CRUS (2 of 3)";
  Window().SetTitle(title);
  EXPECT_EQ(Driver().Title(), title);
}

TEST_F(LayerCase, ListShowsItsRowsAndTellsTheRowTheUserSelects) {
  TTwoColumnList& list = AddList();
  ASSERT_TRUE(list.SetRow(2, "DAMAGE/armor_heavy", "450"));
  EXPECT_FALSE(list.SetRow(3, "x", "y"));
  const std::vector<ListRow> rows = {{"impulsefactor", "0.1"},
                                     {"CUSTOMPARAMS/unitpic", "caf\351.png"},
                                     {"DAMAGE/armor_heavy", "450"}};
  EXPECT_EQ(Driver().ListRows(), rows);
  EXPECT_EQ(list.GetRowCount(), 3);
  EXPECT_EQ(Driver().ListRowSelection(), -1);

  list.SetSelIndex(1);  // the program's selection is not told
  EXPECT_EQ(Driver().ListRowSelection(), 1);
  EXPECT_TRUE(Window().Events.empty());

  ASSERT_TRUE(Driver().ClickListRow(2));
  EXPECT_EQ(list.GetSelIndex(), 2);
  ASSERT_TRUE(Driver().ClickListRow(2));  // the row selected already: nothing new
  ASSERT_TRUE(Driver().PressKeys("Up"));
  EXPECT_EQ(Driver().ListRowSelection(), 1);
  EXPECT_EQ(Window().Events,
            (std::vector{Notice(kListId, TLN_SELCHANGE), Notice(kListId, TLN_SELCHANGE)}));
}

TEST_F(LayerCase, DeleteInTheListIsToldAndRemovesNothing) {
  TTwoColumnList& list = AddList();
  ASSERT_TRUE(Driver().ClickListRow(0));
  Window().Events.clear();
  ASSERT_TRUE(Driver().PressKeys("Delete"));
  EXPECT_EQ(Window().Events, std::vector{Notice(kListId, TLN_DELETEKEY)});
  EXPECT_EQ(Driver().ListRows()->size(), 3u);
  EXPECT_EQ(Driver().ListRowSelection(), 0);

  // The program removes the row: none is selected, the rows after it move up.
  ASSERT_TRUE(list.RemoveRow(0));
  EXPECT_FALSE(list.RemoveRow(2));
  EXPECT_EQ(Driver().ListRowSelection(), -1);
  EXPECT_EQ(Driver().ListRows()->front(), ListRow("CUSTOMPARAMS/unitpic", "caf\351.png"));
  list.Clear();
  EXPECT_EQ(Driver().ListRows(), std::vector<ListRow>{});
  EXPECT_EQ(Window().Events.size(), 1u);
}

TEST_F(LayerCase, ButtonIsClickedByMouseSpaceAndEnter) {
  auto* button = new TButton(&Window(), kButtonId, "Set", 480, 389, 60, 22);
  ASSERT_TRUE(button->Create());
  ASSERT_TRUE(Driver().ClickButton("Set"));
  EXPECT_EQ(Window().Events, std::vector{Notice(kButtonId, BN_CLICKED)});
  ASSERT_TRUE(button->HasFocus());
  ASSERT_TRUE(Driver().PressKeys("Space"));
  ASSERT_TRUE(Driver().PressKeys("Enter"));
  EXPECT_EQ(Window().Events, std::vector(3, Notice(kButtonId, BN_CLICKED)));
  EXPECT_FALSE(Driver().ClickButton("Remove"));
}

struct CommandKeys {
  std::string_view keys;
  int command;
};

class MenuKeyCase : public LayerCase, public ::testing::WithParamInterface<CommandKeys> {};

// Page keys, and each of several keys of one command, send the command.
TEST_P(MenuKeyCase, SendsItsCommand) {
  UseCaseMenu();
  ASSERT_TRUE(Driver().PressKeys(GetParam().keys));
  EXPECT_EQ(Window().Events, std::vector{Command(GetParam().command)});
}

INSTANTIATE_TEST_SUITE_P(Keys, MenuKeyCase,
                         ::testing::Values(CommandKeys{"Ctrl+Z", kUndo},
                                           CommandKeys{"Ctrl+Y", kRedo},
                                           CommandKeys{"Ctrl+Shift+Z", kRedo},
                                           CommandKeys{"Ctrl+PgDown", kNextWeapon},
                                           CommandKeys{"Ctrl+PgUp", kPreviousWeapon}),
                         [](const auto& row) {
                           std::string name(row.param.keys);
                           std::ranges::replace(name, '+', '_');
                           return name;
                         });

TEST_F(LayerCase, DisabledMenuItemShowsSoAndSendsNothing) {
  UseCaseMenu();
  EXPECT_EQ(Driver().MenuItem(kRedo), (ShownMenuItem{"&Redo", "Ctrl+Y", true}));
  Window().EnableMenuItem(kUndo, false);
  EXPECT_EQ(Driver().MenuItem(kUndo), (ShownMenuItem{"&Undo", "Ctrl+Z", false}));
  ASSERT_TRUE(Driver().PressKeys("Ctrl+Z"));
  ASSERT_TRUE(Driver().ChooseMenuItem("&Edit", "&Undo"));
  EXPECT_TRUE(Window().Events.empty());

  Window().EnableMenuItem(kUndo, true);
  ASSERT_TRUE(Driver().ChooseMenuItem("&Edit", "&Undo"));
  EXPECT_EQ(Window().Events, std::vector{Command(kUndo)});
}

TEST_F(LayerCase, RenamedMenuItemKeepsItsKeysAndMnemonic) {
  UseCaseMenu();
  Window().SetMenuItemText(kUndo, "Undo R&ange");
  Window().EnableMenuItem(kRedo, false);
  Window().SetMenuItemText(kRedo, "&Redo");
  EXPECT_EQ(Driver().MenuItem(kUndo), (ShownMenuItem{"Undo R&ange", "Ctrl+Z", true}));
  EXPECT_EQ(Driver().MenuItem(kRedo), (ShownMenuItem{"&Redo", "Ctrl+Y", false}));
  ASSERT_TRUE(Driver().ChooseMenuItem("&Edit", "Undo R&ange"));
  EXPECT_EQ(Window().Events, std::vector{Command(kUndo)});
}

struct UndoStep {
  std::string_view keys;
  std::string_view shown;  // in the edit afterwards
  int command;             // sent to the window, 0 for none
};

// While the edit has a change of the user's to undo or redo, Ctrl+Z, Ctrl+Y
// and Ctrl+Shift+Z undo and redo in it; otherwise they are the window's.
TEST_F(LayerCase, EditUndoesAndRedoesTheUsersChangesBeforeTheWindowDoes) {
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(Driver().ClickPage(8));  // three empty edits
  UseCaseMenu();
  ASSERT_TRUE(Driver().Type("Enter", "12"));
  const UndoStep steps[] = {
      {"Ctrl+Z", "1", 0},        {"Ctrl+Z", "", 0},       {"Ctrl+Z", "", kUndo}, {"Ctrl+Y", "1", 0},
      {"Ctrl+Shift+Z", "12", 0}, {"Ctrl+Y", "12", kRedo}, {"Ctrl+Z", "1", 0},
  };
  for (const UndoStep& step : steps) {
    Window().Events.clear();
    ASSERT_TRUE(Driver().PressKeys(step.keys)) << step.keys;
    EXPECT_EQ(Driver().EditText("Enter"), std::string(step.shown)) << step.keys;
    EXPECT_EQ(Window().Events,
              step.command ? std::vector{Command(step.command)} : std::vector<SeenEvent>{})
        << step.keys << " to " << step.shown;
  }
}

// The user's changes outlast a menu command; they end when the focus goes
// to another control, which is told, and when the program sets the text.
TEST_F(LayerCase, EditChangesEndWithTheFocusAndTheProgramsText) {
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(Driver().ClickPage(8));
  UseCaseMenu();
  TEdit& edit = *Window().Page().Enter;
  int focusLost = 0;
  edit.SetFocusLostHandler([&focusLost] { ++focusLost; });
  ASSERT_TRUE(Driver().Type("Enter", "12"));
  Window().Events.clear();
  ASSERT_TRUE(Driver().ChooseMenuItem("&Weapon", "&Next Weapon"));
  ASSERT_TRUE(Driver().PressKeys("Ctrl+Z"));
  EXPECT_EQ(Driver().EditText("Enter"), "1");
  EXPECT_EQ(Window().Events, std::vector{Command(kNextWeapon)});
  EXPECT_EQ(focusLost, 0);

  ASSERT_TRUE(Driver().PressKeys("Tab"));
  EXPECT_EQ(focusLost, 1);
  ASSERT_TRUE(Driver().PressKeys("Shift+Tab"));
  EXPECT_EQ(focusLost, 1);
  Window().Events.clear();
  ASSERT_TRUE(Driver().PressKeys("Ctrl+Z"));
  EXPECT_EQ(Driver().EditText("Enter"), "1");
  EXPECT_EQ(Window().Events, std::vector{Command(kUndo)});

  ASSERT_TRUE(Driver().Type("Enter", "5"));
  edit.SetText("7");
  Window().Events.clear();
  ASSERT_TRUE(Driver().PressKeys("Ctrl+Z"));
  EXPECT_EQ(Driver().EditText("Enter"), "7");
  EXPECT_EQ(Window().Events, std::vector{Command(kUndo)});
}

// Enter in an edit is the edit's, and changes nothing in it.
TEST_F(LayerCase, EnterInAnEditIsTold) {
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(Driver().ClickPage(8));
  int entered = 0;
  Window().Page().Enter->SetEnterHandler([&entered] { ++entered; });
  ASSERT_TRUE(Driver().Type("Enter", "5"));
  Window().Events.clear();
  ASSERT_TRUE(Driver().PressKeys("Enter"));
  EXPECT_EQ(entered, 1);
  EXPECT_EQ(Driver().EditText("Enter"), "5");
  EXPECT_TRUE(Window().Events.empty());
}

}  // namespace
}  // namespace kalvex::test
