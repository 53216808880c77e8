// What the platform's boxes and dialogs show of a script's characters and of
// file names: each as written, converted once on its way to the screen.
#include <filesystem>
#include <string>
#include <vector>

#include "script/utf8_path.h"
#include "tests/window/window_case.h"
#include "tests/window/window_slots.h"

namespace kalvex::test {
namespace {

using ShownTextCase = WindowCase;

// A script of two weapons whose second has a Latin-1 letter in its code and
// a range that is not a number; its findings are told after it is opened.
constexpr char kTwoWeapons[] =
    "[ROCKET]\r\n\t{\r\n\tID=7;\r\n\tname=Rocket;\r\n\t}\r\n"
    "[KETZER-GAU\xDF]\r\n\t{\r\n\tID=8;\r\n\tname=Ketzer;\r\n\trange=1\xE9"
    "0;\r\n\t}\r\n";

// A folder name that is not ASCII, in UTF-8 as file names are.
constexpr char kFolder[] =
    "Fus\xC3\xA9"
    "e";

TEST_F(ShownTextCase, ChooserAndMessagesShowTheScriptAndTheFolderAsWritten) {
  const std::string folder = Path(kFolder);
  ASSERT_TRUE(std::filesystem::create_directory(PathFromUtf8(folder)));
  const std::string opened = folder + "/guns.tdf";
  const std::string other = folder + "/other.tdf";
  ASSERT_TRUE(WriteBytes(opened, kTwoWeapons));
  ASSERT_TRUE(WriteBytes(other, kTwoWeapons));
  Driver().ShowDialogsOnScreen();

  Ui().FileChoices.push_back(opened);
  Ui().WeaponChoices.push_back(1);
  ASSERT_TRUE(FileOpen());
  ASSERT_EQ(Window().EditedWeapon().Weapcode, "KETZER-GAU\xDF");
  Ui().FileChoices.push_back(other);  // holds weapons: add, replace or cancel
  ASSERT_TRUE(FileSave());

  const std::vector<ScreenDialog>& shown = Driver().ScreenDialogs();
  ASSERT_EQ(shown.size(), 3u);
  const ScreenDialog& chooser = shown[0];
  EXPECT_EQ(chooser.Caption, "Open Weapon");
  EXPECT_EQ(chooser.Text, "This file holds 2 weapons. Which one do you want to edit?");
  const std::vector<std::vector<std::string>> rows = {{"ROCKET", "Rocket", "7", "1"},
                                                      {"KETZER-GAU\xC3\x9F", "Ketzer", "8", "6"}};
  EXPECT_EQ(chooser.Rows, rows);

  ASSERT_EQ(Ui().Questions.size(), 2u);
  const ScreenDialog& findings = shown[1];
  EXPECT_EQ(findings.Caption, Ui().Questions[0].Caption);
  EXPECT_EQ(findings.Text, Ui().Questions[0].Text);
  EXPECT_NE(findings.Text.find("value \"1\xC3\xA9"
                               "0\" of key \"range\""),
            std::string::npos)
      << findings.Text;

  const ScreenDialog& question = shown[2];
  EXPECT_EQ(question.Caption, Ui().Questions[1].Caption);
  EXPECT_EQ(question.Text, Ui().Questions[1].Text);
  EXPECT_NE(question.Text.find(kFolder), std::string::npos) << question.Text;
  EXPECT_EQ(ReadBytes(other), kTwoWeapons);  // the question was cancelled
}

}  // namespace
}  // namespace kalvex::test
