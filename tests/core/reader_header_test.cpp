// The weapon header and the texts that keep their blanks: code, ID and name;
// where they and the other leading entries may stand; comments; whether a
// weapon was found at all.
#include <gtest/gtest.h>

#include "reader_test_support.h"
#include "script/script_reader.h"

namespace kalvex::test {
namespace {

const std::string kName68 = std::string(60, 'N') + " name 68";
const std::string kLong = "A Weapon Name Of Sixty Characters Typed On Its Page Whole..";

class HeaderTest : public testing::TestWithParam<ReadCase> {};

TEST_P(HeaderTest, ReadsAsExpected) { ExpectCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    CodeIdName, HeaderTest,
    testing::Values(
        ReadCase{"NameKeepsBlanks", InBody("name=Light Rocket Launcher;"),
                 [](R& r) { r.Weapname = "Light Rocket Launcher"; }},
        ReadCase{"NameLosesBlanksAroundIt", InBody("name= \t Light  Rocket \t ;"),
                 [](R& r) { r.Weapname = "Light  Rocket"; }},
        ReadCase{"NameLosesLineEnds", InBody("name=\r\nLight\r\nRocket\n;"),
                 [](R& r) { r.Weapname = "LightRocket"; }},
        ReadCase{"NameMayHoldSignsAndSlashes", InBody("name=A/B // C = {D} [E] /* F */;"),
                 [](R& r) { r.Weapname = "A/B // C = {D} [E] /* F */"; }},
        ReadCase{"NameMayHoldHighBytes", InBody("name=Lance \xE9\xFF;"),
                 [](R& r) { r.Weapname = "Lance \xE9\xFF"; }},
        ReadCase{"BlankNameIsResetText", InBody("name= ;"), [](R&) {}},
        ReadCase{"EmptyNameIsResetText", InBody("name=;"), [](R&) {}},
        ReadCase{"BlankIdIsResetText", InBody("ID= ;"), [](R&) {}},
        ReadCase{"SixtyCharacterNameWhole", InBody("name=" + kLong + ";"),
                 [](R& r) { r.Weapname = kLong; }},
        ReadCase{"SixtyNineCharacterNameWhole", InBody("name=" + kName68 + "X;"),
                 [](R& r) { r.Weapname = kName68 + "X"; }},
        ReadCase{"SeventyCharacterNameWhole", InBody("name=" + kName68 + "XY;\nrange=1;"),
                 Sets({{&R::Weapname, kName68 + "XY"}, {&R::Weaprange, "1"}})},
        ReadCase{"NameKeepsBlankPastSixtyEight", InBody("name=" + kName68 + " Y;"),
                 [](R& r) { r.Weapname = kName68 + " Y"; }},
        ReadCase{"FiveHundredCharacterNameWhole", InBody("name=" + std::string(500, 'n') + ";"),
                 [](R& r) { r.Weapname = std::string(500, 'n'); }},
        ReadCase{"IdKeepsBlanks", InBody("ID= 9 1 ;"), [](R& r) { r.WeapID = "9 1"; }},
        ReadCase{"IdOfEightWhole", InBody("ID=12345678;"), [](R& r) { r.WeapID = "12345678"; }},
        ReadCase{"IdOfNineWhole", InBody("ID=123456789;\nrange=1;"),
                 Sets({{&R::WeapID, "123456789"}, {&R::Weaprange, "1"}})},
        ReadCase{"IdRunsToSemicolonPastBraces", InBody("ID=1}2;"), [](R& r) { r.WeapID = "1}2"; }},
        ReadCase{"CodeKeepsBlanks", "[ LIGHT  GUN ]{}", [](R& r) { r.Weapcode = "LIGHT  GUN"; }},
        ReadCase{"BlankCodeIsResetText", "[ ]{}", [](R& r) { r.Weapcode = " "; }},
        ReadCase{"EmptyCodeIsResetText", "[]{}", [](R& r) { r.Weapcode = " "; }},
        ReadCase{"CodeOfEighteenWhole", "[ABCDEFGHIJKLMNOPQR]{}",
                 [](R& r) { r.Weapcode = "ABCDEFGHIJKLMNOPQR"; }},
        ReadCase{"CodeOfThirtyWhole", "[ABCDEFGHIJKLMNOPQRSTUVWXYZ_MK2]\n{range=1;}",
                 Sets({{&R::Weapcode, "ABCDEFGHIJKLMNOPQRSTUVWXYZ_MK2"}, {&R::Weaprange, "1"}})},
        ReadCase{"CodeOverLines", "[\nROCK\r\nET2\n]{}", [](R& r) { r.Weapcode = "ROCKET2"; }},
        ReadCase{"WeaponFoundWithoutBody", "[T]", [](R&) {}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    LeadingEntriesAnywhere, HeaderTest,
    testing::Values(
        ReadCase{"InReverseOrderAfterOtherEntries",
                 InBody("range=800;\n\tdropped=1;\n\trendertype=3;\n\tname=Gun Two;\n\tID=7;"),
                 Sets({{&R::Weaprange, "800"},
                       {&R::Weapstyle, 2},
                       {&R::Weaprend, 3},
                       {&R::Weapname, "Gun Two"},
                       {&R::WeapID, "7"}})},
        ReadCase{"IdAndNameAfterDamageSection", InBody("[DAMAGE]{default=1;}\nname=Late;\nID=3;"),
                 Sets({{&R::Weapdamage, "1"}, {&R::Weapname, "Late"}, {&R::WeapID, "3"}})},
        ReadCase{"NameInBodyIsNotNoExplode", InBody("noautorange=1;\nname=X;"),
                 Sets({{&R::Weapauto, 1}, {&R::Weapname, "X"}})},
        ReadCase{"WithoutRenderTypeStyleStillRead", InBody("ID=1;name=N;lineofsight=1;range=5;"),
                 Sets({{&R::WeapID, "1"},
                       {&R::Weapname, "N"},
                       {&R::Weapstyle, 1},
                       {&R::Weaprange, "5"}})},
        ReadCase{"UnknownEntryInHeadNotSwallowed", InBody("ID=1;\nfoo=2;\nname=N;\nrange=5;"),
                 Sets({{&R::WeapID, "1"}, {&R::Weapname, "N"}, {&R::Weaprange, "5"}}),
                 Found({Skipped(4, "foo", "2")})}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Comments, HeaderTest,
    testing::Values(
        ReadCase{"BeforeHeader", "// a weapon\n/* of mine\n*/ [T] // its code\n{}", [](R&) {}},
        ReadCase{"AfterByteOrderMark", "\xEF\xBB\xBF// x\n[T]{}", [](R&) {}},
        ReadCase{"BetweenEntries",
                 InBody("// range=1;\nrange=2; /* metal=3*2/4; */ energy=4; // x\n/**/metal=5;"),
                 Sets({{&R::Weaprange, "2"}, {&R::Weapenr, "4"}, {&R::Weapmet, "5"}})},
        ReadCase{"LineCommentEndsAtCarriageReturn", InBody("// x\rrange=2;"),
                 [](R& r) { r.Weaprange = "2"; }},
        ReadCase{"NotInsideValue", InBody("range=8//x;metal=1/*2*/;"),
                 Sets({{&R::Weaprange, "8//x"}, {&R::Weapmet, "1/*2*/"}}),
                 Found({NotANumber(3, "range", "8//x"), NotANumber(3, "metal", "1/*2*/")})},
        ReadCase{"UnclosedCommentReported", InBody("range=2;/* metal=3;"),
                 [](R& r) { r.Weaprange = "2"; }, Found({UnclosedComment(3)})},
        ReadCase{"UnclosedCommentAfterWeaponReported", "[T]{}\n\n/* [U]{}", [](R&) {},
                 Found({UnclosedComment(3)})},
        ReadCase{"SlashAloneIsKeyText", InBody("/range=2;"), [](R&) {},
                 Found({Skipped(3, "/range", "2")})},
        ReadCase{"BraceInCommentIgnored", InBody("// }\nrange=2;"),
                 [](R& r) { r.Weaprange = "2"; }}),
    CaseName);

TEST(ReaderHeader, NoWeaponFound) {
  for (const std::string& script : std::vector<std::string>{
           "", "   \r\n\t", "// only a comment", "range=800;", "[T", "[T\n{range=1;}", "/* [T] */",
           std::string(41, 'x') + "[T]{range=1;}", std::string(41, '=') + "[T]{range=1;}"}) {
    SCOPED_TRACE(script);
    const ReadOutcome out = Read(script);
    EXPECT_FALSE(out.result.header_found);
    EXPECT_EQ(Differences(EmptyWeapon(), out.record), "Weapcode: expected \"T\", got \" \"\n");
  }
}

// The "[" is looked for among the first 40 characters that are not blanks;
// what stands before it is passed over and reported.
INSTANTIATE_TEST_SUITE_P(
    TextBeforeHeader, HeaderTest,
    testing::Values(ReadCase{"WordBeforeOnSameLine", "x [T]{range=1;}",
                             [](R& r) { r.Weaprange = "1"; }, Found({BeforeHeader(1, "x")})},
                    ReadCase{"LineOfItsOwn", "; mine\r\n[T]\r\n{range=1;}",
                             [](R& r) { r.Weaprange = "1"; }, Found({BeforeHeader(1, ";mine")})},
                    ReadCase{"FortyCharactersWithBlanksBetween",
                             "\xEF\xBB\xBF// note\n" + std::string(20, 'x') + " \t \n" +
                                 std::string(20, 'y') + "[T]{}",
                             [](R&) {},
                             Found({BeforeHeader(2, std::string(20, 'x') + std::string(20, 'y'))})},
                    ReadCase{"KeyBeforeHeaderNotRead", "range=5;\n[T]{}", [](R&) {},
                             Found({BeforeHeader(1, "range=5;")})}),
    CaseName);

TEST(ReaderHeader, Utf16IsToldAndNotRead) {
  using namespace std::string_literals;
  for (const std::string& script : {"\xFF\xFE[\0T\0]\0{\0}\0"s, "\xFE\xFF\0[\0T\0]\0{\0}"s,
                                    "[\0T\0]\0{\0}\0"s, "\0[\0T\0]\0{\0}"s}) {
    const ReadOutcome out = Read(script);
    EXPECT_TRUE(out.result.utf16);
    EXPECT_FALSE(out.result.header_found);
  }
  EXPECT_FALSE(Read("\0\0[T]{}").result.utf16);
  EXPECT_FALSE(Read("[T]{}").result.utf16);
}

}  // namespace
}  // namespace kalvex::test
