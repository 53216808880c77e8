// Entries of a weapon's body: text values, flags, style, render type, unknown
// keys, overlong values and the damage section.
#include <gtest/gtest.h>

#include "reader_test_support.h"
#include "script/script_reader.h"
#include "script/script_writer.h"
#include "test_support.h"

namespace kalvex {
namespace {

using test::InBody;
using test::ReadCase;
using test::Skipped;
using test::Unmatched;
using R = WeaponRecord;

const std::string k44(44, '4');
const std::string k64(64, 'k');

class EntryTest : public testing::TestWithParam<ReadCase> {};

TEST_P(EntryTest, ReadsAsExpected) { test::ExpectCase(GetParam()); }

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
                 [](R& r) {
                   r.Weaprange = "123456789";
                   r.Weapreload = "3";
                 }},
        ReadCase{"TenDigitsWholeAndNextKeyRead", InBody("range=1234567890;reloadtime=3;"),
                 [](R& r) {
                   r.Weaprange = "1234567890";
                   r.Weapreload = "3";
                 }},
        ReadCase{"FortyFourCharactersWhole", InBody("metal=" + k44 + ";"),
                 [](R& r) { r.Weapmet = k44; }},
        ReadCase{"LongerValueWhole", InBody("metal=" + k44 + "5 6 7 8 9;\nenergy=2;"),
                 [](R& r) {
                   r.Weapmet = k44 + "56789";
                   r.Weapenr = "2";
                 }},
        ReadCase{"ValueRunsOverClosingBraceToItsSemicolon",
                 "[T]{range=800}range=5;",
                 [](R& r) { r.Weaprange = "800}range=5"; },
                 {test::NotANumber(1, "range", "800}range=5")}},
        ReadCase{"BraceInsideValueReadAndEntriesAfterIt",
                 InBody("range=8}00;\ntracks=1;\nID=5;"),
                 [](R& r) {
                   r.Weaprange = "8}00";
                   r.Weaptrak = 1;
                   r.WeapID = "5";
                 },
                 {test::NotANumber(3, "range", "8}00")}},
        ReadCase{"MissingSemicolonBeforeNextEntry",
                 InBody("\trange=800\r\n\treloadtime=3;"),
                 [](R& r) {
                   r.Weaprange = "800";
                   r.Weapreload = "3";
                 },
                 {test::MissingSemicolon(3, "range", "800")}},
        ReadCase{"MissingSemicolonOfUnknownKeyAndOfName",
                 InBody("script=x\n name = Gun  \n\n  Metal =1\nTurret=1"),
                 [](R& r) {
                   r.Weapname = "Gun";
                   r.Weapmet = "1";
                   r.Weaptur = 1;
                 },
                 {Skipped(3, "script", "x"), test::MissingSemicolon(3, "script", "x"),
                  test::MissingSemicolon(4, "name", "Gun"), test::MissingSemicolon(6, "Metal", "1"),
                  test::MissingSemicolon(7, "Turret", "1")}},
        ReadCase{
            "MissingSemicolonBeforeBraceAndSection",
            InBody("metal=2\n[DAMAGE]{default=5\n}\nenergy=1"),
            [](R& r) {
              r.Weapmet = "2";
              r.Weapdamage = "5";
              r.Weapenr = "1";
            },
            {test::MissingSemicolon(3, "metal", "2"), test::MissingSemicolon(4, "default", "5"),
             test::MissingSemicolon(6, "energy", "1")}},
        ReadCase{"MissingSemicolonBeforeComment",
                 InBody("metal=2\n// x\nenergy=1;"),
                 [](R& r) {
                   r.Weapmet = "2";
                   r.Weapenr = "1";
                 },
                 {test::MissingSemicolon(3, "metal", "2")}},
        ReadCase{"ValueGoesOnOverLinesThatBeginNoEntry", InBody("name=Big\nGun 2\n= x;"),
                 [](R& r) { r.Weapname = "BigGun 2= x"; }},
        ReadCase{"ValueWithoutSemicolonAtEnd", "[T]{\nrange=8 0", [](R& r) { r.Weaprange = "80"; }},
        ReadCase{"LastValueOfRepeatedKeyKept",
                 InBody("range=1;range=2;"),
                 [](R& r) { r.Weaprange = "2"; },
                 {test::Repeated(3, "range", "1")}},
        ReadCase{"EveryTextKey",
                 InBody("accuracy=1;aimrate=2;areaofeffect=3;burst=4;burstrate=5;coverage=6;"
                        "edgeeffectiveness=7;energy=8;energypershot=9;firestarter=10;"
                        "flighttime=11;metal=12;randomdecay=13;range=14;reloadtime=15;"
                        "smokedelay=16;sprayangle=17;startvelocity=18;tolerance=19;"
                        "turnrate=20;weaponacceleration=21;weapontimer=22;weaponvelocity=23;"
                        "[DAMAGE]{default=24;}"),
                 [](R& r) {
                   r.Weapaccu = "1";
                   r.Weaprate = "2";
                   r.Weapefft = "3";
                   r.Weapbrst = "4";
                   r.Weapbsta = "5";
                   r.Weapcovg = "6";
                   r.Weapeftn = "7";
                   r.Weapenr = "8";
                   r.Weapenps = "9";
                   r.Weapfire = "10";
                   r.Weapfght = "11";
                   r.Weapmet = "12";
                   r.Weaprand = "13";
                   r.Weaprange = "14";
                   r.Weapreload = "15";
                   r.Weapsmdl = "16";
                   r.Weapspry = "17";
                   r.Weapstsp = "18";
                   r.Weaptolr = "19";
                   r.Weapturn = "20";
                   r.Weapaccl = "21";
                   r.Weaptime = "22";
                   r.Weapspeed = "23";
                   r.Weapdamage = "24";
                 }},
        ReadCase{"TwoPointsNeitherNumberNorZero",
                 InBody("range=0.0.0;endsmoke=0.0.0;"),
                 [](R& r) {
                   r.Weaprange = "0.0.0";
                   r.Weapsmed = 1;
                 },
                 {test::NotANumber(3, "range", "0.0.0")}},
        ReadCase{"StoredCharactersKeepTheirCase",
                 InBody("smokedelay=.1E3;"),
                 [](R& r) { r.Weapsmdl = ".1E3"; },
                 {test::NotANumber(3, "smokedelay", ".1E3")}}),
    test::CaseName);

INSTANTIATE_TEST_SUITE_P(
    FlagsStyleRenderType, EntryTest,
    testing::Values(
        ReadCase{"FlagOne", InBody("noautorange=1;noexplode=1;paralyzer=1;propeller=1;"),
                 [](R& r) { r.Weapauto = r.Weapxpld = r.Weapparl = r.Weapprop = 1; }},
        ReadCase{"FlagZeroClears",
                 InBody("burnblow=1;\nburnblow=0;"),
                 [](R& r) { r.Weapblow = 0; },
                 {test::Repeated(3, "burnblow", "1")}},
        ReadCase{"FlagZeroWrittenOtherwise",
                 InBody("burnblow=1;burnblow= 0.0 ;tracks=1;tracks=00;"),
                 [](R& r) { r.Weapblow = r.Weaptrak = 0; },
                 {test::Repeated(3, "burnblow", "1"), test::Repeated(3, "tracks", "1")}},
        ReadCase{"FlagOtherValuesSet", InBody("burnblow=2;tracks=yes;guidance=0.5;unitsonly=;"),
                 [](R& r) { r.Weapblow = r.Weaptrak = r.Weapguid = r.Weapunit = 1; }},
        ReadCase{"FlagJudgedOnAllItsCharacters",
                 InBody("guidance=1;guidance=" + std::string(60, '0') + ";tracks=" +
                        std::string(60, '0') + "1;lineofsight=" + std::string(60, '0') + ";"),
                 [](R& r) { r.Weaptrak = 1; },
                 {test::Repeated(3, "guidance", "1")}},
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
        ReadCase{"RenderTypeEightLeft",
                 InBody("rendertype=8;"),
                 [](R&) {},
                 {Unmatched(3, "rendertype", "8")}},
        ReadCase{"RenderTypeTwelveLeftAndStyleAfterItRead",
                 InBody("rendertype=12;\n\tlineofsight=1;"),
                 [](R& r) { r.Weapstyle = 1; },
                 {Unmatched(3, "rendertype", "12")}},
        ReadCase{"RenderTypeNegativeLeft",
                 InBody("rendertype=3;rendertype=-1;"),
                 [](R& r) { r.Weaprend = 3; },
                 {test::Repeated(3, "rendertype", "3"), Unmatched(3, "rendertype", "-1")}},
        ReadCase{"RenderTypeHugeLeft",
                 InBody("rendertype=99999999999999999999;"),
                 [](R&) {},
                 {Unmatched(3, "rendertype", "99999999999999999999")}}),
    test::CaseName);

INSTANTIATE_TEST_SUITE_P(
    UnknownKeys, EntryTest,
    testing::Values(ReadCase{"SkippedAndReadingGoesOn",
                             InBody("range=5;\n\tirrelevant=3;\n\treloadtime=2;"),
                             [](R& r) {
                               r.Weaprange = "5";
                               r.Weapreload = "2";
                             },
                             {Skipped(4, "irrelevant", "3")}},
                    ReadCase{"NeverFeedsThePreviousKey",
                             InBody("range=800;\nazimuth=7;"),
                             [](R& r) { r.Weaprange = "800"; },
                             {Skipped(4, "azimuth", "7")}},
                    ReadCase{"KeyPrefixIsNotTheKey",
                             InBody("rang=1;ranges=2;rangefinder=3;"),
                             [](R&) {},
                             {Skipped(3, "rang", "1"), Skipped(3, "ranges", "2"),
                              Skipped(3, "rangefinder", "3")}},
                    ReadCase{"BlanksInsideKeyMakeItUnknown",
                             InBody("ran ge=1;\nmy\t\tkey = 2;"),
                             [](R&) {},
                             {Skipped(3, "ran ge", "1"), Skipped(4, "my key", "2")}},
                    ReadCase{"WaterSoundReported",
                             InBody("soundwater=splash;soundhit=burn02;"),
                             [](R& r) { r.Weapsoht = 0; },
                             {Skipped(3, "soundwater", "splash")}},
                    ReadCase{"TokenWithoutValueReported",
                             InBody("lonely;\n;;range=1;"),
                             [](R& r) { r.Weaprange = "1"; },
                             {Skipped(3, "lonely")}},
                    ReadCase{"EmptyKeyReported", InBody("=5;"), [](R&) {}, {Skipped(3, "", "5")}},
                    ReadCase{"TokenBeforeClosingBrace",
                             "[T]{range=1; stray }range=2;",
                             [](R& r) { r.Weaprange = "1"; },
                             {Skipped(1, "stray"), test::AfterWeapon(1, "range=2;")}},
                    ReadCase{"TokenWithoutValueBeforeNextEntry",
                             InBody("lonely\nrange=1;"),
                             [](R& r) { r.Weaprange = "1"; },
                             {Skipped(3, "lonely")}},
                    ReadCase{"UnknownKeyWithBracesReadToItsSemicolon",
                             InBody("script={on hit};\n[DAMAGE]{default=5;}"),
                             [](R& r) { r.Weapdamage = "5"; },
                             {Skipped(3, "script", "{onhit}")}},
                    ReadCase{"DefaultOutsideDamageSection",
                             InBody("default=5;"),
                             [](R&) {},
                             {Skipped(3, "default", "5")}},
                    ReadCase{"LongKeysQuotedToSixtyFourCharacters",
                             InBody(k64 + " more=1;\n" + k64 + "k=2;"),
                             [](R&) {},
                             {Skipped(3, k64, "1"), Skipped(4, k64, "2")}},
                    ReadCase{"LongUnknownValueKeptShort",
                             InBody(std::string("x=").append(100, 'v') + ";"),
                             [](R&) {},
                             {Skipped(3, "x", std::string(44, 'v'))}}),
    test::CaseName);

INSTANTIATE_TEST_SUITE_P(
    Sections, EntryTest,
    testing::Values(
        ReadCase{"DamageDefault", InBody("[DAMAGE]\n{\ndefault=110;\n}"),
                 [](R& r) { r.Weapdamage = "110"; }},
        ReadCase{"DamageNameInAnyCase", InBody("[ Damage ]{DEFAULT=1;}"),
                 [](R& r) { r.Weapdamage = "1"; }},
        ReadCase{"OtherKeysInDamageSkipped",
                 InBody("[DAMAGE]{default=5;\narmcom=3;range=4;}"),
                 [](R& r) { r.Weapdamage = "5"; },
                 {Skipped(4, "armcom", "3"), Skipped(4, "range", "4")}},
        ReadCase{"EntriesAfterDamageRead", InBody("[DAMAGE]{default=5;}\nrange=9;"),
                 [](R& r) {
                   r.Weapdamage = "5";
                   r.Weaprange = "9";
                 }},
        ReadCase{"OtherSectionSkipped",
                 InBody("[EXTRA]\n{range=3;}\nmetal=2;"),
                 [](R& r) { r.Weapmet = "2"; },
                 {{FindingKind::kUnknownSection, 3, "EXTRA", ""}, Skipped(4, "range", "3")}},
        ReadCase{"NestedBracesInDamageSkipped",
                 InBody("[DAMAGE]{{default=3;}default=4;}"),
                 [](R& r) { r.Weapdamage = "4"; },
                 {{FindingKind::kUnknownSection, 3, "", ""}, Skipped(3, "default", "3")}},
        ReadCase{"EntryBeforeTheBraceEndsTheSectionName",
                 InBody("[DAMAGE] range=1;\n{default=3;}"),
                 [](R& r) { r.Weaprange = "1"; },
                 {{FindingKind::kUnknownSection, 4, "", ""}, Skipped(4, "default", "3")}},
        ReadCase{"SectionWithoutBraceHasNoEntries",
                 InBody("[DAMAGE]default=3;"),
                 [](R&) {},
                 {Skipped(3, "default", "3")}},
        ReadCase{"SectionNameWithoutBracketBeforeLineEnd",
                 InBody("[DAMAGE\n{\ndefault=5;\n}\nrange=2;"),
                 [](R& r) {
                   r.Weapdamage = "5";
                   r.Weaprange = "2";
                 },
                 {test::UnclosedSection(3, "DAMAGE")}},
        ReadCase{"SectionNameWithoutBracketBeforeBrace",
                 InBody("[EXTRA {x=1;}metal=2;"),
                 [](R& r) { r.Weapmet = "2"; },
                 {test::UnclosedSection(3, "EXTRA"), Skipped(3, "x", "1")}},
        ReadCase{"ReadingEndsWithBodyAndWhatFollowsIsReported",
                 "[T]{range=1;}\n// x\n\n  metal = 2;range=3;",
                 [](R& r) { r.Weaprange = "1"; },
                 {test::AfterWeapon(4, "metal = 2;")}},
        ReadCase{"SecondWeaponIsAWeaponOfItsOwn", "[T]{range=1;}\n[TWIN2]\n{range=2;metal=3;}",
                 [](R& r) { r.Weaprange = "1"; }},
        ReadCase{"SecondHeaderBeforeAnyBodyBeginsTheNextWeapon", "[T]\n\n[U]{range=2;}", [](R&) {}},
        ReadCase{"BraceClosedTooEarlyReported",
                 InBody("range=1;\n}\nmetal=2;\n[DAMAGE]{default=1;}"),
                 [](R& r) { r.Weaprange = "1"; },
                 {test::AfterWeapon(5, "metal=2;")}},
        ReadCase{"EntriesBeforeBodyBraceRead", "[T]\nrange=1;\n{metal=2;}",
                 [](R& r) {
                   r.Weaprange = "1";
                   r.Weapmet = "2";
                 }}),
    test::CaseName);

}  // namespace
}  // namespace kalvex
