// The Edit menu: Undo and Redo name the change they undo and redo, give
// back the script's bytes, and leave to an edit being typed in its own
// typing.
#include <string>
#include <string_view>

#include "tests/window/window_case.h"
#include "tests/window/window_slots.h"

namespace kalvex::test {
namespace {

using EditMenuCase = WindowCase;

constexpr int kUndo = 126;
constexpr int kRedo = 127;

constexpr char kTwoWeapons[] =
    "[GUN]\r\n\t{\r\n\tID=1;\r\n\trange=100;\r\n\t}\r\n[CANNON]\r\n\t{\r\n\tID=2;\r\n\t}\r\n";

struct NamedChange {
  std::string_view change;  // what is done
  int page;                 // the page it is made on
  std::string_view name;    // what Undo and Redo name it by
};

constexpr NamedChange kNamedChanges[] = {
    {"turret chosen", 4, "Turret?"},
    {"range typed", 5, "Range"},
    {"acceleration typed", 9, "Acceleration (In Pixels/Second^2)"},
    {"beam checked", 10, "Is This A Beam Weapon?"},
    {"weapon duplicated", 3, "Duplicate Weapon"},
    {"weapon deleted", 3, "Delete Weapon"},
    {"weapon added", 3, "New Weapon In This File"},
    {"entry set", 19, "Other Entries"},
};

// Undo, named by the change, shows the page it was made on and gives back
// the bytes opened, with nothing unsaved; Redo, named by it, makes it again.
TEST_F(EditMenuCase, UndoAndRedoNameTheChangeAndGiveBackTheBytes) {
  const std::string path = Path("two.tdf");
  for (const NamedChange& row : kNamedChanges) {
    SCOPED_TRACE(row.change);
    Ui().Answers = {IDNO};  // the round before may have left a change
    Ui().WeaponChoices.push_back(0);
    ASSERT_TRUE(OpenScriptOf("two.tdf", kTwoWeapons));
    EXPECT_EQ(Driver().MenuItem(kUndo), (ShownMenuItem{"&Undo", "Ctrl+Z", false}));
    EXPECT_EQ(Driver().MenuItem(kRedo), (ShownMenuItem{"&Redo", "Ctrl+Y", false}));
    ASSERT_TRUE(Driver().ClickPage(row.page));
    if (row.change == "turret chosen") {
      ASSERT_TRUE(Driver().Pick("ComboBox1", 1));
    } else if (row.change == "range typed" || row.change == "acceleration typed") {
      ASSERT_TRUE(Driver().Type(row.page == 5 ? "Enter" : "Enter2", "7"));
      ASSERT_TRUE(Driver().ClickPage(0));
    } else if (row.change == "beam checked") {
      ASSERT_TRUE(Driver().ClickCheckBox());
    } else if (row.change == "weapon duplicated") {
      ASSERT_TRUE(Driver().PressKeys("Ctrl+D"));
    } else if (row.change == "entry set") {
      ASSERT_TRUE(Driver().Type("Enter", "impulsefactor"));
      ASSERT_TRUE(Driver().Type("Enter2", "0.5"));
      ASSERT_TRUE(Driver().ClickButton("Set"));
    } else if (row.change == "weapon deleted") {
      Ui().Answers = {IDYES};
      ASSERT_TRUE(Driver().ChooseMenuItem("&Weapon", "De&lete Weapon"));
    } else {
      ASSERT_TRUE(Driver().ChooseMenuItem("&Weapon", "Ne&w Weapon In This File"));
    }
    const std::string undo = "&Undo " + std::string(row.name);
    const std::string redo = "&Redo " + std::string(row.name);
    EXPECT_EQ(Driver().MenuItem(kUndo), (ShownMenuItem{undo, "Ctrl+Z", true}));

    ASSERT_TRUE(Driver().ChooseMenuItem("&Edit", undo));
    EXPECT_EQ(Driver().MenuItem(kUndo), (ShownMenuItem{"&Undo", "Ctrl+Z", false}));
    EXPECT_EQ(Driver().MenuItem(kRedo), (ShownMenuItem{redo, "Ctrl+Y", true}));
    EXPECT_EQ(Driver().PageListSelection(), row.page);
    EXPECT_EQ(Driver().Title(), "Cindervale Weapon Editor - two.tdf - GUN (1 of 2)");
    Ui().FileChoices.push_back(path);
    ASSERT_TRUE(FileSave());
    EXPECT_EQ(ReadBytes(path), kTwoWeapons);

    ASSERT_TRUE(Driver().ChooseMenuItem("&Edit", redo));
    EXPECT_EQ(Driver().MenuItem(kUndo), (ShownMenuItem{undo, "Ctrl+Z", true}));
    EXPECT_EQ(Driver().MenuItem(kRedo), (ShownMenuItem{"&Redo", "Ctrl+Y", false}));
    Ui().FileChoices.push_back(path);
    ASSERT_TRUE(FileSave());
    EXPECT_NE(ReadBytes(path), kTwoWeapons);
  }
}

// Ctrl+Z in an edit being typed in undoes the typing there, and the change
// counted before stays; once the edit has nothing to undo, Ctrl+Z undoes
// that change.
TEST_F(EditMenuCase, CtrlZInAnEditUndoesTheTypingOnly) {
  Ui().WeaponChoices.push_back(0);
  ASSERT_TRUE(OpenScriptOf("two.tdf", kTwoWeapons));
  ASSERT_TRUE(Driver().ClickPage(4));
  ASSERT_TRUE(Driver().Pick("ComboBox1", 1));
  ASSERT_TRUE(Driver().ClickPage(5));
  ASSERT_TRUE(Driver().ClickIntoEdit("Enter"));
  ASSERT_TRUE(Driver().PressKeys("7"));
  EXPECT_EQ(Driver().EditText("Enter"), "1007");
  EXPECT_EQ(Driver().MenuItem(kUndo), (ShownMenuItem{"&Undo Range", "Ctrl+Z", true}));

  ASSERT_TRUE(Driver().PressKeys("Ctrl+Z"));
  EXPECT_EQ(Driver().EditText("Enter"), "100");
  EXPECT_EQ(Driver().PageListSelection(), 5);
  EXPECT_EQ(Weapon().Weaptur, 1);
  EXPECT_EQ(Driver().MenuItem(kUndo), (ShownMenuItem{"&Undo Turret?", "Ctrl+Z", true}));

  ASSERT_TRUE(Driver().PressKeys("Ctrl+Z"));
  EXPECT_EQ(Driver().PageListSelection(), 4);
  EXPECT_EQ(Driver().ListSelection("ComboBox1"), 0);
  EXPECT_EQ(Driver().Title(), "Cindervale Weapon Editor - two.tdf - GUN (1 of 2)");
}

}  // namespace
}  // namespace kalvex::test
