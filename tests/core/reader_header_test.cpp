// The weapon header and the texts that keep their blanks: code, ID and name;
// where they and the other leading entries may stand; comments; whether a
// weapon was found at all.
#include <gtest/gtest.h>

#include "reader_test_support.h"
#include "script/script_reader.h"

namespace kalvex {
namespace {

using test::InBody;
using test::ReadCase;
using R = WeaponRecord;

const std::string kName68 = std::string(60, 'N') + " name 68";
const std::string kLong = "A Weapon Name Of Sixty Characters Typed On Its Page Whole..";

class HeaderTest : public testing::TestWithParam<ReadCase> {};

TEST_P(HeaderTest, ReadsAsExpected) { test::ExpectCase(GetParam()); }

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
                 [](R& r) {
                   r.Weapname = kName68 + "XY";
                   r.Weaprange = "1";
                 }},
        ReadCase{"NameKeepsBlankPastSixtyEight", InBody("name=" + kName68 + " Y;"),
                 [](R& r) { r.Weapname = kName68 + " Y"; }},
        ReadCase{"FiveHundredCharacterNameWhole", InBody("name=" + std::string(500, 'n') + ";"),
                 [](R& r) { r.Weapname = std::string(500, 'n'); }},
        ReadCase{"IdKeepsBlanks", InBody("ID= 9 1 ;"), [](R& r) { r.WeapID = "9 1"; }},
        ReadCase{"IdOfEightWhole", InBody("ID=12345678;"), [](R& r) { r.WeapID = "12345678"; }},
        ReadCase{"IdOfNineWhole", InBody("ID=123456789;\nrange=1;"),
                 [](R& r) {
                   r.WeapID = "123456789";
                   r.Weaprange = "1";
                 }},
        ReadCase{"IdRunsToSemicolonPastBraces", InBody("ID=1}2;"), [](R& r) { r.WeapID = "1}2"; }},
        ReadCase{"CodeKeepsBlanks", "[ LIGHT  GUN ]{}", [](R& r) { r.Weapcode = "LIGHT  GUN"; }},
        ReadCase{"BlankCodeIsResetText", "[ ]{}", [](R& r) { r.Weapcode = " "; }},
        ReadCase{"EmptyCodeIsResetText", "[]{}", [](R& r) { r.Weapcode = " "; }},
        ReadCase{"CodeOfEighteenWhole", "[ABCDEFGHIJKLMNOPQR]{}",
                 [](R& r) { r.Weapcode = "ABCDEFGHIJKLMNOPQR"; }},
        ReadCase{"CodeOfThirtyWhole", "[ABCDEFGHIJKLMNOPQRSTUVWXYZ_MK2]\n{range=1;}",
                 [](R& r) {
                   r.Weapcode = "ABCDEFGHIJKLMNOPQRSTUVWXYZ_MK2";
                   r.Weaprange = "1";
                 }},
        ReadCase{"CodeOverLines", "[\nROCK\r\nET2\n]{}", [](R& r) { r.Weapcode = "ROCKET2"; }}),
    test::CaseName);

INSTANTIATE_TEST_SUITE_P(
    LeadingEntriesAnywhere, HeaderTest,
    testing::Values(
        ReadCase{"InReverseOrderAfterOtherEntries",
                 InBody("range=800;\n\tdropped=1;\n\trendertype=3;\n\tname=Gun Two;\n\tID=7;"),
                 [](R& r) {
                   r.Weaprange = "800";
                   r.Weapstyle = 2;
                   r.Weaprend = 3;
                   r.Weapname = "Gun Two";
                   r.WeapID = "7";
                 }},
        ReadCase{"IdAndNameAfterDamageSection", InBody("[DAMAGE]{default=1;}\nname=Late;\nID=3;"),
                 [](R& r) {
                   r.Weapdamage = "1";
                   r.Weapname = "Late";
                   r.WeapID = "3";
                 }},
        ReadCase{"NameInBodyIsNotNoExplode", InBody("noautorange=1;\nname=X;"),
                 [](R& r) {
                   r.Weapauto = 1;
                   r.Weapname = "X";
                 }},
        ReadCase{"WithoutRenderTypeStyleStillRead", InBody("ID=1;name=N;lineofsight=1;range=5;"),
                 [](R& r) {
                   r.WeapID = "1";
                   r.Weapname = "N";
                   r.Weapstyle = 1;
                   r.Weaprange = "5";
                 }},
        ReadCase{"UnknownEntryInHeadNotSwallowed",
                 InBody("ID=1;\nfoo=2;\nname=N;\nrange=5;"),
                 [](R& r) {
                   r.WeapID = "1";
                   r.Weapname = "N";
                   r.Weaprange = "5";
                 },
                 {test::Skipped(4, "foo", "2")}}),
    test::CaseName);

INSTANTIATE_TEST_SUITE_P(
    Comments, HeaderTest,
    testing::Values(
        ReadCase{"BeforeHeader", "// a weapon\n/* of mine\n*/ [T] // its code\n{}", [](R&) {}},
        ReadCase{"AfterByteOrderMark", "\xEF\xBB\xBF// x\n[T]{}", [](R&) {}},
        ReadCase{"BetweenEntries",
                 InBody("// range=1;\nrange=2; /* metal=3*2/4; */ energy=4; // x\n/**/metal=5;"),
                 [](R& r) {
                   r.Weaprange = "2";
                   r.Weapenr = "4";
                   r.Weapmet = "5";
                 }},
        ReadCase{"LineCommentEndsAtCarriageReturn", InBody("// x\rrange=2;"),
                 [](R& r) { r.Weaprange = "2"; }},
        ReadCase{"NotInsideValue",
                 InBody("range=8//x;metal=1/*2*/;"),
                 [](R& r) {
                   r.Weaprange = "8//x";
                   r.Weapmet = "1/*2*/";
                 },
                 {test::NotANumber(3, "range", "8//x"), test::NotANumber(3, "metal", "1/*2*/")}},
        ReadCase{"UnclosedCommentReported",
                 InBody("range=2;/* metal=3;"),
                 [](R& r) { r.Weaprange = "2"; },
                 {test::UnclosedComment(3)}},
        ReadCase{"UnclosedCommentAfterWeaponReported",
                 "[T]{}\n\n/* [U]{}",
                 [](R&) {},
                 {test::UnclosedComment(3)}},
        ReadCase{"SlashAloneIsKeyText",
                 InBody("/range=2;"),
                 [](R&) {},
                 {test::Skipped(3, "/range", "2")}},
        ReadCase{"BraceInCommentIgnored", InBody("// }\nrange=2;"),
                 [](R& r) { r.Weaprange = "2"; }}),
    test::CaseName);

TEST(ReaderHeader, NoWeaponFound) {
  for (const std::string& script : std::vector<std::string>{
           "", "   \r\n\t", "// only a comment", "range=800;", "[T", "[T\n{range=1;}", "/* [T] */",
           std::string(41, 'x') + "[T]{range=1;}", std::string(41, '=') + "[T]{range=1;}"}) {
    SCOPED_TRACE(script);
    const test::ReadOutcome out = test::Read(script);
    EXPECT_FALSE(out.result.header_found);
    EXPECT_EQ(test::Differences(test::EmptyWeapon(), out.record),
              "Weapcode: expected \"T\", got \" \"\n");
  }
}

// The "[" is looked for among the first 40 characters that are not blanks;
// what stands before it is passed over and reported.
INSTANTIATE_TEST_SUITE_P(
    TextBeforeHeader, HeaderTest,
    testing::Values(ReadCase{"WordBeforeOnSameLine",
                             "x [T]{range=1;}",
                             [](R& r) { r.Weaprange = "1"; },
                             {test::BeforeHeader(1, "x")}},
                    ReadCase{"LineOfItsOwn",
                             "; mine\r\n[T]\r\n{range=1;}",
                             [](R& r) { r.Weaprange = "1"; },
                             {test::BeforeHeader(1, ";mine")}},
                    ReadCase{"FortyCharactersWithBlanksBetween",
                             "\xEF\xBB\xBF// note\n" + std::string(20, 'x') + " \t \n" +
                                 std::string(20, 'y') + "[T]{}",
                             [](R&) {},
                             {test::BeforeHeader(2, std::string(20, 'x') + std::string(20, 'y'))}},
                    ReadCase{"KeyBeforeHeaderNotRead",
                             "range=5;\n[T]{}",
                             [](R&) {},
                             {test::BeforeHeader(1, "range=5;")}}),
    test::CaseName);

TEST(ReaderHeader, Utf16IsToldAndNotRead) {
  using namespace std::string_literals;
  for (const std::string& script : {"\xFF\xFE[\0T\0]\0{\0}\0"s, "\xFE\xFF\0[\0T\0]\0{\0}"s,
                                    "[\0T\0]\0{\0}\0"s, "\0[\0T\0]\0{\0}"s}) {
    const test::ReadOutcome out = test::Read(script);
    EXPECT_TRUE(out.result.utf16);
    EXPECT_FALSE(out.result.header_found);
  }
  EXPECT_FALSE(test::Read("\0\0[T]{}").result.utf16);
  EXPECT_FALSE(test::Read("[T]{}").result.utf16);
}

TEST(ReaderHeader, WeaponFoundWithoutBody) {
  const test::ReadOutcome out = test::Read("[T]");
  EXPECT_TRUE(out.result.header_found);
  EXPECT_EQ(test::Differences(test::EmptyWeapon(), out.record), "");
}

}  // namespace
}  // namespace kalvex
