// Table texts read back to their own indices under each of their keys; texts
// that no table holds; the none entries; beam colours.
#include <gtest/gtest.h>

#include <cctype>

#include "reader_test_support.h"
#include "script/script_reader.h"
#include "script/value_tables.h"

namespace kalvex::test {
namespace {

struct TableKey {
  std::string key;
  int R::*member;
  TableView table;
};

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

TEST(ReaderTables, EveryTextReadsBackToItsIndexUnderEachKey) {
  const std::vector<TableKey> keys = {
      {"model", &R::Weapmodl, kModelTable},
      {"soundstart", &R::Weapsost, kStartSoundTable},
      {"soundhit", &R::Weapsoht, kHitSoundTable},
      {"explosiongaf", &R::Weapexgaf, kExplosionGafTable},
      {"waterexplosiongaf", &R::Weapwtgaf, kExplosionGafTable},
      {"lavaexplosiongaf", &R::Weaplagaf, kExplosionGafTable},
      {"explosionart", &R::Weapexart, kExplosionArtTable},
      {"waterexplosionart", &R::Weapwtart, kExplosionArtTable},
      {"lavaexplosionart", &R::Weaplaart, kExplosionArtTable},
  };
  int checked = 0;
  for (const TableKey& key : keys) {
    for (int index = 0; index < static_cast<int>(key.table.size()); ++index) {
      const std::string value(key.table[static_cast<std::size_t>(index)]);
      for (const std::string& spelled : {value, Upper(value), Lower(value)}) {
        const std::string entry = key.key + "=" + spelled;
        ExpectCase({entry, InBody("\t" + entry + ";"), Sets({{key.member, index}})});
      }
      ++checked;
    }
  }
  EXPECT_EQ(checked, 14 + 31 + 21 + 3 * 2 + 3 * 12);
}

TEST(ReaderTables, EveryBarrelAngleAndColourPairReadsBackSilently) {
  for (int index = 1; index <= 9; ++index) {
    const std::string text =
        "minbarrelangle=" + std::string(kBarrelAngleTable[static_cast<std::size_t>(index)]) + ";";
    ExpectCase({text, InBody("\t" + text), Sets({{&R::Weapbarr, index}})});
  }
  for (int index = 0; index < static_cast<int>(kBeamColourTable.size()); ++index) {
    const ColourPair& pair = kBeamColourTable[static_cast<std::size_t>(index)];
    const std::string text =
        "color=" + std::string(pair.first) + ";\n\tcolor2=" + std::string(pair.second) + ";";
    ExpectCase({text, InBody("\tbeamweapon=1;\n\t" + text),
                Sets({{&R::Weapbeam, 1}, {&R::Weapcol2, index}})});
  }
}

class TableValueTest : public testing::TestWithParam<ReadCase> {};

TEST_P(TableValueTest, ReadsAsExpected) { ExpectCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Values, TableValueTest,
    testing::Values(
        ReadCase{"ColourPurple", InBody("color=144;\n\tcolor2=217;"), [](R& r) { r.Weapcol2 = 3; }},
        ReadCase{"ColourPairSecondFirst", InBody("color2=217;\n\tcolor=144;"),
                 [](R& r) { r.Weapcol2 = 3; }},
        ReadCase{"ColourAloneIsItsOwn", InBody("color=209;"), [](R& r) { r.own.Weapcol2 = "209"; }},
        ReadCase{"SecondColourOfAnotherPair", InBody("color=232;\ncolor2=0;"),
                 [](R& r) { r.own.Weapcol2 = "232 / 0"; }},
        ReadCase{"SecondColourWithoutColour", InBody("color2=234;"),
                 [](R& r) { r.own.Weapcol2 = "/ 234"; }},
        ReadCase{"ColourUnknown", InBody("color=233;color2=9 9;"),
                 [](R& r) { r.own.Weapcol2 = "233 / 99"; }},
        ReadCase{"ColourLastValuesCount", InBody("color=1;color2=2;color=232;color2=234;"),
                 [](R& r) { r.Weapcol2 = 0; },
                 Found({Repeated(3, "color", "1"), Repeated(3, "color2", "2")})},
        ReadCase{"ColourEmpty", InBody("color=;color2=5;"), [](R& r) { r.own.Weapcol2 = "/ 5"; },
                 Found({Unmatched(3, "color", "")})},
        ReadCase{"RenderTypeOfItsOwn", InBody("rendertype=9;"), [](R& r) { r.own.Weaprend = "9"; }},
        ReadCase{"RenderTypeAfterOwnOneCounts", InBody("rendertype=-1;rendertype=07;"),
                 [](R& r) { r.Weaprend = 7; }, Found({Repeated(3, "rendertype", "-1")})},
        ReadCase{"RenderTypeEmpty", InBody("rendertype=;"), [](R&) {},
                 Found({Unmatched(3, "rendertype", "")})},
        ReadCase{"BarrelAngleOfItsOwn", InBody("minbarrelangle=-55;"),
                 [](R& r) { r.own.Weapbarr = "-55"; }},
        ReadCase{"ArtUnderEachKeyLeavesGaf",
                 InBody("explosionart=commboom;\nlavaexplosionart=commboom;\n"
                        "waterexplosionart=commboom;"),
                 [](R& r) { r.Weapexart = r.Weaplaart = r.Weapwtart = 11; }},
        ReadCase{"WaterArtOldDigitSpelling", InBody("waterexplosionart=h20boom2;explosionart=H20;"),
                 Sets({{&R::Weapwtart, 7}, {&R::Weapexart, 5}}),
                 Found({{FindingKind::kOldSpelling, 3, "waterexplosionart", "h20boom2"},
                        {FindingKind::kOldSpelling, 3, "explosionart", "H20"}})},
        ReadCase{"WaterArtLetterSpelling", InBody("waterexplosionart=h2oboom1;"),
                 [](R& r) { r.Weapwtart = 6; }},
        ReadCase{"BomberSoundBothSpellings", InBody("soundstart=bombrel;\nsoundstart=bombre1;"),
                 [](R& r) { r.Weapsost = 3; },
                 Found({Repeated(3, "soundstart", "bombrel"),
                        {FindingKind::kOldSpelling, 4, "soundstart", "bombre1"}})},
        ReadCase{"GafCommboom", InBody("lavaexplosiongaf=commboom;"),
                 [](R& r) { r.Weaplagaf = 1; }},
        ReadCase{"HitSoundThenNextKey", InBody("soundhit=lashit;guidance=1;"),
                 Sets({{&R::Weapsoht, 2}, {&R::Weapguid, 1}})},
        ReadCase{"EmptyStartSoundIsNone",
                 InBody("soundstart=rocklit1;soundstart=;\nsoundhit=xplomed1;"),
                 [](R& r) { r.Weapsoht = 10; }, Found({Repeated(3, "soundstart", "rocklit1")})},
        ReadCase{"EmptyHitSoundIsNone", InBody("soundhit=lashit;soundhit=;\nguidance=1;"),
                 [](R& r) { r.Weapguid = 1; }, Found({Repeated(3, "soundhit", "lashit")})},
        ReadCase{"EmptyModelIsNone", InBody("model=rocket;model=;"), [](R&) {},
                 Found({Repeated(3, "model", "rocket")})},
        ReadCase{"EmptyBarrelAngleIsNone", InBody("minbarrelangle=-5;minbarrelangle=;"), [](R&) {},
                 Found({Repeated(3, "minbarrelangle", "-5")})},
        ReadCase{"BlanksInsideTableTextDropped", InBody("soundhit= xplo med1 ;"),
                 [](R& r) { r.Weapsoht = 10; }},
        ReadCase{"OwnModelKeptAsWritten", InBody("model=rocket;\nmodel=VortexRocket;"),
                 [](R& r) { r.own.Weapmodl = "VortexRocket"; },
                 Found({Repeated(3, "model", "rocket")})},
        ReadCase{"ListedModelAfterOwnOneCounts", InBody("model=vortex;model=rocket;"),
                 [](R& r) { r.Weapmodl = 12; }, Found({Repeated(3, "model", "vortex")})},
        ReadCase{"OwnSoundsKeptAsWritten", InBody("soundstart=my sound;soundhit=xplomed9;"),
                 Sets({{&O::Weapsost, "mysound"}, {&O::Weapsoht, "xplomed9"}})},
        ReadCase{"PrefixOfTableTextIsAnOwnText", InBody("soundstart=rock;model=rocke;"),
                 Sets({{&O::Weapsost, "rock"}, {&O::Weapmodl, "rocke"}})},
        ReadCase{"ExtraSemicolonIgnored", InBody("explosionart=explode2;;"),
                 [](R& r) { r.Weapexart = 0; }},
        ReadCase{"OwnExplosionsKeptWithoutTheirSemicolon",
                 InBody("explosionart=explode9;explosiongaf=fy;lavaexplosionart=Lava_Big;\n"
                        "waterexplosiongaf=splash;waterexplosionart=h2x;lavaexplosiongaf=g;"),
                 Sets({{&O::Weapexart, "explode9"},
                       {&O::Weapexgaf, "fy"},
                       {&O::Weaplaart, "Lava_Big"},
                       {&O::Weapwtgaf, "splash"},
                       {&O::Weapwtart, "h2x"},
                       {&O::Weaplagaf, "g"}})},
        ReadCase{"EmptyExplosionReported", InBody("explosionart=;"), [](R&) {},
                 Found({Unmatched(3, "explosionart", "")})},
        ReadCase{"BarrelAngleWithoutMinus", InBody("minbarrelangle=5;"),
                 [](R& r) { r.own.Weapbarr = "5"; }},
        ReadCase{"LongOwnTextWhole", InBody("soundhit=" + std::string(60, 'x') + ";"),
                 [](R& r) { r.own.Weapsoht = std::string(60, 'x'); }}),
    CaseName);

}  // namespace
}  // namespace kalvex::test
