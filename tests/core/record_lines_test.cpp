#include "tools/kalvex_tdf/record_lines.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "reader_test_support.h"
#include "record/record_fields.h"
#include "script/table_match.h"
#include "test_support.h"

namespace kalvex::test {

// One-character texts are assigned as std::string: GCC 12 at -O3 warns
// falsely (-Wrestrict) when a one-character C string is assigned.
using namespace std::string_literals;
namespace {

WeaponRecord ResetRecord() {
  WeaponRecord record;
  record.Reset();
  record.Weapmodl = 0;
  return record;
}

TEST(RecordLines, NothingToReadKeepsTheRecord) {
  for (const std::string_view text : {"", "\n", "\r\n", "# only a comment", "\n\n#x=1\n"}) {
    WeaponRecord record = WorkedExample();
    EXPECT_TRUE(ParseRecordLines(text, record).ok) << text;
    EXPECT_EQ(record, WorkedExample()) << text;
  }
}

struct GoodCase {
  const char* name;
  std::string text;
  std::function<void(WeaponRecord&)> expect;  // applied to a reset record
};

const GoodCase kGoodCases[] = {
    {"the worked example's file", ReadTestData("worked_example.rec"),
     [](auto& r) { r = WorkedExample(); }},
    {"blanks are kept", "Weapname= Big  Gun \n", [](auto& r) { r.Weapname = " Big  Gun "; }},
    {"empty value", "Weapname=", [](auto& r) { r.Weapname = ""; }},
    {"one trailing CR is dropped", "Weapname=x\r\n", [](auto& r) { r.Weapname = "x"s; }},
    {"last line without line end", "Weaptur=1\nWeapcode=AB",
     Sets({{&R::Weaptur, 1}, {&R::Weapcode, "AB"}})},
    {"value is everything after the first =, signs kept", "Weapsmdl=-.5e+3/x",
     [](auto& r) { r.Weapsmdl = "-.5e+3/x"; }},
    {"code with spaces", "Weapcode=ROCKET 2", [](auto& r) { r.Weapcode = "ROCKET 2"; }},
    {"nothing: no entry and no selection", "Weaprend=\nWeapexgaf=\nWeapcol2=\nWeapstyle=",
     [](auto& r) { r.Weaprend = r.Weapexgaf = r.Weapcol2 = r.Weapstyle = kNoEntry; }},
    {"nothing: the entry for none", "Weapsost=\nWeapmodl=\nWeapbarr=\nWeaptur=",
     Sets({{&R::Weapsost, 31}, {&R::Weapmodl, 14}, {&R::Weapbarr, 0}, {&R::Weaptur, 0}})},
    {"last position", "Weapsost=31", [](auto& r) { r.Weapsost = 31; }},
    {"a script text is its position, in any letter case", "Weapsost=cannon2\nWeapsoht=LASHIT",
     Sets({{&R::Weapsost, 5}, {&R::Weapsoht, 2}})},
    {"a script text in double quotes", "Weapbarr=\"-15\"\nWeaprend=\"3\"",
     Sets({{&R::Weapbarr, 4}, {&R::Weaprend, 3}})},
    {"an old spelling", "Weapexart=H20", [](auto& r) { r.Weapexart = 5; }},
    {"a style's key", "Weapstyle=LineOfSight", [](auto& r) { r.Weapstyle = 1; }},
    {"a colour pair of the list", "Weapcol2=208 / 0", [](auto& r) { r.Weapcol2 = 1; }},
    {"a colour pair of its own", "Weapcol2=3 / 7", [](auto& r) { r.own.Weapcol2 = "3 / 7"; }},
    {"a colour of its own without its pair", "Weapcol2=\"232\"\nWeapcol2=\"/ 7\"",
     [](auto& r) { r.own.Weapcol2 = "/ 7"; }},
    {"a script text no list holds", "Weapsost=vortexfire\nWeaprend=\"9\"\nWeapbarr=\"-55\"",
     Sets({{&O::Weapsost, "vortexfire"}, {&O::Weaprend, "9"}, {&O::Weapbarr, "-55"}})},
    {"leading zeros", "Weapmodl=0012", [](auto& r) { r.Weapmodl = 12; }},
    {"later line wins", "Weapmodl=3\nWeapmodl=4", [](auto& r) { r.Weapmodl = 4; }},
    {"comments and empty lines", "# Weapmodl=x\n\n\r\n#\nWeapmodl=5\n\n",
     [](auto& r) { r.Weapmodl = 5; }},
    {"own text of a table member, its index kept", "Weapsost=\"vortexfire\"",
     [](auto& r) { r.own.Weapsost = "vortexfire"; }},
    {"own text spelled as in the script", "Weaplaart=\" Lava\"Pit\xE9 \"",
     [](auto& r) { r.own.Weaplaart = " Lava\"Pit\xE9 "; }},
    {"an index after an own text drops it", "Weapmodl=\"vortexrocket\"\nWeapmodl=3",
     [](auto& r) { r.Weapmodl = 3; }},
    {"an own text after an index keeps the index", "Weapexart=4\nWeapexart=\"megaboom\"",
     Sets({{&R::Weapexart, 4}, {&O::Weapexart, "megaboom"}})},
    {"every line CR LF", "Weapcode=A\r\nWeapID=7\r\nWeapbeam=1\r\n",
     Sets({{&R::Weapcode, "A"s}, {&R::WeapID, "7"s}, {&R::Weapbeam, 1}})},
};

TEST(RecordLines, GoodLines) {
  for (const GoodCase& good : kGoodCases) {
    SCOPED_TRACE(good.name);
    WeaponRecord record = ResetRecord();
    const RecordLinesResult result = ParseRecordLines(good.text, record);
    ASSERT_TRUE(result.ok) << result.line << ": " << result.message;
    WeaponRecord expected = ResetRecord();
    good.expect(expected);
    EXPECT_EQ(record, expected);
  }
}

TEST(RecordLines, EveryMemberCanBeNamed) {
  std::string text;
  for (const RecordField& field : kRecordFields) {
    text += std::string(field.name) + "=" + (field.IsText() ? "t" : "1") + "\n";
  }
  WeaponRecord record = ResetRecord();
  ASSERT_TRUE(ParseRecordLines(text, record).ok);
  for (const RecordField& field : kRecordFields) {
    if (field.IsText()) {
      EXPECT_EQ(record.*field.text, "t") << field.name;
    } else {
      EXPECT_EQ(record.*field.number, 1) << field.name;
    }
  }
}

struct BadCase {
  std::string text;
  int line;
  std::string message;
};

std::string FlagRefused(const std::string& value) {
  return "Weaptur takes 0, 1 or nothing (0), not \"" + value + "\"";
}
std::string ListRefused(const std::string& member, int last, const std::string& value) {
  return member + " takes a position in its list from 0 to " + std::to_string(last) +
         ", its script text (in double quotes where it is a whole number) or nothing, not \"" +
         value + "\"";
}
std::string MustNotHold(const std::string& member, const std::string& what) {
  return member + " must not hold " + what + " (none of ; = [ ] { } or a line end)";
}

const BadCase kBadCases[] = {
    {"Weapcode", 1, "not a Name=value line"},
    {"Weaptur=1\n\nWeapcode\n", 3, "not a Name=value line"},
    {"=5", 1, "not a Name=value line"},
    {"\r\n# x\r\nWeapfoo=1\r\n", 3, "unknown member \"Weapfoo\""},
    {"weapcode=X", 1, "unknown member \"weapcode\"; did you mean \"Weapcode\"?"},
    {"WEAPID=X", 1, "unknown member \"WEAPID\"; did you mean \"WeapID\"?"},
    {" Weapcode=X", 1, "unknown member \" Weapcode\""},
    {"Weapcode =X", 1, "unknown member \"Weapcode \""},
    {"Weaptur=x", 1, FlagRefused("x")},
    {"Weaptur=2", 1, FlagRefused("2")},
    {"Weaptur=-1", 1, FlagRefused("-1")},
    {"Weaptur= 1", 1, FlagRefused(" 1")},
    {"Weaptur=1 ", 1, FlagRefused("1 ")},
    {"Weaptur=+1", 1, FlagRefused("+1")},
    {"Weaptur=1.0", 1, FlagRefused("1.0")},
    {"Weaptur=0x10", 1, FlagRefused("0x10")},
    {"Weaptur=-", 1, FlagRefused("-")},
    {"Weaptur=\"1\"", 1, FlagRefused("\"1\"")},
    {"Weapsost=99", 1, ListRefused("Weapsost", 31, "99")},
    {"Weapsost=-1", 1, ListRefused("Weapsost", 31, "-1")},
    {"Weapsost=2147483648", 1, ListRefused("Weapsost", 31, "2147483648")},
    {"Weapsost=-2147483649", 1, ListRefused("Weapsost", 31, "-2147483649")},
    {"Weapsost=99999999999999999999", 1, ListRefused("Weapsost", 31, "99999999999999999999")},
    {"Weapexart=12", 1, ListRefused("Weapexart", 11, "12")},
    {"Weapmodl=15", 1, ListRefused("Weapmodl", 14, "15")},
    {"Weaprend=99", 1, ListRefused("Weaprend", 7, "99")},
    {"Weapbarr=-15", 1, ListRefused("Weapbarr", 9, "-15")},
    {"Weapstyle=3", 1,
     "Weapstyle takes a position in its list from 0 to 2, ballistic, lineofsight, dropped or "
     "nothing, not \"3\""},
    {"Weapstyle=sideways", 1,
     "Weapstyle takes a position in its list from 0 to 2, ballistic, lineofsight, dropped or "
     "nothing, not \"sideways\""},
    {"Weapcol2=5", 1,
     "Weapcol2 takes a position in its list from 0 to 4, its values as the script gives them "
     "(\"232 / 234\", \"232\" or \"/ 234\") or nothing, not \"5\""},
    {"Weapcol2=3 / 7 / 8", 1,
     "Weapcol2 takes a position in its list from 0 to 4, its values as the script gives them "
     "(\"232 / 234\", \"232\" or \"/ 234\") or nothing, not \"3 / 7 / 8\""},
    {"Weapsoht=\"xplo", 1, ListRefused("Weapsoht", 21, "\"xplo")},
    {"Weapsoht=\"\"", 1, "Weapsoht needs a text between its double quotes"},
    {"Weapsoht=\"", 1, ListRefused("Weapsoht", 21, "\"")},
    {"Weapmodl=\"a;b\"", 1, MustNotHold("Weapmodl", "\";\"")},
    {"Weapwtart=\"a}\"", 1, MustNotHold("Weapwtart", "\"}\"")},
    {"Weapcode=A;B", 1, MustNotHold("Weapcode", "\";\"")},
    {"Weapcode=}", 1, MustNotHold("Weapcode", "\"}\"")},
    {"WeapID=[1", 1, MustNotHold("WeapID", "\"[\"")},
    {"WeapID=a=b", 1, MustNotHold("WeapID", "\"=\"")},
    {"Weapname=x]", 1, MustNotHold("Weapname", "\"]\"")},
    {"Weapcode=A\nWeapname={x", 2, MustNotHold("Weapname", "\"{\"")},
    {"Weaprange=8}0", 1, MustNotHold("Weaprange", "\"}\"")},
    {"Weapreload=3;", 1, MustNotHold("Weapreload", "\";\"")},
    {"Weapdamage=1=2", 1, MustNotHold("Weapdamage", "\"=\"")},
    {"Weapsmdl=a=b=c", 1, MustNotHold("Weapsmdl", "\"=\"")},
    {"Weaprange=1[]{}", 1, MustNotHold("Weaprange", "\"[\"")},
    {"Weaprange=8\r0", 1, MustNotHold("Weaprange", "a line end")},
    {"Weapsmdl=.1\r\r\n", 1, MustNotHold("Weapsmdl", "a line end")},
    {"\xEF\xBB\xBFWeapcode=X", 1,
     "an invisible byte-order mark (bytes EF BB BF) stands before \"Weapcode\"; save the lines "
     "without it"},
    {std::string("Weapname=a\0b", 12), 1, "Weapname holds a NUL byte"},
    {std::string("Weaprange=8\0", 12), 1, "Weaprange holds a NUL byte"},
};

TEST(RecordLines, BadLinesAreNamedAndChangeNothing) {
  for (const BadCase& bad : kBadCases) {
    SCOPED_TRACE(bad.text);
    WeaponRecord record = WorkedExample();
    // A good line before the bad one is not applied either.
    const RecordLinesResult result = ParseRecordLines("Weapmodl=3\n" + bad.text, record);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.line, bad.line + 1);
    EXPECT_EQ(result.message, bad.message);
    EXPECT_EQ(record, WorkedExample());
  }
}

// Printed lines read back to the same record, whatever the texts hold short
// of line ends and NUL bytes.
const std::function<void(WeaponRecord&)> kPrintedRecords[] = {
    [](WeaponRecord&) {},
    [](WeaponRecord& r) { r = WorkedExample(); },
    Sets({{&R::Weapcode, "A\tB C"},
          {&R::Weapname, " Big\v Gun / \xC3\x9C "},
          {&R::WeapID, ""},
          {&R::Weaprange, "8/0"},
          {&R::Weapsmdl, "#1"},
          {&R::Weapreload, "-"s},
          {&R::Weapmodl, 14},
          {&R::Weaprend, kNoEntry},
          {&R::Weapstyle, kNoEntry},
          {&R::Weapexgaf, kNoEntry},
          {&R::Weapsost, 0},
          {&R::Weapsoht, 21}}),
    Sets({{&O::Weapmodl, "vortexrocket"},
          {&O::Weapsost, "vortex fire"},
          {&O::Weapsoht, "\"quoted\""},
          {&O::Weapexgaf, "modfx"},
          {&O::Weapexart, "h2o\xE9"},
          {&O::Weapwtgaf, "x"},
          {&O::Weapwtart, "12"},
          {&O::Weaplagaf, "-1"},
          {&O::Weaplaart, "lava pit"},
          {&O::Weaprend, "12"},
          {&O::Weapbarr, "-55"},
          {&O::Weapcol2, "3 / 7"}}),
    Sets({{&O::Weapcol2, "/ 7"}}),
};

TEST(RecordLines, PrintedLinesReadBack) {
  for (const auto& make : kPrintedRecords) {
    WeaponRecord printed = ResetRecord();
    make(printed);
    WeaponRecord read = DirtyRecord();
    const RecordLinesResult result = ParseRecordLines(PrintRecordLines(printed), read);
    ASSERT_TRUE(result.ok) << result.line << ": " << result.message;
    for (const RecordField& field : kRecordFields) {
      // Beside an own text the index means nothing, and is not printed.
      if (field.own && !(printed.own.*field.own).empty())
        read.*field.number = printed.*field.number;
    }
    EXPECT_EQ(Differences(printed, read), "");
    EXPECT_TRUE(printed.own == read.own);
  }
}

// Every value that dump prints for a member, write takes back: each position
// of each list, no entry, and a text of the member's own.
TEST(RecordLines, EveryValueOfEveryMemberReadsBack) {
  for (const RecordField& field : kRecordFields) {
    if (field.IsText()) continue;
    std::vector<WeaponRecord> records;
    for (int position = 0; position < ListPositions(field); ++position) {
      records.push_back(ResetRecord());
      records.back().*field.number = position;
    }
    records.push_back(ResetRecord());
    records.back().*field.number = field.absent;
    if (field.own) {
      for (const char* own : {"mine", "12", "-55", "3 / 7", "/ 7"}) {
        records.push_back(ResetRecord());
        records.back().own.*field.own = own;
      }
    }
    for (const WeaponRecord& printed : records) {
      const std::string lines = PrintRecordLines(printed);
      SCOPED_TRACE(lines);
      WeaponRecord read = DirtyRecord();
      const RecordLinesResult result = ParseRecordLines(lines, read);
      ASSERT_TRUE(result.ok) << result.line << ": " << result.message;
      EXPECT_EQ(Differences(printed, read), "");
      EXPECT_TRUE(printed.own == read.own) << field.name;
    }
  }
}

}  // namespace
}  // namespace kalvex::test
