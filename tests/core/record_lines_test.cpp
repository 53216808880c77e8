#include "tools/kalvex_tdf/record_lines.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

#include "reader_test_support.h"
#include "record/record_fields.h"
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
    {"negative integer", "Weaprend=-1", [](auto& r) { r.Weaprend = -1; }},
    {"largest integer", "Weapsost=2147483647", [](auto& r) { r.Weapsost = INT_MAX; }},
    {"smallest integer", "Weapsost=-2147483648", [](auto& r) { r.Weapsost = INT_MIN; }},
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
    text += std::string(field.name) + "=" + (field.IsText() ? "t" : "7") + "\n";
  }
  WeaponRecord record = ResetRecord();
  ASSERT_TRUE(ParseRecordLines(text, record).ok);
  for (const RecordField& field : kRecordFields) {
    if (field.IsText()) {
      EXPECT_EQ(record.*field.text, "t") << field.name;
    } else {
      EXPECT_EQ(record.*field.number, 7) << field.name;
    }
  }
}

struct BadCase {
  std::string text;
  int line;
  std::string message;
};

std::string NotWhole(const std::string& member, const std::string& value) {
  return member + " needs a whole number from -2147483648 to 2147483647, not \"" + value + "\"";
}
std::string NotWholeOrText(const std::string& member, const std::string& value) {
  return member + " needs a whole number from -2147483648 to 2147483647 or a text in double " +
         "quotes, not \"" + value + "\"";
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
    {"Weaptur=x", 1, NotWhole("Weaptur", "x")},
    {"Weaptur=", 1, NotWhole("Weaptur", "")},
    {"Weaptur= 1", 1, NotWhole("Weaptur", " 1")},
    {"Weaptur=1 ", 1, NotWhole("Weaptur", "1 ")},
    {"Weaptur=+1", 1, NotWhole("Weaptur", "+1")},
    {"Weaptur=1.0", 1, NotWhole("Weaptur", "1.0")},
    {"Weaptur=0x10", 1, NotWhole("Weaptur", "0x10")},
    {"Weaptur=-", 1, NotWhole("Weaptur", "-")},
    {"Weapsost=2147483648", 1, NotWholeOrText("Weapsost", "2147483648")},
    {"Weapsost=-2147483649", 1, NotWholeOrText("Weapsost", "-2147483649")},
    {"Weapsost=99999999999999999999", 1, NotWholeOrText("Weapsost", "99999999999999999999")},
    {"Weapsoht=\"xplo", 1, NotWholeOrText("Weapsoht", "\"xplo")},
    {"Weapsoht=\"\"", 1, "Weapsoht needs a text between its double quotes"},
    {"Weapsoht=\"", 1, NotWholeOrText("Weapsoht", "\"")},
    {"Weapmodl=\"a;b\"", 1, MustNotHold("Weapmodl", "\";\"")},
    {"Weapwtart=\"a}\"", 1, MustNotHold("Weapwtart", "\"}\"")},
    {"Weaptur=\"1\"", 1, NotWhole("Weaptur", "\"1\"")},
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
          {&R::Weaprend, -1},
          {&R::Weapsost, INT_MIN},
          {&R::Weapsoht, INT_MAX}}),
    Sets({{&O::Weapmodl, "vortexrocket"},
          {&O::Weapsost, "vortex fire"},
          {&O::Weapsoht, "\"quoted\""},
          {&O::Weapexgaf, "modfx"},
          {&O::Weapexart, "h2o\xE9"},
          {&O::Weapwtgaf, "x"},
          {&O::Weapwtart, "12"},
          {&O::Weaplagaf, "-1"},
          {&O::Weaplaart, "lava pit"}}),
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

}  // namespace
}  // namespace kalvex::test
