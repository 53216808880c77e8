// What the lists show of a weapon opened from a file: each as its script
// says it, no selection where it has no entry and the list no entry for
// none, that entry or "No" where the list has one, a value of its own as an
// extra entry spelled as written, kept until replaced.
#include <optional>
#include <string>
#include <vector>

#include "record/weapon_record.h"
#include "tests/window/window_case.h"
#include "tests/window/window_slots.h"

namespace kalvex::test {
namespace {

using ListValueCase = WindowCase;

// A weapon whose script says only what a row gives: what one list shows.
struct ShownList {
  const char* name;
  const char* entries;  // the body's entries
  int page;
  const char* slot;
  int selected;            // -1: no selection
  const char* extra = "";  // the extra entry after the list's own, if any
};

constexpr ShownList kShownLists[] = {
    {"no explosion GAF", "", 13, "ComboBox1", -1},
    {"no explosion art", "", 13, "ComboBox2", -1},
    {"no water explosion GAF", "", 13, "ComboBox4", -1},
    {"no lava explosion art", "", 13, "ComboBox6", -1},
    {"an explosion GAF", "lavaexplosiongaf=commboom;", 13, "ComboBox5", 1},
    {"no render type", "", 10, "ComboBox1", -1},
    {"a render type outside the list", "rendertype=9;", 10, "ComboBox1", 8, "9"},
    {"no beam colour", "beamweapon=1;", 10, "ComboBox3", -1},
    {"a colour that is no pair", "color=3;", 10, "ComboBox3", 5, "3"},
    {"a pair that is not the list's", "color=3;color2=7;", 10, "ComboBox3", 5, "3 / 7"},
    {"half of Green", "color=232;", 10, "ComboBox3", 5, "232"},
    {"Green", "color2=234;color=232;", 10, "ComboBox3", 0},
    {"no style", "", 6, "ComboBox2", -1},
    {"no model", "", 10, "ComboBox4", 14},
    {"no start sound", "", 14, "ComboBox1", 31},
    {"no hit sound", "", 14, "ComboBox4", 21},
    {"no turret", "", 4, "ComboBox1", 0},
    {"no barrel angle", "", 11, "ComboBox6", 0},
    {"a barrel angle outside the list", "minbarrelangle=-55;", 11, "ComboBox6", 10, "-55"},
};

TEST_F(ListValueCase, AWeaponFromAFileShowsWhatItsScriptSays) {
  const std::string path = Path("shown.tdf");
  for (const ShownList& row : kShownLists) {
    SCOPED_TRACE(row.name);
    ASSERT_TRUE(WriteBytes(path, std::string("[SHOWN]\r\n{\r\n\t") + row.entries + "\r\n}\r\n"));
    Ui().FileChoices.push_back(path);
    ASSERT_TRUE(FileOpen());
    ASSERT_TRUE(Driver().ClickPage(row.page));
    EXPECT_EQ(Driver().ListSelection(row.slot), row.selected);
    const std::optional<std::vector<std::string>> shown = Driver().ListEntries(row.slot);
    ASSERT_TRUE(shown);
    if (*row.extra != '\0') {
      ASSERT_EQ(shown->size(), std::size_t(row.selected + 1));
      EXPECT_EQ(shown->back(), row.extra);
    }
  }
}

// Choosing the entry that a new weapon holds adds it to a weapon that has
// none; choosing "None" for a sound removes the sound's entry.
TEST_F(ListValueCase, ChoosingAnEntryOfAWeaponFromAFileWritesIt) {
  const std::string path = Path("gun.tdf");
  const std::string script =
      "[GUN]\r\n{\r\n\tID=4;\r\n\tsoundstart=cannon1;\r\n\tsoundhit=xplomed1;\r\n}\r\n";
  ASSERT_TRUE(WriteBytes(path, script));
  Ui().FileChoices.push_back(path);
  ASSERT_TRUE(FileOpen());
  ASSERT_TRUE(Driver().ClickPage(13));
  ASSERT_TRUE(Driver().Pick("ComboBox1", 0));  // "fx (Normal)"
  ASSERT_TRUE(Driver().ClickPage(14));
  ASSERT_TRUE(Driver().Pick("ComboBox1", 31));  // "None"
  ASSERT_TRUE(Driver().ClickPage(0));
  Ui().FileChoices.push_back(path);
  ASSERT_TRUE(FileSave());
  EXPECT_EQ(ReadBytes(path),
            "[GUN]\r\n{\r\n\tID=4;\r\n\tsoundhit=xplomed1;\r\n\texplosiongaf=fx;\r\n}\r\n");
}

// A value of the weapon's own is kept through its page and written back as it
// was; choosing an entry of the list replaces it.
TEST_F(ListValueCase, OwnValuesOfAWeaponFromAFileAreKeptUntilReplaced) {
  const std::string path = Path("beam.tdf");
  const std::string script =
      "[BEAM]\r\n{\r\n\trendertype=9;\r\n\tminbarrelangle=-55;\r\n\tbeamweapon=1;\r\n"
      "\tcolor=3;\r\n\tcolor2=7;\r\n}\r\n";
  ASSERT_TRUE(WriteBytes(path, script));
  Ui().FileChoices.push_back(path);
  ASSERT_TRUE(FileOpen());
  ASSERT_TRUE(Driver().ClickPage(10));
  ASSERT_TRUE(Driver().ClickPage(11));
  ASSERT_TRUE(Driver().ClickPage(0));
  Ui().FileChoices.push_back(path);
  ASSERT_TRUE(FileSave());
  EXPECT_EQ(ReadBytes(path), script);

  ASSERT_TRUE(Driver().ClickPage(10));
  ASSERT_TRUE(Driver().Pick("ComboBox3", 3));  // "Purple"
  ASSERT_TRUE(Driver().Pick("ComboBox1", 8));  // "9" again
  ASSERT_TRUE(Driver().ClickPage(0));
  Ui().FileChoices.push_back(path);
  ASSERT_TRUE(FileSave());
  std::string purple = script;
  purple.replace(purple.find("color=3;\r\n\tcolor2=7;"), 20, "color=144;\r\n\tcolor2=217;");
  EXPECT_EQ(ReadBytes(path), purple);
}

}  // namespace
}  // namespace kalvex::test
