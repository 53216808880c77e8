// Table texts read back to their own indices under each of their keys; texts
// that no table holds; the none entries; beam colours.
#include <gtest/gtest.h>

#include <cctype>

#include "reader_test_support.h"
#include "script/script_reader.h"
#include "script/value_tables.h"

namespace kalvex {
namespace {

using test::InBody;
using test::ReadCase;
using test::Skipped;
using test::Unmatched;
using R = WeaponRecord;

struct TableKey {
  std::string key;
  int R::*member;
  TableView table;
  std::string suffix;  // what the table text carries after the value
};

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string ValueOf(std::string_view text, const std::string& suffix) {
  return std::string(text.substr(0, text.size() - suffix.size()));
}

TEST(ReaderTables, EveryTextReadsBackToItsIndexUnderEachKey) {
  const std::vector<TableKey> keys = {
      {"model", &R::Weapmodl, kModelTable, ""},
      {"soundstart", &R::Weapsost, kStartSoundTable, ""},
      {"soundhit", &R::Weapsoht, kHitSoundTable, ""},
      {"explosiongaf", &R::Weapexgaf, kExplosionGafTable, ";"},
      {"waterexplosiongaf", &R::Weapwtgaf, kExplosionGafTable, ";"},
      {"lavaexplosiongaf", &R::Weaplagaf, kExplosionGafTable, ";"},
      {"explosionart", &R::Weapexart, kExplosionArtTable, ";"},
      {"waterexplosionart", &R::Weapwtart, kExplosionArtTable, ";"},
      {"lavaexplosionart", &R::Weaplaart, kExplosionArtTable, ";"},
  };
  int checked = 0;
  for (const TableKey& key : keys) {
    for (int index = 0; index < static_cast<int>(key.table.size()); ++index) {
      const std::string value = ValueOf(key.table[static_cast<std::size_t>(index)], key.suffix);
      for (const std::string& spelled : {value, Upper(value), Lower(value)}) {
        SCOPED_TRACE(key.key + "=" + spelled);
        const test::ReadOutcome out = test::Read(InBody("\t" + key.key + "=" + spelled + ";"));
        WeaponRecord expected = test::EmptyWeapon();
        expected.*key.member = index;
        EXPECT_EQ(test::Differences(expected, out.record), "");
        EXPECT_TRUE(out.result.findings.empty());
      }
      ++checked;
    }
  }
  EXPECT_EQ(checked, 14 + 31 + 21 + 3 * 2 + 3 * 12);
}

TEST(ReaderTables, EveryBarrelAngleReadsBack) {
  for (int index = 1; index <= 9; ++index) {
    const std::string_view text = kBarrelAngleTable[static_cast<std::size_t>(index)];
    SCOPED_TRACE(std::string(text));
    const test::ReadOutcome out = test::Read(InBody("\t" + std::string(text)));
    WeaponRecord expected = test::EmptyWeapon();
    expected.Weapbarr = index;
    EXPECT_EQ(test::Differences(expected, out.record), "");
    EXPECT_TRUE(out.result.findings.empty());
  }
}

TEST(ReaderTables, EveryColourPairReadsBackSilently) {
  for (int index = 0; index < static_cast<int>(kBeamColourTable.size()); ++index) {
    const std::string text(kBeamColourTable[static_cast<std::size_t>(index)]);
    SCOPED_TRACE(text);
    const test::ReadOutcome out = test::Read(InBody("\tbeamweapon=1;\n\t" + text));
    WeaponRecord expected = test::EmptyWeapon();
    expected.Weapbeam = 1;
    expected.Weapcol2 = index;
    EXPECT_EQ(test::Differences(expected, out.record), "");
    EXPECT_TRUE(out.result.findings.empty());
  }
}

class TableValueTest : public testing::TestWithParam<ReadCase> {};

TEST_P(TableValueTest, ReadsAsExpected) { test::ExpectCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Values, TableValueTest,
    testing::Values(
        ReadCase{"ColourPurple", InBody("color=144;\n\tcolor2=217;"), [](R& r) { r.Weapcol2 = 3; }},
        ReadCase{"ColourRedishAlone", InBody("color=209;"), [](R& r) { r.Weapcol2 = 4; }},
        ReadCase{"SecondColourOfAnotherPair",
                 InBody("color=232;\ncolor2=0;"),
                 [](R& r) { r.Weapcol2 = 0; },
                 {{FindingKind::kUnpairedColour, 4, "color2", "0"}}},
        ReadCase{"SecondColourWithoutColour",
                 InBody("color2=234;"),
                 [](R&) {},
                 {{FindingKind::kUnpairedColour, 3, "color2", "234"}}},
        ReadCase{"ColourUnknown", InBody("color=233;"), [](R&) {}, {Unmatched(3, "color", "233")}},
        ReadCase{"ColourEmpty", InBody("color=;"), [](R&) {}, {Unmatched(3, "color", "")}},
        ReadCase{"ArtUnderEachKeyLeavesGaf",
                 InBody("explosionart=commboom;\nlavaexplosionart=commboom;\n"
                        "waterexplosionart=commboom;"),
                 [](R& r) { r.Weapexart = r.Weaplaart = r.Weapwtart = 11; }},
        ReadCase{"WaterArtH20Boom2", InBody("waterexplosionart=h20boom2;"),
                 [](R& r) { r.Weapwtart = 7; }},
        ReadCase{"GafCommboom", InBody("lavaexplosiongaf=commboom;"),
                 [](R& r) { r.Weaplagaf = 1; }},
        ReadCase{"HitSoundThenNextKey", InBody("soundhit=lashit;guidance=1;"),
                 [](R& r) {
                   r.Weapsoht = 2;
                   r.Weapguid = 1;
                 }},
        ReadCase{"EmptyStartSoundIsNone",
                 InBody("soundstart=rocklit1;soundstart=;\nsoundhit=xplomed1;"),
                 [](R& r) { r.Weapsoht = 10; }},
        ReadCase{"EmptyHitSoundIsNone", InBody("soundhit=lashit;soundhit=;\nguidance=1;"),
                 [](R& r) { r.Weapguid = 1; }},
        ReadCase{"EmptyModelIsNone", InBody("model=rocket;model=;"), [](R&) {}},
        ReadCase{"EmptyBarrelAngleIsNone", InBody("minbarrelangle=-5;minbarrelangle=;"), [](R&) {}},
        ReadCase{"BlanksInsideTableTextDropped", InBody("soundhit= xplo med1 ;"),
                 [](R& r) { r.Weapsoht = 10; }},
        ReadCase{"UnknownModelIsNoModel",
                 InBody("model=rocket;\nmodel=myrocket;"),
                 [](R&) {},
                 {Unmatched(4, "model", "myrocket")}},
        ReadCase{"UnknownSoundLeavesSound",
                 InBody("soundstart=mysound;soundhit=xplomed9;"),
                 [](R&) {},
                 {Unmatched(3, "soundstart", "mysound"), Unmatched(3, "soundhit", "xplomed9")}},
        ReadCase{"PrefixOfTableTextUnmatched",
                 InBody("soundstart=rock;model=rocke;"),
                 [](R&) {},
                 {Unmatched(3, "soundstart", "rock"), Unmatched(3, "model", "rocke")}},
        ReadCase{"ExtraSemicolonIgnored", InBody("explosionart=explode2;;"),
                 [](R& r) { r.Weapexart = 0; }},
        ReadCase{"UnknownArtLeavesArt",
                 InBody("explosionart=explode9;explosiongaf=fy;"),
                 [](R&) {},
                 {Unmatched(3, "explosionart", "explode9"), Unmatched(3, "explosiongaf", "fy")}},
        ReadCase{"EmptyExplosionReported",
                 InBody("explosionart=;"),
                 [](R&) {},
                 {Unmatched(3, "explosionart", "")}},
        ReadCase{"BarrelAngleWithoutMinus",
                 InBody("minbarrelangle=5;"),
                 [](R&) {},
                 {Unmatched(3, "minbarrelangle", "5")}},
        ReadCase{"OverlongTableTextUnmatched",
                 InBody("soundhit=" + std::string(60, 'x') + ";"),
                 [](R&) {},
                 {Unmatched(3, "soundhit", std::string(44, 'x'))}}),
    test::CaseName);

}  // namespace
}  // namespace kalvex
