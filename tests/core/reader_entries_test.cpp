// Entries of a weapon's body: text values, flags, style, render type, unknown
// keys, overlong values and the damage section.
#include <gtest/gtest.h>

#include "reader_test_support.h"
#include "script/script_reader.h"
#include "script/script_writer.h"
#include "test_support.h"

namespace kalvex::test {
namespace {

const std::string k44(44, '4');
const std::string k64(64, 'k');

class EntryTest : public testing::TestWithParam<ReadCase> {};

TEST_P(EntryTest, ReadsAsExpected) { ExpectCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    TextValues, EntryTest,
    testing::Values(
        ReadCase{"KeyInCapitalsSpreadOverLines", InBody("\tRANGE \n=\n800\n ;"),
                 [](R& r) { r.Weaprange = "800"; }},
        ReadCase{"BlanksInsideNumberDropped", InBody("range=8 00;"),
                 [](R& r) { r.Weaprange = "800"; }},
        ReadCase{"TabsAndLineEndsInsideNumberDropped", InBody("range=8\t0\r\n0;"),
                 [](R& r) { r.Weaprange = "800"; }},
        ReadCase{"EmptyValueIsEmptyText", InBody("range=;"), [](R& r) { r.Weaprange = ""; }},
        ReadCase{"BlankValueIsEmptyText", InBody("smokedelay= ;"), [](R& r) { r.Weapsmdl = ""; }},
        ReadCase{"EightDigitsWhole", InBody("range=12345678;"),
                 [](R& r) { r.Weaprange = "12345678"; }},
        ReadCase{"NineDigitsWholeAndNextKeyRead", InBody("range=123456789;reloadtime=3;"),
                 Sets({{&R::Weaprange, "123456789"}, {&R::Weapreload, "3"}})},
        ReadCase{"TenDigitsWholeAndNextKeyRead", InBody("range=1234567890;reloadtime=3;"),
                 Sets({{&R::Weaprange, "1234567890"}, {&R::Weapreload, "3"}})},
        ReadCase{"FortyFourCharactersWhole", InBody("metal=" + k44 + ";"),
                 [](R& r) { r.Weapmet = k44; }},
        ReadCase{"LongerValueWhole", InBody("metal=" + k44 + "5 6 7 8 9;\nenergy=2;"),
                 Sets({{&R::Weapmet, k44 + "56789"}, {&R::Weapenr, "2"}})},
        ReadCase{"ValueRunsOverClosingBraceToItsSemicolon", "[T]{range=800}range=5;",
                 [](R& r) { r.Weaprange = "800}range=5"; },
                 Found({NotANumber(1, "range", "800}range=5")})},
        ReadCase{"BraceInsideValueReadAndEntriesAfterIt", InBody("range=8}00;\ntracks=1;\nID=5;"),
                 Sets({{&R::Weaprange, "8}00"}, {&R::Weaptrak, 1}, {&R::WeapID, "5"}}),
                 Found({NotANumber(3, "range", "8}00")})},
        ReadCase{"MissingSemicolonBeforeNextEntry", InBody("\trange=800\r\n\treloadtime=3;"),
                 Sets({{&R::Weaprange, "800"}, {&R::Weapreload, "3"}}),
                 Found({MissingSemicolon(3, "range", "800")})},
        ReadCase{"MissingSemicolonOfUnknownKeyAndOfName",
                 InBody("script=x\n name = Gun  \n\n  Metal =1\nTurret=1"),
                 Sets({{&R::Weapname, "Gun"}, {&R::Weapmet, "1"}, {&R::Weaptur, 1}}),
                 Found({Skipped(3, "script", "x"), MissingSemicolon(3, "script", "x"),
                        MissingSemicolon(4, "name", "Gun"), MissingSemicolon(6, "Metal", "1"),
                        MissingSemicolon(7, "Turret", "1")})},
        ReadCase{"MissingSemicolonBeforeBraceAndSection",
                 InBody("metal=2\n[DAMAGE]{default=5\n}\nenergy=1"),
                 Sets({{&R::Weapmet, "2"}, {&R::Weapdamage, "5"}, {&R::Weapenr, "1"}}),
                 Found({MissingSemicolon(3, "metal", "2"), MissingSemicolon(4, "default", "5"),
                        MissingSemicolon(6, "energy", "1")})},
        ReadCase{"MissingSemicolonBeforeComment", InBody("metal=2\n// x\nenergy=1;"),
                 Sets({{&R::Weapmet, "2"}, {&R::Weapenr, "1"}}),
                 Found({MissingSemicolon(3, "metal", "2")})},
        ReadCase{"ValueGoesOnOverLinesThatBeginNoEntry", InBody("name=Big\nGun 2\n= x;"),
                 [](R& r) { r.Weapname = "BigGun 2= x"; }},
        ReadCase{"ValueWithoutSemicolonAtEnd", "[T]{\nrange=8 0", [](R& r) { r.Weaprange = "80"; }},
        ReadCase{"LastValueOfRepeatedKeyKept", InBody("range=1;range=2;"),
                 [](R& r) { r.Weaprange = "2"; }, Found({Repeated(3, "range", "1")})},
        ReadCase{"EveryTextKey",
                 InBody("accuracy=1;aimrate=2;areaofeffect=3;burst=4;burstrate=5;coverage=6;"
                        "edgeeffectiveness=7;energy=8;energypershot=9;firestarter=10;"
                        "flighttime=11;metal=12;randomdecay=13;range=14;reloadtime=15;"
                        "smokedelay=16;sprayangle=17;startvelocity=18;tolerance=19;"
                        "turnrate=20;weaponacceleration=21;weapontimer=22;weaponvelocity=23;"
                        "[DAMAGE]{default=24;}"),
                 Sets({{&R::Weapaccu, "1"},  {&R::Weaprate, "2"},   {&R::Weapefft, "3"},
                       {&R::Weapbrst, "4"},  {&R::Weapbsta, "5"},   {&R::Weapcovg, "6"},
                       {&R::Weapeftn, "7"},  {&R::Weapenr, "8"},    {&R::Weapenps, "9"},
                       {&R::Weapfire, "10"}, {&R::Weapfght, "11"},  {&R::Weapmet, "12"},
                       {&R::Weaprand, "13"}, {&R::Weaprange, "14"}, {&R::Weapreload, "15"},
                       {&R::Weapsmdl, "16"}, {&R::Weapspry, "17"},  {&R::Weapstsp, "18"},
                       {&R::Weaptolr, "19"}, {&R::Weapturn, "20"},  {&R::Weapaccl, "21"},
                       {&R::Weaptime, "22"}, {&R::Weapspeed, "23"}, {&R::Weapdamage, "24"}})},
        ReadCase{"TwoPointsNeitherNumberNorZero", InBody("range=0.0.0;endsmoke=0.0.0;"),
                 Sets({{&R::Weaprange, "0.0.0"}, {&R::Weapsmed, 1}}),
                 Found({NotANumber(3, "range", "0.0.0")})},
        ReadCase{"StoredCharactersKeepTheirCase", InBody("smokedelay=.1E3;"),
                 [](R& r) { r.Weapsmdl = ".1E3"; }, Found({NotANumber(3, "smokedelay", ".1E3")})}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    FlagsStyleRenderType, EntryTest,
    testing::Values(
        ReadCase{"FlagOne", InBody("noautorange=1;noexplode=1;paralyzer=1;propeller=1;"),
                 [](R& r) { r.Weapauto = r.Weapxpld = r.Weapparl = r.Weapprop = 1; }},
        ReadCase{"FlagZeroClears", InBody("burnblow=1;\nburnblow=0;"), [](R& r) { r.Weapblow = 0; },
                 Found({Repeated(3, "burnblow", "1")})},
        ReadCase{"FlagZeroWrittenOtherwise",
                 InBody("burnblow=1;burnblow= 0.0 ;tracks=1;tracks=00;"),
                 [](R& r) { r.Weapblow = r.Weaptrak = 0; },
                 Found({Repeated(3, "burnblow", "1"), Repeated(3, "tracks", "1")})},
        ReadCase{"FlagOtherValuesSet", InBody("burnblow=2;tracks=yes;guidance=0.5;unitsonly=;"),
                 [](R& r) { r.Weapblow = r.Weaptrak = r.Weapguid = r.Weapunit = 1; }},
        ReadCase{"FlagJudgedOnAllItsCharacters",
                 InBody("guidance=1;guidance=" + std::string(60, '0') + ";tracks=" +
                        std::string(60, '0') + "1;lineofsight=" + std::string(60, '0') + ";"),
                 [](R& r) { r.Weaptrak = 1; }, Found({Repeated(3, "guidance", "1")})},
        ReadCase{"BeamAndSmokeFlagsReadTheirValue", InBody("beamweapon=0;endsmoke=0;startsmoke=7;"),
                 [](R& r) { r.Weapsmst = 1; }},
        ReadCase{"SelfPropelled", InBody("selfprop=1;"), [](R& r) { r.Weapsprp = 1; }},
        ReadCase{"TurretInAnyCase", InBody("TURRET=1;"), [](R& r) { r.Weaptur = 1; }},
        ReadCase{"StyleLineOfSight", InBody("lineofsight=1;"), [](R& r) { r.Weapstyle = 1; }},
        ReadCase{"StyleDropped", InBody("dropped=1;"), [](R& r) { r.Weapstyle = 2; }},
        ReadCase{"StyleZeroLeavesStyle", InBody("lineofsight=1;dropped=0;"),
                 [](R& r) { r.Weapstyle = 1; }},
        ReadCase{"StyleLastOneCounts", InBody("dropped=1;\nballistic=1;"),
                 [](R& r) { r.Weapstyle = 0; }},
        ReadCase{"RenderTypeSeven", InBody("rendertype=7;"), [](R& r) { r.Weaprend = 7; }},
        ReadCase{"RenderTypeWithBlanksAndLeadingZero", InBody("rendertype= 0 7 ;"),
                 [](R& r) { r.Weaprend = 7; }},
        ReadCase{"RenderTypeEightKeptAsItsOwn", InBody("rendertype=8;"),
                 [](R& r) { r.own.Weaprend = "8"; }},
        ReadCase{"RenderTypeTwelveKeptAndStyleAfterItRead",
                 InBody("rendertype=12;\n\tlineofsight=1;"),
                 Sets({{&O::Weaprend, "12"}, {&R::Weapstyle, 1}})},
        ReadCase{"RenderTypeNegativeKeptAsItsOwn", InBody("rendertype=3;rendertype=-1;"),
                 Sets({{&R::Weaprend, 3}, {&O::Weaprend, "-1"}}),
                 Found({Repeated(3, "rendertype", "3")})},
        ReadCase{"RenderTypeHugeKeptAsItsOwn", InBody("rendertype=99999999999999999999;"),
                 [](R& r) { r.own.Weaprend = "99999999999999999999"; }}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    UnknownKeys, EntryTest,
    testing::Values(
        ReadCase{"SkippedAndReadingGoesOn", InBody("range=5;\n\tirrelevant=3;\n\treloadtime=2;"),
                 Sets({{&R::Weaprange, "5"}, {&R::Weapreload, "2"}}),
                 Found({Skipped(4, "irrelevant", "3")})},
        ReadCase{"NeverFeedsThePreviousKey", InBody("range=800;\nazimuth=7;"),
                 [](R& r) { r.Weaprange = "800"; }, Found({Skipped(4, "azimuth", "7")})},
        ReadCase{"KeyPrefixIsNotTheKey", InBody("rang=1;ranges=2;rangefinder=3;"), [](R&) {},
                 Found({Skipped(3, "rang", "1"), Skipped(3, "ranges", "2"),
                        Skipped(3, "rangefinder", "3")})},
        ReadCase{"BlanksInsideKeyMakeItUnknown", InBody("ran ge=1;\nmy\t\tkey = 2;"), [](R&) {},
                 Found({Skipped(3, "ran ge", "1"), Skipped(4, "my key", "2")})},
        ReadCase{"WaterSoundReported", InBody("soundwater=splash;soundhit=burn02;"),
                 [](R& r) { r.Weapsoht = 0; }, Found({Skipped(3, "soundwater", "splash")})},
        ReadCase{"TokenWithoutValueReported", InBody("lonely;\n;;range=1;"),
                 [](R& r) { r.Weaprange = "1"; }, Found({Skipped(3, "lonely")})},
        ReadCase{"EmptyKeyReported", InBody("=5;"), [](R&) {}, Found({Skipped(3, "", "5")})},
        ReadCase{"TokenBeforeClosingBrace", "[T]{range=1; stray }range=2;",
                 [](R& r) { r.Weaprange = "1"; },
                 Found({Skipped(1, "stray"), AfterWeapon(1, "range=2;")})},
        ReadCase{"TokenWithoutValueBeforeNextEntry", InBody("lonely\nrange=1;"),
                 [](R& r) { r.Weaprange = "1"; }, Found({Skipped(3, "lonely")})},
        ReadCase{"UnknownKeyWithBracesReadToItsSemicolon",
                 InBody("script={on hit};\n[DAMAGE]{default=5;}"), [](R& r) { r.Weapdamage = "5"; },
                 Found({Skipped(3, "script", "{onhit}")})},
        ReadCase{"DefaultOutsideDamageSection", InBody("default=5;"), [](R&) {},
                 Found({Skipped(3, "default", "5")})},
        ReadCase{"LongKeysQuotedToSixtyFourCharacters", InBody(k64 + " more=1;\n" + k64 + "k=2;"),
                 [](R&) {}, Found({Skipped(3, k64, "1"), Skipped(4, k64, "2")})},
        ReadCase{"LongUnknownValueKeptShort", InBody(std::string("x=").append(100, 'v') + ";"),
                 [](R&) {}, Found({Skipped(3, "x", std::string(44, 'v'))})}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Sections, EntryTest,
    testing::Values(
        ReadCase{"DamageDefault", InBody("[DAMAGE]\n{\ndefault=110;\n}"),
                 [](R& r) { r.Weapdamage = "110"; }},
        ReadCase{"DamageNameInAnyCase", InBody("[ Damage ]{DEFAULT=1;}"),
                 [](R& r) { r.Weapdamage = "1"; }},
        ReadCase{"OtherKeysInDamageSkipped", InBody("[DAMAGE]{default=5;\narmcom=3;range=4;}"),
                 [](R& r) { r.Weapdamage = "5"; },
                 Found({Skipped(4, "armcom", "3"), Skipped(4, "range", "4")})},
        ReadCase{"EntriesAfterDamageRead", InBody("[DAMAGE]{default=5;}\nrange=9;"),
                 Sets({{&R::Weapdamage, "5"}, {&R::Weaprange, "9"}})},
        ReadCase{"OtherSectionSkipped", InBody("[EXTRA]\n{range=3;}\nmetal=2;"),
                 [](R& r) { r.Weapmet = "2"; },
                 Found({{FindingKind::kUnknownSection, 3, "EXTRA", ""}, Skipped(4, "range", "3")})},
        ReadCase{"NestedBracesInDamageSkipped", InBody("[DAMAGE]{{default=3;}default=4;}"),
                 [](R& r) { r.Weapdamage = "4"; },
                 Found({{FindingKind::kUnknownSection, 3, "", ""}, Skipped(3, "default", "3")})},
        ReadCase{"EntryBeforeTheBraceEndsTheSectionName", InBody("[DAMAGE] range=1;\n{default=3;}"),
                 [](R& r) { r.Weaprange = "1"; },
                 Found({{FindingKind::kUnknownSection, 4, "", ""}, Skipped(4, "default", "3")})},
        ReadCase{"SectionWithoutBraceHasNoEntries", InBody("[DAMAGE]default=3;"), [](R&) {},
                 Found({Skipped(3, "default", "3")})},
        ReadCase{"SectionNameWithoutBracketBeforeLineEnd",
                 InBody("[DAMAGE\n{\ndefault=5;\n}\nrange=2;"),
                 Sets({{&R::Weapdamage, "5"}, {&R::Weaprange, "2"}}),
                 Found({UnclosedSection(3, "DAMAGE")})},
        ReadCase{"SectionNameWithoutBracketBeforeBrace", InBody("[EXTRA {x=1;}metal=2;"),
                 [](R& r) { r.Weapmet = "2"; },
                 Found({UnclosedSection(3, "EXTRA"), Skipped(3, "x", "1")})},
        ReadCase{"ReadingEndsWithBodyAndWhatFollowsIsReported",
                 "[T]{range=1;}\n// x\n\n  metal = 2;range=3;", [](R& r) { r.Weaprange = "1"; },
                 Found({AfterWeapon(4, "metal = 2;")})},
        ReadCase{"SecondWeaponIsAWeaponOfItsOwn", "[T]{range=1;}\n[TWIN2]\n{range=2;metal=3;}",
                 [](R& r) { r.Weaprange = "1"; }},
        ReadCase{"SecondHeaderBeforeAnyBodyBeginsTheNextWeapon", "[T]\n\n[U]{range=2;}", [](R&) {}},
        ReadCase{"BraceClosedTooEarlyReported",
                 InBody("range=1;\n}\nmetal=2;\n[DAMAGE]{default=1;}"),
                 [](R& r) { r.Weaprange = "1"; }, Found({AfterWeapon(5, "metal=2;")})},
        ReadCase{"EntriesBeforeBodyBraceRead", "[T]\nrange=1;\n{metal=2;}",
                 Sets({{&R::Weaprange, "1"}, {&R::Weapmet, "2"}})}),
    CaseName);

}  // namespace
}  // namespace kalvex::test
