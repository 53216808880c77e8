// Saving a weapon of a script opened from disk: the script is edited in
// place, every byte the user did not change stays; the weapon of a script of
// several is chosen in a list; replacing a file asks what would be lost.
#include <string>

#include "record/weapon_record.h"
#include "script/script_document.h"
#include "script/script_writer.h"
#include "tests/window/window_case.h"
#include "tests/window/window_slots.h"

namespace kalvex::test {
namespace {

using InPlaceCase = WindowCase;

// Three weapons with comments, an entry without a field and damage per target.
constexpr char kThreeWeapons[] =
    "// the mod's guns\r\n"
    "[GUN]\r\n\t{\r\n\tID=1;\r\n\tname=Gun;\r\n\t[DAMAGE]\r\n\t\t{\r\n\t\tdefault=10;\r\n\t\t}"
    "\r\n\t}"
    "\r\n[ROCKET]\r\n\t{\r\n\tID=2;\r\n\tname=Rocket; // the second\r\n\tshakeduration=0.5;\r\n"
    "\t[DAMAGE]\r\n\t\t{\r\n\t\tdefault=200;\r\n\t\theavytank=400;\r\n\t\t}\r\n\t}\r\n"
    "[BOMB]\r\n\t{\r\n\tID=3;\r\n\t}\r\n";

TEST_F(InPlaceCase, SavingTheSecondOfThreeWeaponsChangesOnlyItsDamageLine) {
  const std::string path = Path("three.tdf");
  ASSERT_TRUE(WriteBytes(path, kThreeWeapons));
  Ui().FileChoices.push_back(path);
  Ui().WeaponChoices.push_back(1);
  ASSERT_TRUE(FileOpen());
  ASSERT_EQ(Ui().WeaponDialogs.size(), 1u);
  const TWeaponChoice& shown = Ui().WeaponDialogs[0];
  EXPECT_EQ(shown.Prompt, "This file holds 3 weapons. Which one do you want to edit?");
  EXPECT_EQ(shown.Rows,
            (std::vector<TWeaponRow>{
                {"GUN", "Gun", "1", 2}, {"ROCKET", "Rocket", "2", 11}, {"BOMB", "", "3", 22}}));
  EXPECT_TRUE(Ui().Questions.empty());
  ASSERT_TRUE(Driver().ClickPage(3));
  EXPECT_EQ(Driver().EditText("Enter"), "200");
  ASSERT_TRUE(Driver().Type("Enter", "250"));
  Ui().FileChoices.push_back(path);  // as proposed
  ASSERT_TRUE(FileSave());
  EXPECT_TRUE(Ui().Questions.empty());
  std::string expected = kThreeWeapons;
  expected.replace(expected.find("default=200"), 11, "default=250");
  EXPECT_EQ(ReadBytes(path), expected);
  EXPECT_EQ(Window().SaveFlag(), 1);
}

TEST_F(InPlaceCase, CancelInTheWeaponListKeepsTheWeaponAndTheProposedName) {
  const std::string path = Path("three.tdf");
  ASSERT_TRUE(WriteBytes(path, kThreeWeapons));
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(Driver().ClickPage(0));
  ASSERT_TRUE(Driver().Type("Enter", "MINE"));
  Ui().FileChoices.push_back(Path("mine.tdf"));
  ASSERT_TRUE(FileSave());
  Ui().FileChoices.push_back(path);
  ASSERT_TRUE(FileOpen());  // the weapon list is cancelled
  EXPECT_EQ(Ui().WeaponDialogs.size(), 1u);
  EXPECT_EQ(Window().EditedWeapon().Weapcode, "MINE");
  EXPECT_EQ(Driver().EditText("Enter"), "MINE");
  EXPECT_EQ(Window().FileDialogData().FileName, Path("mine.tdf"));
}

// A sound of the mod's own, which no list holds, is its list's last entry,
// selected, and survives a visit to its page.
TEST_F(InPlaceCase, ASoundNoListHoldsIsKeptThroughItsPage) {
  const std::string path = Path("vortex.tdf");
  const std::string script =
      "[VORTEX]\r\n\t{\r\n\tID=9;\r\n\tsoundstart=VortexFire;\r\n\tsoundhit=xplomas2;\r\n}\r\n";
  ASSERT_TRUE(WriteBytes(path, script));
  Ui().FileChoices.push_back(path);
  ASSERT_TRUE(FileOpen());
  ASSERT_TRUE(Driver().ClickPage(14));
  EXPECT_EQ(Driver().ListEntries("ComboBox1")->back(), "VortexFire");
  EXPECT_EQ(Driver().ListSelection("ComboBox1"), 32);  // after the 32 of the list
  ASSERT_TRUE(Driver().ClickPage(15));
  Ui().FileChoices.push_back(path);
  ASSERT_TRUE(FileSave());
  EXPECT_EQ(ReadBytes(path), script);
}

// Whoever changed the file since it was opened would lose that: Save asks
// whether to merge or replace, and Cancel keeps the file.
TEST_F(InPlaceCase, SaveAsksBeforeReplacingAFileChangedOnDisk) {
  const std::string path = Path("three.tdf");
  ASSERT_TRUE(WriteBytes(path, kThreeWeapons));
  Ui().FileChoices.push_back(path);
  Ui().WeaponChoices.push_back(0);
  ASSERT_TRUE(FileOpen());
  const std::string changed = std::string(kThreeWeapons) + "// added elsewhere\r\n";
  ASSERT_TRUE(WriteBytes(path, changed));
  Ui().FileChoices.push_back(path);
  ASSERT_TRUE(FileSave());  // cancelled
  ASSERT_EQ(Ui().Questions.size(), 1u);
  EXPECT_EQ(Ui().Questions[0].Labels, (std::vector<std::string>{"&Merge", "&Replace", "Cancel"}));
  EXPECT_NE(Ui().Questions[0].Text.find("Has Changed On Disk"), std::string::npos);
  EXPECT_EQ(ReadBytes(path), changed);
}

// A new weapon saved over a script of other weapons: Add puts it at the end,
// Replace writes it alone, Cancel keeps the file; after Add it stands in the
// file at its place, and the next Save edits it there without a question.
TEST_F(InPlaceCase, SavingOverOtherWeaponsOffersToAdd) {
  for (const int answer : {0, 1, 2}) {
    const std::string path = Path("three" + std::to_string(answer) + ".tdf");
    ASSERT_TRUE(WriteBytes(path, kThreeWeapons));
    ASSERT_TRUE(FileNew());
    ASSERT_TRUE(Driver().ClickPage(0));
    ASSERT_TRUE(Driver().Type("Enter", "MINE"));
    ASSERT_TRUE(Driver().ClickPage(1));
    Ui().Questions.clear();
    Ui().FileChoices.push_back(path);
    Ui().Answers.push_back(answer);
    ASSERT_TRUE(FileSave());
    ASSERT_EQ(Ui().Questions.size(), 1u) << answer;
    const AskedQuestion& asked = Ui().Questions[0];
    EXPECT_NE(asked.Text.find("It holds 3 weapons."), std::string::npos) << asked.Text;
    EXPECT_EQ(asked.Labels, (std::vector<std::string>{"&Add", "&Replace", "Cancel"}));
    EXPECT_EQ(asked.DefaultButton, 0);
    const std::string script = WriteScript(Window().EditedWeapon());
    const std::string expected[] = {
        AppendWeapon(OpenScript(kThreeWeapons), Window().EditedWeapon()), script, kThreeWeapons};
    EXPECT_EQ(ReadBytes(path), expected[answer]) << answer;
    if (answer == 2) continue;
    ASSERT_TRUE(Driver().ClickPage(0));
    ASSERT_TRUE(Driver().Type("Enter", "MINE2"));
    ASSERT_TRUE(Driver().ClickPage(1));
    Ui().FileChoices.push_back(path);
    ASSERT_TRUE(FileSave());
    EXPECT_EQ(Ui().Questions.size(), 1u) << answer;
    std::string edited = expected[answer];
    edited.replace(edited.rfind("[MINE]"), 6, "[MINE2]");
    EXPECT_EQ(ReadBytes(path), edited) << answer;
  }
}

// A weapon opened from a file of its own and added to another keeps its own
// text there: comments, entries without a field, per-target damage, with the
// user's edit, in the other file's line ends. The next save edits it there.
TEST_F(InPlaceCase, AddingAWeaponOfAFileToAnotherKeepsItsOwnText) {
  const std::string rocket = Path("rocket.tdf");
  const std::string three = kThreeWeapons;
  const std::size_t from = three.find("[ROCKET]");
  const std::string rocketScript = three.substr(from, three.find("[BOMB]") - from);
  ASSERT_TRUE(WriteBytes(rocket, rocketScript));
  const std::string other = Path("other.tdf");
  const std::string mine = "[MINE]\n{\n\tID=9;\n}";  // LF, no line end at its end
  ASSERT_TRUE(WriteBytes(other, mine));
  Ui().FileChoices.push_back(rocket);
  ASSERT_TRUE(FileOpen());
  ASSERT_TRUE(Driver().ClickPage(3));
  ASSERT_TRUE(Driver().Type("Enter", "250"));
  Ui().FileChoices.push_back(other);
  Ui().Answers.push_back(0);  // Add
  ASSERT_TRUE(FileSave());
  ASSERT_EQ(Ui().Questions.size(), 1u);
  const std::string added = mine +
                            "\n[ROCKET]\n\t{\n\tID=2;\n\tname=Rocket; // the second\n"
                            "\tshakeduration=0.5;\n\t[DAMAGE]\n\t\t{\n\t\tdefault=250;\n"
                            "\t\theavytank=400;\n\t\t}\n\t}\n";
  EXPECT_EQ(ReadBytes(other), added);
  EXPECT_EQ(ReadBytes(rocket), rocketScript);

  ASSERT_TRUE(Driver().Type("Enter", "300"));
  Ui().FileChoices.push_back(other);
  ASSERT_TRUE(FileSave());
  EXPECT_EQ(Ui().Questions.size(), 1u);
  std::string edited = added;
  edited.replace(edited.find("default=250"), 11, "default=300");
  EXPECT_EQ(ReadBytes(other), edited);
}

}  // namespace
}  // namespace kalvex::test
