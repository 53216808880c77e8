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

TEST_F(ScriptCase, NewWeaponAfterATourOfThePagesSavesTheResetScript) {
  ASSERT_TRUE(FileNew());
  for (int page = 0; page < 19; ++page) ASSERT_TRUE(Driver().ClickPage(page)) << page;
  Ui().FileChoices.push_back(Path("fresh.tdf"));
  ASSERT_TRUE(FileSave());
  EXPECT_EQ(ReadBytes(Path("fresh.tdf")), ResetScript());
  EXPECT_TRUE(Ui().Questions.empty());
  EXPECT_EQ(Window().SaveFlag(), 1);
}

TEST_F(ScriptCase, WhatIsTypedIsSaved) {
  ASSERT_TRUE(FileNew());
  ASSERT_TRUE(Driver().ClickPage(0));
  ASSERT_TRUE(Driver().Type("Enter", "GUN"));
  ASSERT_TRUE(Driver().ClickPage(1));
  ASSERT_TRUE(Driver().Type("Enter", "Fus\351e Rouge"));  // stays on the page: saved as shown
  Ui().FileChoices.push_back(Path("gun"));                // the editor adds the extension
  ASSERT_TRUE(FileSave());
  WeaponRecord expected;
  expected.Reset();
  expected.Weapcode = "GUN";
  expected.Weapname = "Fus\351e Rouge";
  EXPECT_EQ(ReadBytes(Path("gun.TDF")), WriteScript(expected));
  EXPECT_EQ(Driver().EditText("Enter"), "Fus\351e Rouge");
}

TEST_F(ScriptCase, WorkedExampleIsSavedBackByteForByte) {
  const std::string original = ReadBytes(KALVEX_TEST_DATA "/worked_example.tdf");
  ASSERT_FALSE(original.empty());
  const std::string path = Path("worked_example.tdf");
  ASSERT_TRUE(WriteBytes(path, original));
  Ui().FileChoices.push_back(path);
  ASSERT_TRUE(FileOpen());
  for (int page = 0; page < 19; ++page) ASSERT_TRUE(Driver().ClickPage(page)) << page;
  Ui().FileChoices.push_back(path);  // the name proposed, confirmed
  Ui().Answers.push_back(IDYES);     // replace it
  ASSERT_TRUE(FileSave());
  EXPECT_EQ(ReadBytes(path), original);
  ASSERT_EQ(Ui().FileDialogs.size(), 2u);
  EXPECT_EQ(Ui().FileDialogs[1].Request.FileName, path);
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
// file and why; the file stays as it was.
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
  } kFailures[] = {
      {"a missing folder", "", Path("no-folder") + "/gun.tdf", "gun.tdf", "Unable to open file",
       false},
      {"a change in place that would not read back", bad, bad, "bad.tdf",
       "Unable to save the weapon into its script", false},
      {"a weapon added where the file would take it in", Path("gun.tdf"), open, "open.tdf",
       "Unable to add the weapon to the script", true},
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
// not let be typed; a point typed alone is an empty field.
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

// A file the editor could not read is not proposed for the next save, and
// replacing it is asked with No as the default answer.
TEST_F(ScriptCase, SaveAfterAFailedOpenProposesOnlyTheFolderAndAsksBeforeReplacing) {
  const std::string path = Path("utf16.tdf");
  const std::string original("\xFF\xFE[\0G\0U\0N\0]\0", 10);
  ASSERT_TRUE(WriteBytes(path, original));
  Ui().FileChoices.push_back(path);
  ASSERT_TRUE(FileOpen());
  ASSERT_EQ(Ui().Questions.size(), 1u);  // why it could not be read
  Ui().FileChoices.push_back(path);      // the user names it all the same
  ASSERT_TRUE(FileSave());
  ASSERT_EQ(Ui().FileDialogs.size(), 2u);
  EXPECT_EQ(Ui().FileDialogs[1].Request.FileName, "");
  EXPECT_EQ(Ui().FileDialogs[1].Request.Folder, Utf8FromPath(PathFromUtf8(path).parent_path()));
  ASSERT_EQ(Ui().Questions.size(), 2u);
  EXPECT_EQ(Ui().Questions[1].Text,
            path +
                " Already Exists.\n"
                "It does not hold a weapon script that this editor can read; replacing it "
                "loses its contents.\n"
                "Do You Want To Replace It?");
  EXPECT_EQ(Ui().Questions[1].Type, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2);
  EXPECT_EQ(ReadBytes(path), original);  // the scripted box answers No
}

}  // namespace
}  // namespace kalvex::test
