// Values as the game's scripts hold them, typed into the pages' edits of a
// weapon opened from a file and saved: the file then holds what was typed,
// in that entry alone.
#include <string>

#include "tests/window/window_case.h"
#include "tests/window/window_slots.h"

namespace kalvex::test {
namespace {

constexpr char kBertha[] =
    "[ARM_BERTHACANNON]\r\n\t{\r\n\tID=22;\r\n\tname=Big Bertha;\r\n\trange=9000;\r\n"
    "\treloadtime=10;\r\n\tweapontimer=3;\r\n"
    "\t[DAMAGE]\r\n\t\t{\r\n\t\tdefault=2000;\r\n\t\t}\r\n\t}\r\n";

struct TypedValue {
  std::string_view name;
  int page;
  std::string_view slot;
  std::string_view typed;
  std::string_view entry;  // in the file as it was opened
  std::string_view saved;  // the same entry after the save
};

class TypedValueCase : public WindowCase, public ::testing::WithParamInterface<TypedValue> {};

TEST_P(TypedValueCase, IsSavedAsTyped) {
  const TypedValue& row = GetParam();
  const std::string path = Path("bertha.tdf");
  ASSERT_TRUE(WriteBytes(path, kBertha));
  Ui().FileChoices.push_back(path);
  ASSERT_TRUE(FileOpen());
  ASSERT_TRUE(Driver().ClickPage(row.page));
  ASSERT_TRUE(Driver().Type(row.slot, row.typed));
  EXPECT_EQ(Driver().EditText(row.slot), std::string(row.typed));
  EXPECT_EQ(Ui().Beeps, 0);
  Ui().FileChoices.push_back(path);
  ASSERT_TRUE(FileSave());
  EXPECT_TRUE(Ui().Questions.empty());
  std::string expected = kBertha;
  expected.replace(expected.find(row.entry), row.entry.size(), row.saved);
  EXPECT_EQ(ReadBytes(path), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, TypedValueCase,
    ::testing::Values(
        TypedValue{"TimerWithAPoint", 18, "Enter2", "1.5", "weapontimer=3;", "weapontimer=1.5;"},
        TypedValue{"RangePast9000", 5, "Enter", "12000", "range=9000;", "range=12000;"},
        TypedValue{"NegativeRange", 5, "Enter", "-5", "range=9000;", "range=-5;"},
        TypedValue{"DamageWithAPoint", 3, "Enter", "580.6", "default=2000;", "default=580.6;"},
        TypedValue{"ReloadOfFiveCharacters", 7, "Enter", "0.367", "reloadtime=10;",
                   "reloadtime=0.367;"},
        // A code longer than the old limit, emptied and typed back: the file keeps it.
        TypedValue{"LongCodeTypedBack", 0, "Enter", "ARM_BERTHACANNON", "[ARM_BERTHACANNON]",
                   "[ARM_BERTHACANNON]"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace kalvex::test
