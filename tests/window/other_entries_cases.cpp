// The page of other entries: the entries of a weapon that no field reads,
// changed, added and removed there, kept per weapon and saved in place with
// the field edits; what would break the script, or what a page edits, is
// refused.
#include <string>
#include <vector>

#include "script/script_writer.h"
#include "tests/window/window_case.h"
#include "tests/window/window_slots.h"

namespace kalvex::test {
namespace {

constexpr int kOtherEntries = 19;

// Three weapons; the second has entries of its body and of "[DAMAGE]" that
// no field reads, one of a key the game does not know.
constexpr char kThreeWeapons[] =
    "[GUN]\r\n\t{\r\n\tID=1;\r\n\tweapontype=Cannon;\r\n\t}\r\n"
    "[ROCKET]\r\n\t{\r\n\tID=2; // the second\r\n\treloadtime=3;\r\n\timpulsefactor=0.5;\r\n"
    "\tmyflag=1;\r\n\t[DAMAGE]\r\n\t\t{\r\n\t\tdefault=200;\r\n\t\theavytank=400;\r\n\t\t}\r\n"
    "\t}\r\n"
    "[BOMB]\r\n\t{\r\n\tID=3;\r\n\t}\r\n";

const std::vector<ListRow> kRocketRows = {
    {"impulsefactor", "0.5"}, {"myflag?", "1"}, {"DAMAGE/heavytank", "400"}};

constexpr char kEditor[] = "Cindervale Weapon Editor - ";

class OtherEntriesCase : public WindowCase {
 protected:
  // The second weapon of kThreeWeapons, written to `path`, up on the page
  // of other entries.
  void OpenRocketEntries(const std::string& path) {
    ASSERT_TRUE(WriteBytes(path, kThreeWeapons));
    Ui().FileChoices.push_back(path);
    Ui().WeaponChoices.push_back(1);
    ASSERT_TRUE(FileOpen());
    ASSERT_TRUE(Driver().ClickPage(kOtherEntries));
  }
};

TEST_F(OtherEntriesCase, ShowsThePageAndItsEntries) {
  OpenRocketEntries(Path("three.tdf"));
  EXPECT_EQ(Driver().PageListEntries()->back(), "Other Entries");
  EXPECT_EQ(Driver().LineText("CurHelp"), "Entries No Other Page Shows");
  EXPECT_EQ(Driver().LineText("HelpDesc"), "Entries (Section/Key, Value):");
  EXPECT_EQ(Driver().LineText("HelpDesc3"), "Key:");
  EXPECT_EQ(Driver().LineText("HelpDesc6"), "Value:");
  EXPECT_EQ(Driver().Place("Enter"), (ControlPlace{30, 390, 260, 20}));
  EXPECT_EQ(Driver().Place("Enter2"), (ControlPlace{300, 390, 170, 20}));
  EXPECT_EQ(Driver().ListRows(), kRocketRows);
  ASSERT_TRUE(Driver().ClickListRow(2));
  EXPECT_EQ(Driver().EditText("Enter"), "DAMAGE/heavytank");
  EXPECT_EQ(Driver().EditText("Enter2"), "400");
}

// A value changed on one weapon, an entry added to another, one added to
// "[DAMAGE]" after coming back: each weapon keeps its entries while another
// is shown, and Save changes only those lines.
TEST_F(OtherEntriesCase, EntriesChangedOnTwoWeaponsAreSavedInPlace) {
  const std::string path = Path("three.tdf");
  OpenRocketEntries(path);
  ASSERT_TRUE(Driver().ClickListRow(0));
  ASSERT_TRUE(Driver().Type("Enter2", "0.8"));
  ASSERT_TRUE(Driver().ClickButton("Set"));
  EXPECT_EQ(Driver().Title(), std::string(kEditor) + "three.tdf* - ROCKET (2 of 3)");
  ASSERT_TRUE(Driver().PressKeys("Ctrl+PgDown"));
  EXPECT_EQ(Driver().ListRows(), std::vector<ListRow>{});
  ASSERT_TRUE(Driver().Type("Enter", "weapontype"));
  ASSERT_TRUE(Driver().Type("Enter2", "Rocket"));
  ASSERT_TRUE(Driver().PressKeys("Enter"));
  EXPECT_EQ(Driver().ListRows(), (std::vector<ListRow>{{"weapontype", "Rocket"}}));
  ASSERT_TRUE(Driver().PressKeys("Ctrl+PgUp"));
  std::vector<ListRow> rows = kRocketRows;
  rows[0].second = "0.8";
  EXPECT_EQ(Driver().ListRows(), rows);
  ASSERT_TRUE(Driver().Type("Enter", "DAMAGE/armor_heavy"));
  ASSERT_TRUE(Driver().Type("Enter2", "400"));
  ASSERT_TRUE(Driver().ClickButton("Set"));
  rows.emplace_back("DAMAGE/armor_heavy", "400");
  EXPECT_EQ(Driver().ListRows(), rows);
  EXPECT_EQ(Driver().ListRowSelection(), 3);
  EXPECT_TRUE(Ui().Questions.empty());
  Ui().FileChoices.push_back(path);
  ASSERT_TRUE(Driver().PressKeys("Ctrl+S"));
  EXPECT_TRUE(Ui().Questions.empty());
  std::string expected = kThreeWeapons;
  expected.replace(expected.find("impulsefactor=0.5"), 17, "impulsefactor=0.8");
  expected.insert(expected.find("\t\t}", expected.find("heavytank")), "\t\tarmor_heavy=400;\r\n");
  expected.insert(expected.find("\t}", expected.find("[BOMB]")), "\tweapontype=Rocket;\r\n");
  EXPECT_EQ(ReadBytes(path), expected);
  EXPECT_EQ(Window().SaveFlag(), 1);
  EXPECT_EQ(Driver().Title(), std::string(kEditor) + "three.tdf - ROCKET (2 of 3)");
  EXPECT_EQ(Driver().ListRows(), rows);
}

// A row removed with the Delete key in the list or with Remove takes its
// line with it.
struct Removal {
  int row;
  std::string how;  // "Delete" or the button "Remove"
  std::string line;
};

TEST_F(OtherEntriesCase, ARemovedRowTakesItsLine) {
  const Removal removals[] = {
      {1, "Delete", "\tmyflag=1;\r\n"},
      {2, "Remove", "\t\theavytank=400;\r\n"},
  };
  for (const Removal& removal : removals) {
    SCOPED_TRACE(removal.how);
    const std::string path = Path(removal.how + ".tdf");
    ASSERT_TRUE(StartFreshWeapon());
    OpenRocketEntries(path);
    ASSERT_TRUE(Driver().ClickListRow(removal.row));
    if (removal.how == "Delete") {
      ASSERT_TRUE(Driver().PressKeys("Delete"));
    } else {
      ASSERT_TRUE(Driver().ClickButton("Remove"));
    }
    std::vector<ListRow> rows = kRocketRows;
    rows.erase(rows.begin() + removal.row);
    EXPECT_EQ(Driver().ListRows(), rows);
    EXPECT_EQ(Driver().EditText("Enter"), "");
    Ui().FileChoices.push_back(path);
    ASSERT_TRUE(FileSave());
    std::string expected = kThreeWeapons;
    expected.erase(expected.find(removal.line), removal.line.size());
    EXPECT_EQ(ReadBytes(path), expected);
  }
}

// What Set asks and tells, with the answers given, and the rows afterwards.
struct SetAttempt {
  std::string key;
  std::string value;
  std::vector<int> answers;
  std::vector<std::string> told;   // the boxes, in order
  std::vector<ListRow> rows = {};  // empty: as before
};

TEST_F(OtherEntriesCase, SetRefusesWhatAPageEditsAndAsksAboutANearMiss) {
  const std::string notSet = "The entry cannot be set: ";
  const SetAttempt attempts[] = {
      {"reloadtime", "4", {}, {notSet + "the key reloadtime is edited on the page \"Reload\"."}},
      {"DAMAGE/Default",
       "5",
       {},
       {notSet + "the key DAMAGE/Default is edited on the page \"Damage\"."}},
      {"reloadtim",
       "4",
       {IDYES},
       {"Did you mean reloadtime?",
        notSet + "the key reloadtime is edited on the page \"Reload\"."}},
      {"impulsefacter",
       "0.9",
       {IDYES},
       {"Did you mean impulsefactor?"},
       {{"impulsefactor", "0.9"}, {"myflag?", "1"}, {"DAMAGE/heavytank", "400"}}},
      {"impulsefacter",
       "0.9",
       {IDNO},
       {"Did you mean impulsefactor?"},
       {{"impulsefactor", "0.5"},
        {"myflag?", "1"},
        {"impulsefacter?", "0.9"},
        {"DAMAGE/heavytank", "400"}}},
      {"impulsefacter", "0.9", {IDCANCEL}, {"Did you mean impulsefactor?"}},
      {"myflag", "a;b", {}, {notSet + "the value must not hold ; = [ ] { } or a line end."}},
      {"myflag", "", {}, {notSet + "it needs a value (Remove takes an entry out)."}},
      {"9lives",
       "1",
       {},
       {notSet + "a key is letters, digits and \"_\", not beginning with a digit, with "
                 "\"SECTION/\" before it in a section."}},
      {"DAMAGE/heavytank", "400", {}, {}},  // as it stands: nothing changes
  };
  for (const SetAttempt& attempt : attempts) {
    SCOPED_TRACE(attempt.key + "=" + attempt.value);
    ASSERT_TRUE(StartFreshWeapon());
    OpenRocketEntries(Path("three.tdf"));
    Ui().Questions.clear();
    ASSERT_TRUE(Driver().Type("Enter", attempt.key));
    ASSERT_TRUE(Driver().Type("Enter2", attempt.value));
    Ui().Answers.assign(attempt.answers.begin(), attempt.answers.end());
    ASSERT_TRUE(Driver().ClickButton("Set"));
    std::vector<std::string> told;
    for (const AskedQuestion& asked : Ui().Questions) told.push_back(asked.Text);
    EXPECT_EQ(told, attempt.told);
    EXPECT_EQ(Driver().ListRows(), attempt.rows.empty() ? kRocketRows : attempt.rows);
    EXPECT_EQ(Driver().Title(), std::string(kEditor) +
                                    (attempt.rows.empty() ? "three.tdf" : "three.tdf*") +
                                    " - ROCKET (2 of 3)");
  }
}

// A weapon of File, New starts without entries; what is added is written
// after the writer's entries.
TEST_F(OtherEntriesCase, ANewWeaponGetsItsEntriesAfterTheWritersOwn) {
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(Driver().ClickPage(kOtherEntries));
  EXPECT_EQ(Driver().ListRows(), std::vector<ListRow>{});
  ASSERT_TRUE(Driver().Type("Enter", "weapontype"));
  ASSERT_TRUE(Driver().Type("Enter2", "Cannon"));
  ASSERT_TRUE(Driver().PressKeys("Enter"));
  std::string expected = WriteScript(Weapon());
  const std::string last = "\tlavaexplosionart=lavasplash;\r\n";  // the writer's last entry
  expected.insert(expected.find(last) + last.size(), "\tweapontype=Cannon;\r\n");
  EXPECT_EQ(SavedAs("new.tdf"), expected);
}

}  // namespace
}  // namespace kalvex::test
