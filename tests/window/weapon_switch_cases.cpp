// Going from weapon to weapon of a script of several: each weapon keeps its
// edits, the page that is up stays up with the weapon's values, Save writes
// the edits of every weapon in place, the ends beep, and the title names the
// file, the weapon and its place.
#include <string>
#include <string_view>
#include <vector>

#include "record/weapon_record.h"
#include "script/script_document.h"
#include "tests/window/window_case.h"
#include "tests/window/window_slots.h"

namespace kalvex::test {
namespace {

// Three weapons, the last with a code of a letter beyond ASCII.
constexpr char kThreeWeapons[] =
    "[GUN]\r\n\t{\r\n\tID=1;\r\n\trange=100;\r\n\t[DAMAGE]\r\n\t\t{\r\n\t\tdefault=10;\r\n"
    "\t\t}\r\n\t}\r\n"
    "[ROCKET]\r\n\t{\r\n\tID=2;\r\n\trange=300; // far\r\n\t[DAMAGE]\r\n\t\t{\r\n"
    "\t\tdefault=200;\r\n\t\theavytank=400;\r\n\t\t}\r\n\t}\r\n"
    "[GAU\xDF]\r\n\t{\r\n\tID=3;\r\n\trange=50;\r\n\t[DAMAGE]\r\n\t\t{\r\n\t\tdefault=5;\r\n"
    "\t\t}\r\n\t}\r\n";

constexpr char kEditor[] = "Cindervale Weapon Editor - ";

class WeaponSwitchCase : public WindowCase {
 protected:
  // Opens kThreeWeapons as `name` with its first weapon, goes on to the
  // second and types its damage 250.
  bool OpenWithSecondDamageTyped(std::string_view name) {
    Ui().WeaponChoices.push_back(0);
    return OpenScriptOf(name, kThreeWeapons) && Driver().PressKeys("Ctrl+PgDown") &&
           TypeOnPage(3, "Enter", "250");
  }
};

TEST_F(WeaponSwitchCase, EditsOfTwoWeaponsAreSavedInPlaceAtOnce) {
  const std::string path = Path("three.tdf");
  ASSERT_TRUE(OpenWithSecondDamageTyped("three.tdf"));
  ASSERT_TRUE(Driver().PressKeys("Ctrl+PgDown"));  // typed in the edit, taken first
  EXPECT_EQ(Driver().EditText("Enter"), "5");      // the page stays up
  EXPECT_EQ(Driver().Focused(), "Enter");
  ASSERT_TRUE(TypeOnPage(5, "Enter", "75"));
  ASSERT_TRUE(Driver().ChooseMenuItem("&Weapon", "&Previous Weapon"));
  EXPECT_EQ(Driver().EditText("Enter"), "300");
  ASSERT_TRUE(Driver().ClickPage(3));
  EXPECT_EQ(Driver().EditText("Enter"), "250");
  Ui().FileChoices.push_back(path);  // as proposed
  ASSERT_TRUE(Driver().PressKeys("Ctrl+S"));
  EXPECT_TRUE(Ui().Questions.empty());
  std::string expected = kThreeWeapons;
  expected.replace(expected.find("default=200"), 11, "default=250");
  expected.replace(expected.find("range=50"), 8, "range=75");
  EXPECT_EQ(ReadBytes(path), expected);
  EXPECT_EQ(Window().SaveFlag(), 1);
  EXPECT_EQ(Driver().Title(), std::string(kEditor) + "three.tdf - ROCKET (2 of 3)");
}

// Saved over a file that another program changed since: Merge, the default,
// writes the changes of both; where both changed one value, the user is
// asked, and Save My Values writes the user's.
TEST_F(WeaponSwitchCase, MergeKeepsTheChangesOnDiskAndInTheWindow) {
  const struct {
    const char* name;
    std::string from, to;  // what another program changed
    std::vector<int> answers;
    std::string merged;    // what the file holds then, besides the window's change
    std::string conflict;  // what the second question lists; empty: none asked
  } kCases[] = {
      {"another weapon changed", "range=50;", "range=55;", {0}, "range=55;", ""},
      {"the value changed there too",
       "default=200;",
       "default=210;",
       {0, 0},
       "",
       "ROCKET, DAMAGE/default: yours 250, on disk 210\n"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::string path = Path("merged.tdf");
    ASSERT_TRUE(OpenWithSecondDamageTyped("merged.tdf"));
    std::string disk = kThreeWeapons;
    disk.replace(disk.find(c.from), c.from.size(), c.to);
    ASSERT_TRUE(WriteBytes(path, disk));
    Ui().Questions.clear();
    Ui().Answers.assign(c.answers.begin(), c.answers.end());
    Ui().FileChoices.push_back(path);
    ASSERT_TRUE(Driver().PressKeys("Ctrl+S"));
    ASSERT_EQ(Ui().Questions.size(), c.answers.size());
    EXPECT_EQ(Ui().Questions[0].Labels, (std::vector<std::string>{"&Merge", "&Replace", "Cancel"}));
    EXPECT_EQ(Ui().Questions[0].DefaultButton, 0);
    if (!c.conflict.empty()) {
      EXPECT_EQ(Ui().Questions[1].Labels, (std::vector<std::string>{"Save My Values", "Cancel"}));
      EXPECT_NE(Ui().Questions[1].Text.find(c.conflict), std::string::npos)
          << Ui().Questions[1].Text;
    }
    std::string expected = kThreeWeapons;
    if (!c.merged.empty()) expected.replace(expected.find(c.from), c.from.size(), c.merged);
    expected.replace(expected.find("default=200"), 11, "default=250");
    EXPECT_EQ(ReadBytes(path), expected);
    EXPECT_EQ(Driver().Title(), std::string(kEditor) + "merged.tdf - ROCKET (2 of 3)");
  }
}

// One step of the user and what the window shows afterwards.
struct SwitchStep {
  std::string action;  // keys; "menu ITEM" of the Weapon menu; "type TEXT"; "new"
  std::string title;   // after the editor's name
  int beeps = 0;       // since the step before
  std::string damage;  // the damage edit shows
};

TEST_F(WeaponSwitchCase, TheEndsBeepAndTheTitleNamesFileWeaponAndPlace) {
  const std::string path = Path("three.tdf");
  ASSERT_TRUE(WriteBytes(path, kThreeWeapons));
  Ui().FileChoices.push_back(path);
  Ui().WeaponChoices.push_back(0);
  ASSERT_TRUE(FileOpen());
  ASSERT_TRUE(Driver().ClickPage(3));
  EXPECT_EQ(Driver().Title(), std::string(kEditor) + "three.tdf - GUN (1 of 3)");
  const SwitchStep steps[] = {
      {"Ctrl+PgUp", "three.tdf - GUN (1 of 3)", 1, "10"},
      {"menu &Next Weapon", "three.tdf - ROCKET (2 of 3)", 0, "200"},
      {"Ctrl+PgDown", "three.tdf - GAU\xC3\x9F (3 of 3)", 0, "5"},
      {"Ctrl+PgDown", "three.tdf - GAU\xC3\x9F (3 of 3)", 1, "5"},
      {"menu &Next Weapon", "three.tdf - GAU\xC3\x9F (3 of 3)", 1, "5"},
      {"type 7", "three.tdf* - GAU\xC3\x9F (3 of 3)", 0, "7"},
      {"type 5", "three.tdf - GAU\xC3\x9F (3 of 3)", 0, "5"},
      {"type 6", "three.tdf* - GAU\xC3\x9F (3 of 3)", 0, "6"},
      {"Ctrl+G", "three.tdf* - GUN (1 of 3)", 0, "10"},
      {"menu &Previous Weapon", "three.tdf* - GUN (1 of 3)", 1, "10"},
      {"Ctrl+S", "three.tdf - GUN (1 of 3)", 0, "10"},
      {"new", "Untitled - (no code) (1 of 1)", 0, ""},
      {"Ctrl+PgDown", "Untitled - (no code) (1 of 1)", 1, ""},
      {"Ctrl+PgUp", "Untitled - (no code) (1 of 1)", 1, ""},
  };
  for (const SwitchStep& step : steps) {
    SCOPED_TRACE(step.action);
    const int beeps = Ui().Beeps;
    if (step.action.starts_with("menu ")) {
      ASSERT_TRUE(Driver().ChooseMenuItem("&Weapon", step.action.substr(5)));
    } else if (step.action.starts_with("type ")) {
      ASSERT_TRUE(Driver().Type("Enter", step.action.substr(5)));
    } else if (step.action == "new") {
      ASSERT_TRUE(FileNew());
      ASSERT_TRUE(Driver().ClickPage(3));
    } else {
      Ui().WeaponChoices.push_back(0);
      Ui().FileChoices.push_back(path);
      ASSERT_TRUE(Driver().PressKeys(step.action));
    }
    EXPECT_EQ(Driver().Title(), kEditor + step.title);
    EXPECT_EQ(Ui().Beeps - beeps, step.beeps);
    EXPECT_EQ(Driver().EditText("Enter"), step.damage);
    Ui().WeaponChoices.clear();
    Ui().FileChoices.clear();
  }
  // The chooser came up with the weapon shown highlighted.
  ASSERT_EQ(Ui().WeaponDialogs.size(), 2u);
  EXPECT_EQ(Ui().WeaponDialogs[1].Caption, "Choose Weapon");
  EXPECT_EQ(Ui().WeaponDialogs[1].Highlighted, 2u);
  std::string expected = kThreeWeapons;
  expected.replace(expected.find("default=5"), 9, "default=6");
  EXPECT_EQ(ReadBytes(path), expected);
}

// Saved under the name of another script, the open script of several
// weapons is written whole, with every weapon's edits, after asking: there
// is no adding it to the other file. The window then holds the file written.
TEST_F(WeaponSwitchCase, SavingUnderAnotherNameWritesTheWholeScript) {
  const std::string path = Path("three.tdf");
  const std::string other = Path("other.tdf");
  const std::string otherScript = "[MINE]\r\n{\r\n\tID=9;\r\n}\r\n";
  for (const int answer : {IDNO, IDYES}) {
    SCOPED_TRACE(answer);
    ASSERT_TRUE(WriteBytes(path, kThreeWeapons));
    ASSERT_TRUE(WriteBytes(other, otherScript));
    Ui().Answers.push_back(IDNO);  // the edits of the round before are not saved
    Ui().FileChoices.push_back(path);
    Ui().WeaponChoices.push_back(0);
    ASSERT_TRUE(FileOpen());
    ASSERT_TRUE(TypeOnPage(3, "Enter", "11"));
    ASSERT_TRUE(Driver().PressKeys("Ctrl+PgDown"));
    ASSERT_TRUE(Driver().Type("Enter", "222"));
    Ui().Questions.clear();
    Ui().Answers = {answer};
    Ui().FileChoices.push_back(other);
    ASSERT_TRUE(FileSave());
    ASSERT_EQ(Ui().Questions.size(), 1u);
    EXPECT_EQ(Ui().Questions[0].Text,
              other +
                  " Already Exists.\nIt holds 1 weapon; replacing it with the 3 weapons of "
                  "this script loses them.\nDo You Want To Replace It?");
    EXPECT_EQ(Ui().Questions[0].Type, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2);
    EXPECT_EQ(ReadBytes(path), kThreeWeapons);
    std::string expected = kThreeWeapons;
    expected.replace(expected.find("default=10"), 10, "default=11");
    expected.replace(expected.find("default=200"), 11, "default=222");
    EXPECT_EQ(ReadBytes(other), answer == IDYES ? expected : otherScript);
    EXPECT_EQ(Driver().Title(), std::string(kEditor) + (answer == IDYES ? "other" : "three") +
                                    (answer == IDYES ? ".tdf" : ".tdf*") + " - ROCKET (2 of 3)");
  }
}

// Weapons whose codes and IDs a copy must not take, the code of one in
// other letters, the last without a line end at its end.
constexpr char kArsenal[] =
    "[GUN]\r\n\t{\r\n\tID=1;\r\n\trange=100;\r\n\t}\r\n// between\r\n"
    "[gun_2]\r\n\t{\r\n\tID=3;\r\n\t}\r\n[LAST]\r\n\t{\r\n\tID=2;\r\n\t}";

struct Copied {
  std::size_t weapon;       // copied
  std::string range;        // typed before, "" for none
  std::string code;         // the copy's
  std::string copied;       // the file saved with the copy
  std::string copyTitle;    // after the editor's name
  std::string deleteTitle;  // once the copy is deleted
  std::string deleted;      // the file saved then
};

// A copy of the weapon with its edits follows it, under the lowest code
// suffix and ID the file has not; deleting it gives back the file's bytes.
TEST_F(WeaponSwitchCase, ACopyDeletedGivesBackTheFile) {
  const std::string path = Path("arsenal.tdf");
  const std::string gun150 =
      "[GUN]\r\n\t{\r\n\tID=1;\r\n\trange=150;\r\n\t}\r\n// between\r\n"
      "[gun_2]\r\n\t{\r\n\tID=3;\r\n\t}\r\n[LAST]\r\n\t{\r\n\tID=2;\r\n\t}";
  const Copied rows[] = {
      {0, "150", "GUN_3",
       "[GUN]\r\n\t{\r\n\tID=1;\r\n\trange=150;\r\n\t}\r\n"
       "[GUN_3]\r\n\t{\r\n\tID=4;\r\n\trange=150;\r\n\t}\r\n// between\r\n"
       "[gun_2]\r\n\t{\r\n\tID=3;\r\n\t}\r\n[LAST]\r\n\t{\r\n\tID=2;\r\n\t}",
       "arsenal.tdf* - GUN_3 (2 of 4)", "arsenal.tdf* - gun_2 (2 of 3)", gun150},
      {2, "", "LAST_2", std::string(kArsenal) + "\r\n[LAST_2]\r\n\t{\r\n\tID=4;\r\n\t}",
       "arsenal.tdf* - LAST_2 (4 of 4)", "arsenal.tdf* - LAST (3 of 3)", kArsenal},
  };
  for (const Copied& row : rows) {
    SCOPED_TRACE(row.weapon);
    ASSERT_TRUE(WriteBytes(path, kArsenal));
    Ui().Answers = {IDNO};  // the round before saved everything
    Ui().FileChoices.push_back(path);
    Ui().WeaponChoices.push_back(row.weapon);
    ASSERT_TRUE(FileOpen());
    if (!row.range.empty()) {
      ASSERT_TRUE(TypeOnPage(5, "Enter", row.range));
    }
    ASSERT_TRUE(Driver().PressKeys("Ctrl+D"));
    EXPECT_EQ(Driver().PageListSelection(), 0);
    EXPECT_EQ(Driver().EditText("Enter"), row.code);
    EXPECT_EQ(Driver().Title(), kEditor + row.copyTitle);
    Ui().FileChoices.push_back(path);
    ASSERT_TRUE(FileSave());
    EXPECT_EQ(ReadBytes(path), row.copied);
    Ui().Answers = {IDYES};
    ASSERT_TRUE(Driver().ChooseMenuItem("&Weapon", "De&lete Weapon"));
    ASSERT_EQ(Ui().Questions.size(), 1u);
    EXPECT_EQ(Ui().Questions.back().Type, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2);
    EXPECT_EQ(Driver().Title(), kEditor + row.deleteTitle);
    Ui().FileChoices.push_back(path);
    ASSERT_TRUE(FileSave());
    EXPECT_EQ(ReadBytes(path), row.deleted);
    Ui().Questions.clear();
  }
}

// The only weapon stays; a deletion answered No changes nothing; a new
// weapon of reset values goes at the end as the writer writes it.
TEST_F(WeaponSwitchCase, DeletingAsksAndANewWeaponGoesAtTheEnd) {
  // An open comment at the end would take a weapon added in.
  const std::string openComment = "[B]\n{\n}\n/* to do";
  ASSERT_TRUE(OpenScriptOf("open.tdf", openComment));
  Ui().Questions.clear();  // what opening told of the comment
  ASSERT_TRUE(Driver().ChooseMenuItem("&Weapon", "Ne&w Weapon In This File"));
  ASSERT_EQ(Ui().Questions.size(), 1u);
  EXPECT_TRUE(Ui().Questions[0].Text.starts_with("Unable to add a weapon to the script"))
      << Ui().Questions[0].Text;
  EXPECT_EQ(Driver().Title(), std::string(kEditor) + "open.tdf - B (1 of 1)");
  Ui().Questions.clear();

  ASSERT_TRUE(OpenScriptOf("one.tdf", "[ONE]\r\n\t{\r\n\tID=1;\r\n\t}\r\n"));
  ASSERT_TRUE(Driver().ChooseMenuItem("&Weapon", "De&lete Weapon"));
  ASSERT_EQ(Ui().Questions.size(), 1u);
  EXPECT_EQ(Ui().Questions[0].Text, "The only weapon of a file cannot be deleted.");
  EXPECT_EQ(Driver().Title(), std::string(kEditor) + "one.tdf - ONE (1 of 1)");

  const std::string path = Path("arsenal.tdf");
  ASSERT_TRUE(WriteBytes(path, kArsenal));
  Ui().FileChoices.push_back(path);
  Ui().WeaponChoices.push_back(1);
  ASSERT_TRUE(FileOpen());
  Ui().Answers = {IDNO};
  ASSERT_TRUE(Driver().ChooseMenuItem("&Weapon", "De&lete Weapon"));
  EXPECT_EQ(Ui().Questions.back().Text,
            "Do You Want To Delete The Weapon gun_2?\nIt goes from the file when the script is "
            "saved.");
  EXPECT_EQ(Driver().Title(), std::string(kEditor) + "arsenal.tdf - gun_2 (2 of 3)");
  ASSERT_TRUE(Driver().ChooseMenuItem("&Weapon", "Ne&w Weapon In This File"));
  EXPECT_EQ(Driver().PageListSelection(), 0);
  EXPECT_EQ(Driver().Title(), std::string(kEditor) + "arsenal.tdf* - (no code) (4 of 4)");
  Ui().FileChoices.push_back(path);
  ASSERT_TRUE(FileSave());
  WeaponRecord fresh;
  fresh.Reset();
  EXPECT_EQ(ReadBytes(path), AppendWeapon(OpenScript(kArsenal), fresh));
}

}  // namespace
}  // namespace kalvex::test
