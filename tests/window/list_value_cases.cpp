// Values that no entry of a list holds, through the window: a sound of the
// mod's own is the list's last entry until the user picks another, and a
// weapon without a style shows none and keeps none.
#include <string>
#include <vector>

#include "record/weapon_record.h"
#include "tests/window/window_case.h"
#include "tests/window/window_slots.h"

namespace kalvex::test {
namespace {

using ListValueCase = WindowCase;

constexpr int kSoundsPage = 14;
constexpr int kStylePage = 6;
constexpr int kStartSoundEntries = 32;

TEST_F(ListValueCase, OwnSoundIsTheLastEntryUntilAnotherIsPicked) {
  ASSERT_TRUE(FileNew());
  Window().EditedWeapon().own.Weapsost = "vortexfire";
  ASSERT_TRUE(Driver().ClickPage(kSoundsPage));
  const std::optional<std::vector<std::string>> shown = Driver().ListEntries("ComboBox1");
  ASSERT_TRUE(shown);
  ASSERT_EQ(shown->size(), std::size_t(kStartSoundEntries + 1));
  EXPECT_EQ(shown->back(), "vortexfire");
  EXPECT_EQ(shown->at(3), "Bomber");
  EXPECT_EQ(Driver().ListSelection("ComboBox1"), kStartSoundEntries);

  ASSERT_TRUE(Driver().Pick("ComboBox4", 2));  // another list: the sound stays
  EXPECT_EQ(Driver().ListSelection("ComboBox1"), kStartSoundEntries);
  ASSERT_TRUE(Driver().ClickPage(kSoundsPage - 1));
  EXPECT_EQ(Window().EditedWeapon().own.Weapsost, "vortexfire");

  ASSERT_TRUE(Driver().ClickPage(kSoundsPage));
  ASSERT_TRUE(Driver().Pick("ComboBox1", 4));
  EXPECT_EQ(Window().EditedWeapon().Weapsost, 4);
  EXPECT_EQ(Window().EditedWeapon().own.Weapsost, "");
  EXPECT_EQ(Driver().ListEntries("ComboBox1")->size(), std::size_t(kStartSoundEntries));
  EXPECT_EQ(Driver().ListSelection("ComboBox1"), 4);
}

// A sound of the mod's own, read from a script, is shown and saved back.
TEST_F(ListValueCase, OwnSoundReadFromAScriptIsSavedBack) {
  const std::string path = Path("vortex.tdf");
  ASSERT_TRUE(
      WriteBytes(path, "[VORTEX]\r\n\t{\r\n\tID=7;\r\n\tsoundstart=VortexFire;\r\n\t}\r\n"));
  Ui().FileChoices.push_back(path);
  ASSERT_TRUE(FileOpen());
  ASSERT_TRUE(Driver().ClickPage(kSoundsPage));
  EXPECT_EQ(Driver().ListEntries("ComboBox1")->back(), "VortexFire");
  EXPECT_EQ(Driver().ListSelection("ComboBox1"), kStartSoundEntries);
  ASSERT_TRUE(Driver().ClickPage(0));
  const std::string saved = Path("saved.tdf");
  Ui().FileChoices.push_back(saved);
  ASSERT_TRUE(FileSave());
  EXPECT_NE(ReadBytes(saved).find("soundstart=VortexFire;"), std::string::npos) << ReadBytes(saved);
}

TEST_F(ListValueCase, WeaponWithoutAStyleShowsNoneAndKeepsNone) {
  ASSERT_TRUE(FileNew());
  Window().EditedWeapon().Weapstyle = kNoStyle;
  ASSERT_TRUE(Driver().ClickPage(kStylePage));
  EXPECT_EQ(Driver().ListSelection("ComboBox2"), -1);
  ASSERT_TRUE(Driver().ClickPage(kStylePage + 1));
  EXPECT_EQ(Window().EditedWeapon().Weapstyle, kNoStyle);
  ASSERT_TRUE(Driver().ClickPage(kStylePage));
  ASSERT_TRUE(Driver().Pick("ComboBox2", 1));
  EXPECT_EQ(Window().EditedWeapon().Weapstyle, 1);
}

}  // namespace
}  // namespace kalvex::test
