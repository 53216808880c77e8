// Scripts through the window: a new weapon after a tour of the pages, a
// weapon typed in, the worked example opened and saved back, and a save that
// fails.
#include <filesystem>
#include <string>

#include "record/weapon_record.h"
#include "script/script_writer.h"
#include "script/utf8_path.h"
#include "tests/window/window_case.h"
#include "tests/window/window_slots.h"

namespace kalvex::test {
namespace {

using ScriptCase = WindowCase;

// The script of a fresh weapon: every field at its reset value.
std::string ResetScript() {
  WeaponRecord record;
  record.Reset();
  return WriteScript(record);
}

// Names and codes take the printable Latin-1 characters; each reaches the
// script as its one byte and reads back the same. The page that is up is
// saved as it shows.
TEST_F(ScriptCase, WhatIsTypedIsSavedInSingleBytesAndReadBack) {
  const std::string name = "Fus\351e \243\337\374\377";
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(TypeOnPage(0, "Enter", "GUN"));
  ASSERT_TRUE(TypeOnPage(1, "Enter", name));
  Ui().FileChoices.push_back(Path("gun"));  // the editor adds the extension
  ASSERT_TRUE(FileSave());
  WeaponRecord expected;
  expected.Reset();
  expected.Weapcode = "GUN";
  expected.Weapname = name;
  EXPECT_EQ(ReadBytes(Path("gun.TDF")), WriteScript(expected));
  EXPECT_EQ(Driver().EditText("Enter"), name);

  ASSERT_TRUE(FileNew());
  Ui().FileChoices.push_back(Path("gun.TDF"));
  ASSERT_TRUE(FileOpen());
  EXPECT_EQ(Weapon().Weapname, name);
  ASSERT_TRUE(Driver().ClickPage(1));
  EXPECT_EQ(Driver().EditText("Enter"), name);
  ASSERT_TRUE(Driver().Type("Enter", "Fus\351e lourde"));  // changeable
  ASSERT_TRUE(Driver().ClickPage(0));
  EXPECT_EQ(Weapon().Weapname, "Fus\351e lourde");
}

// What the user sees is what is saved: the page that is up goes into the
// script, and stays up showing the same values.
TEST_F(ScriptCase, SaveWritesThePageThatIsUp) {
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(Driver().ClickPage(11));
  ASSERT_TRUE(Driver().ClickCheckBox());
  ASSERT_TRUE(Driver().Type("Enter", "12000"));
  const TWindow* edit = SlotControl(Window(), "Enter");
  const std::string written = SavedAs("guided.tdf");
  EXPECT_NE(written.find("\tguidance=1;\r\n\tturnrate=12000;\r\n"), std::string::npos) << written;
  EXPECT_EQ(Window().SaveFlag(), 1);
  EXPECT_EQ(Window().Page().Box, 1);
  EXPECT_EQ(Window().Page().indexx, 11);
  EXPECT_EQ(SlotControl(Window(), "Enter"), edit);
  EXPECT_TRUE(Driver().Place("Enter"));
  EXPECT_EQ(Driver().EditText("Enter"), "12000");
  EXPECT_EQ(Driver().IsChecked(), true);
}

struct WorkedStep {
  int page;
  std::string_view slot;
  std::string_view typed = {};  // edits: what the user types
  int position = -1;            // lists: the entry chosen
  std::string_view shown;       // what the control shows when the script is opened again
};

constexpr std::string_view kChecked = "checked";

// The worked example, in the order a user may fill the pages.
constexpr WorkedStep kWorkedSteps[] = {
    {.page = 0, .slot = "Enter", .typed = "ROCKET2", .shown = "ROCKET2"},
    {.page = 1,
     .slot = "Enter",
     .typed = "Light Rocket Launcher",
     .shown = "Light Rocket Launcher"},
    {.page = 2, .slot = "Enter", .typed = "91", .shown = "91"},
    {.page = 3, .slot = "Enter", .typed = "110", .shown = "110"},
    {.page = 4, .slot = "ComboBox1", .position = 1, .shown = "Yes"},
    {.page = 5, .slot = "Enter", .typed = "800", .shown = "800"},
    {.page = 7, .slot = "Enter", .typed = "3", .shown = "3"},
    {.page = 8, .slot = "Enter3", .typed = "0", .shown = ""},  // 0 writes no energy per shot
    {.page = 9, .slot = "Enter", .typed = "350", .shown = "350"},
    {.page = 9, .slot = "Enter3", .typed = "150", .shown = "150"},
    {.page = 9, .slot = "Enter2", .typed = "100", .shown = "100"},
    {.page = 10, .slot = "ComboBox1", .position = 1, .shown = "Missile / Torpedos"},
    {.page = 10, .slot = "ComboBox4", .position = 12, .shown = "Rocket"},
    {.page = 11, .slot = "Check1", .shown = kChecked},
    {.page = 11, .slot = "Enter", .typed = "12000", .shown = "12000"},
    {.page = 11, .slot = "Enter4", .typed = "4000", .shown = "4000"},
    {.page = 12, .slot = "Enter2", .typed = ".1", .shown = ".1"},
    {.page = 12, .slot = "ComboBox1", .position = 1, .shown = "Yes"},
    {.page = 12, .slot = "ComboBox3", .position = 1, .shown = "Yes"},
    {.page = 14, .slot = "ComboBox1", .position = 24, .shown = "Light Rocket 1"},
    {.page = 14, .slot = "ComboBox4", .position = 10, .shown = "Medium Explosion 1"},
    {.page = 15, .slot = "Enter", .typed = "48", .shown = "48"},
    {.page = 17, .slot = "Enter", .typed = "2", .shown = "2"},
};

// The light rocket launcher, built from File, New by typing, choosing and
// checking on the pages, saved byte for byte as the game expects it, and
// opened again.
TEST_F(ScriptCase, TheWorkedExampleIsBuiltOnThePagesSavedAndOpened) {
  const auto shown = [this](const WorkedStep& step) {
    if (step.position >= 0) return Driver().ListText(step.slot).value_or("no list");
    if (step.shown == kChecked) return std::string(Driver().IsChecked() == true ? kChecked : "");
    return Driver().EditText(step.slot).value_or("no edit");
  };
  ASSERT_TRUE(FileNew());
  for (const WorkedStep& step : kWorkedSteps) {
    SCOPED_TRACE(std::string(step.slot) + " of page " + std::to_string(step.page));
    if (Window().Page().Box == 0 || Window().Page().indexx != step.page) {
      ASSERT_TRUE(Driver().ClickPage(step.page));
    }
    if (step.position >= 0) {
      ASSERT_TRUE(Driver().Pick(step.slot, step.position));
    } else if (step.shown == kChecked) {
      ASSERT_TRUE(Driver().ClickCheckBox());
    } else {
      ASSERT_TRUE(Driver().Type(step.slot, step.typed));
    }
    EXPECT_EQ(shown(step), step.typed.empty() ? step.shown : step.typed);
  }
  Ui().FileChoices.push_back(Path("rocket2"));
  ASSERT_TRUE(FileSave());
  EXPECT_EQ(ReadBytes(Path("rocket2.TDF")), ReadBytes(KALVEX_TEST_DATA "/worked_example.tdf"));

  Ui().FileChoices.push_back(Path("rocket2.TDF"));
  ASSERT_TRUE(FileOpen());
  EXPECT_TRUE(Ui().Questions.empty());
  for (const WorkedStep& step : kWorkedSteps) {
    ASSERT_TRUE(Driver().ClickPage(step.page));
    EXPECT_EQ(shown(step), step.shown) << step.slot << " of page " << step.page;
  }
  ASSERT_TRUE(Driver().ClickPage(10));
  EXPECT_EQ(Driver().IsChecked(), false);
  // Not a beam: the script has no colour, and the list shows none.
  EXPECT_EQ(Driver().ListSelection("ComboBox3"), -1);
}

TEST_F(ScriptCase, WorkedExampleIsSavedBackByteForByte) {
  const std::string original = ReadBytes(KALVEX_TEST_DATA "/worked_example.tdf");
  ASSERT_FALSE(original.empty());
  const std::string path = Path("worked_example.tdf");
  ASSERT_TRUE(WriteBytes(path, original));
  Ui().FileChoices.push_back(path);
  ASSERT_TRUE(FileOpen());
  for (int page = 0; page < 19; ++page) {
    ASSERT_TRUE(Driver().ClickPage(page)) << page;
  }
  Ui().FileChoices.push_back(path);  // the name proposed, confirmed
  ASSERT_TRUE(FileSave());
  EXPECT_EQ(ReadBytes(path), original);
  ASSERT_EQ(Ui().FileDialogs.size(), 2u);
  EXPECT_EQ(Ui().FileDialogs[1].Request.FileName, path);
  EXPECT_EQ(SavedAs("again.tdf"), original);  // and into a new file
  EXPECT_TRUE(Ui().Questions.empty());
}

// Closing with a change, saving over a file that refuses to be written: the
// editor says why and stays open with the change, and the file keeps its bytes.
TEST_F(ScriptCase, FailedSaveKeepsTheWindowAndTheEarlierFile) {
  namespace fs = std::filesystem;
  const std::string path = Path("earlier.tdf");
  const std::string earlier = ResetScript();
  ASSERT_TRUE(WriteBytes(path, earlier));
  fs::permissions(PathFromUtf8(path),
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(Driver().ClickPage(0));
  ASSERT_TRUE(Driver().Type("Enter", "GUN"));
  Ui().Answers = {IDYES, 1};  // save the changes; replace the file (Add, Replace, Cancel)
  Ui().FileChoices.push_back(path);
  ASSERT_TRUE(FileExit());  // the test ends here with status 1 if the window closes
  ASSERT_EQ(Ui().Questions.size(), 3u);
  EXPECT_EQ(Ui().Questions[0].Text, kUnsavedQuestion);
  EXPECT_EQ(Ui().Questions[2].Type, MB_ICONEXCLAMATION | MB_OK);
  EXPECT_NE(Ui().Questions[2].Text.find("earlier.tdf"), std::string::npos);
  EXPECT_EQ(ReadBytes(path), earlier);
  EXPECT_EQ(Window().SaveFlag(), 0);
  EXPECT_EQ(Driver().EditText("Enter"), "GUN");
}

// Every save that fails says so in its last line, after what failed, the
// file and why; the file stays as it was. (The files that cannot be written
// at all are FailedSaveCase's.)
TEST_F(ScriptCase, EveryFailedSaveSaysTheScriptWasNotSaved) {
  const std::string bad = Path("bad.tdf");    // braces out of order: no edit in place
  const std::string open = Path("open.tdf");  // ends in an open comment: no weapon added
  const std::string badScript = "[A]\n{\n{x=1;\nrange=1;";
  const std::string openScript = "[B]\n{\n}\n/* to do";
  ASSERT_TRUE(WriteBytes(bad, badScript));
  ASSERT_TRUE(WriteBytes(open, openScript));
  ASSERT_TRUE(WriteBytes(Path("gun.tdf"), "[GUN]\r\n{\r\n\tID=5;\r\n}\r\n"));
  const struct {
    const char* name;
    std::string opened;  // the weapon's file; none: a new weapon
    std::string target;
    const char* shown;  // the target's name, as the message holds it
    std::string firstLine;
    bool asksToAdd;
    std::string weapon;  // how the reason names the weapon refused; "" for none
  } kFailures[] = {
      {"a change in place that would not read back", bad, bad, "bad.tdf",
       "Unable to save the weapon into its script", false, "\nWeapon A (1 of 1): "},
      {"a weapon added where the file would take it in", Path("gun.tdf"), open, "open.tdf",
       "Unable to add the weapon to the script", true, ""},
  };
  for (const auto& failure : kFailures) {
    SCOPED_TRACE(failure.name);
    Ui().Answers = {IDNO};  // the changes of the case before are not saved
    if (failure.opened.empty()) {
      ASSERT_TRUE(FileNew());
    } else {
      Ui().FileChoices.push_back(failure.opened);
      ASSERT_TRUE(FileOpen());
    }
    ASSERT_TRUE(Driver().ClickPage(3));
    ASSERT_TRUE(Driver().Type("Enter", "250"));
    Ui().Questions.clear();
    Ui().Answers.clear();
    if (failure.asksToAdd) Ui().Answers.push_back(0);  // Add
    Ui().FileChoices.push_back(failure.target);
    ASSERT_TRUE(FileSave());
    ASSERT_EQ(Ui().Questions.size(), failure.asksToAdd ? 2u : 1u);
    const AskedQuestion& told = Ui().Questions.back();
    EXPECT_EQ(told.Text.substr(0, told.Text.find('\n')), failure.firstLine) << told.Text;
    EXPECT_NE(told.Text.find(failure.shown), std::string::npos) << told.Text;
    EXPECT_NE(told.Text.find(failure.weapon), std::string::npos) << told.Text;
    const std::string kNotSaved = "\n\nThe script was not saved.";
    ASSERT_GT(told.Text.size(), kNotSaved.size());
    EXPECT_EQ(told.Text.substr(told.Text.size() - kNotSaved.size()), kNotSaved) << told.Text;
    EXPECT_EQ(told.Type, MB_ICONEXCLAMATION | MB_OK);
    EXPECT_EQ(Window().SaveFlag(), 0);
  }
  EXPECT_EQ(ReadBytes(bad), badScript);
  EXPECT_EQ(ReadBytes(open), openScript);
}

// A number read from a script is kept as it stands, even one the edit would
// not let be typed, and never refused: not when the edit takes the focus,
// nor when Enter is pressed or the focus leaves. A point typed alone is an
// empty field.
TEST_F(ScriptCase, NumberEditsKeepWhatWasReadAndTakeALonePointAsEmpty) {
  WeaponRecord record;
  record.Reset();
  record.Weapcode = "GUN";
  record.Weapreload = "1.2.3";
  const std::string path = Path("gun.tdf");
  ASSERT_TRUE(WriteBytes(path, WriteScript(record)));
  Ui().FileChoices.push_back(path);
  ASSERT_TRUE(FileOpen());
  ASSERT_TRUE(Driver().ClickPage(7));
  EXPECT_EQ(Driver().EditText("Enter"), "1.2.3");
  ASSERT_TRUE(Driver().ClickIntoEdit("Enter"));
  for (const char* keys : {"Enter", "End", "Shift+Tab"}) {
    ASSERT_TRUE(Driver().PressKeys(keys));
  }
  EXPECT_EQ(Driver().Focused(), "ComboBox");
  EXPECT_EQ(Driver().EditText("Enter"), "1.2.3");
  EXPECT_EQ(Ui().Beeps, 0);
  ASSERT_TRUE(Driver().ClickPage(8));
  EXPECT_EQ(Window().EditedWeapon().Weapreload, "1.2.3");
  ASSERT_TRUE(Driver().ClickPage(7));
  ASSERT_TRUE(Driver().Type("Enter", "."));
  ASSERT_TRUE(Driver().ClickPage(8));
  Ui().FileChoices.push_back(Path("saved.tdf"));
  ASSERT_TRUE(FileSave());
  // The opened script with the entry gone, line and all.
  std::string expected = WriteScript(record);
  expected.erase(expected.find("\treloadtime=1.2.3;\r\n"), 20);
  EXPECT_EQ(ReadBytes(Path("saved.tdf")), expected);
  EXPECT_EQ(Ui().Beeps, 0);
}

}  // namespace
}  // namespace kalvex::test
