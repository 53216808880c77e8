// Saving a weapon of a script in place: each case edits one weapon and names
// the whole text that the save must give.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "reader_test_support.h"
#include "script/script_document.h"
#include "script/script_merge.h"
#include "script/script_writer.h"
#include "test_support.h"

namespace kalvex {
namespace {

using namespace std::string_literals;
using R = WeaponRecord;

struct SaveCase {
  std::string name;
  std::string script;
  std::function<void(R&)> change;
  std::string saved;
  std::size_t weapon = 0;
};

void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }

std::string CaseName(const testing::TestParamInfo<SaveCase>& info) { return info.param.name; }

class SaveTest : public testing::TestWithParam<SaveCase> {};

TEST_P(SaveTest, EditsOnlyWhatChanged) {
  const SaveCase& c = GetParam();
  const ScriptDocument document = OpenScript(c.script);
  WeaponRecord record;
  ReadWeapon(document, c.weapon, record);
  c.change(record);
  const SavedText saved = SaveWeapon(document, c.weapon, record);
  ASSERT_TRUE(saved.ok()) << saved.refusal;
  EXPECT_EQ(saved.text, c.saved);

  // Read back, the weapon is the edited one, as far as a script carries it.
  WeaponRecord again;
  ReadWeapon(OpenScript(saved.text), c.weapon, again);
  WeaponRecord settled;
  ReadWeapon(OpenScript(SaveWeapon(document, c.weapon, again).text), c.weapon, settled);
  EXPECT_EQ(test::Differences(again, settled), "");
}

const std::string kGun =
    "[GUN]\r\n"
    "{\r\n"
    "\tname=Gun; // the name\r\n"
    "\trange=800;\r\n"
    "\treloadtime=0.367;\r\n"
    "\tshakeduration=1.5;\r\n"
    "\t[DAMAGE]\r\n"
    "\t{\r\n"
    "\t\tdefault=110;\r\n"
    "\t\theavytank=400;\r\n"
    "\t}\r\n"
    "}\r\n";

// `text` with `from` replaced by `to`.
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

std::string Gun(const std::string& from, const std::string& to) { return Replaced(kGun, from, to); }

INSTANTIATE_TEST_SUITE_P(
    Values, SaveTest,
    testing::Values(
        SaveCase{"NothingChangedKeepsEveryByte", kGun, [](R&) {}, kGun},
        SaveCase{"ValueReplacedInPlace", kGun, [](R& r) { r.Weaprange = "950"; },
                 Gun("range=800;", "range=950;")},
        SaveCase{"BlanksAndCommentAroundValueStay", Gun("range=800;", "range = 800 ; // far"),
                 [](R& r) { r.Weaprange = "1200"; }, Gun("range=800;", "range = 1200 ; // far")},
        SaveCase{"ValueWithoutSemicolonEndsBeforeComment", Gun("range=800;", "range=800 // far"),
                 [](R& r) { r.Weaprange = "5"; }, Gun("range=800;", "range=5 // far")},
        SaveCase{"NameKeepsItsComment", kGun, [](R& r) { r.Weapname = "Big Gun"; },
                 Gun("name=Gun;", "name=Big Gun;")},
        SaveCase{"DecimalsWrittenWhole", kGun, [](R& r) { r.Weapreload = "0.5"; },
                 Gun("0.367", "0.5")},
        SaveCase{"ZeroRemovesTheLine", kGun, [](R& r) { r.Weapreload = "0"; },
                 Gun("\treloadtime=0.367;\r\n", "")},
        SaveCase{"ResetTextRemovesTheLine", kGun, [](R& r) { r.Weapreload = kResetText; },
                 Gun("\treloadtime=0.367;\r\n", "")},
        SaveCase{"EntrySharingItsLineGoesAlone", Gun("range=800;", "range=800; metal=5;"),
                 [](R& r) { r.Weapmet = kResetText; }, kGun},
        SaveCase{"AddedAfterLastBodyEntryBeforeDamage", kGun, [](R& r) { r.Weapmet = "25"; },
                 Gun("\tshakeduration=1.5;\r\n", "\tshakeduration=1.5;\r\n\tmetal=25;\r\n")},
        SaveCase{"AddedInWriterOrderWithIndentAndLineEnd", "[A]\n{\n  range=1;\n}\n",
                 [](R& r) {
                   r.Weapmet = "3";
                   r.WeapID = "7";
                   r.Weaptur = 1;
                 },
                 "[A]\n{\n  range=1;\n  ID=7;\n  Turret=1;\n  metal=3;\n}\n"},
        SaveCase{"AddedToEmptyBodyAfterBraceLine", "[A]\r\n{\r\n}", [](R& r) { r.Weaprange = "5"; },
                 "[A]\r\n{\r\n\trange=5;\r\n}"},
        SaveCase{"AddedAfterEntryEndingTheFile", "[A]{range=1;", [](R& r) { r.Weapmet = "2"; },
                 "[A]{range=1;\r\nmetal=2;"},
        SaveCase{"CodeReplacedBetweenBrackets", kGun,
                 [](R& r) { r.Weapcode = "VORTEX_ROCKET_LAUNCHER_MK2"; },
                 Gun("[GUN]", "[VORTEX_ROCKET_LAUNCHER_MK2]")},
        SaveCase{"KeyGivenTwiceChangesTheLast", Gun("range=800;", "range=1;\r\n\trange=800;"),
                 [](R& r) { r.Weaprange = "9"; }, Gun("range=800;", "range=1;\r\n\trange=9;")},
        SaveCase{"KeyGivenTwiceRemovedEverywhere",
                 Gun("reloadtime=0.367;", "reloadtime=1;\r\n\treloadtime=0.367;"),
                 [](R& r) { r.Weapreload = kResetText; }, Gun("\treloadtime=0.367;\r\n", "")},
        SaveCase{"KeyCaseKept", Gun("range=800;", "RANGE=800;"), [](R& r) { r.Weaprange = "7"; },
                 Gun("range=800;", "RANGE=7;")}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Fields, SaveTest,
    testing::Values(
        SaveCase{"FlagSetReplacesZero", Gun("range=800;", "tracks=0;"),
                 [](R& r) { r.Weaptrak = 1; }, Gun("range=800;", "tracks=1;")},
        SaveCase{"FlagClearedRemovesEntry", Gun("range=800;", "range=800; tracks=1;"),
                 [](R& r) { r.Weaptrak = 0; }, kGun},
        SaveCase{"StyleRenamesItsKey", Gun("range=800;", "range=800;\r\n\tBallistic=1;"),
                 [](R& r) { r.Weapstyle = 2; }, Gun("range=800;", "range=800;\r\n\tdropped=1;")},
        SaveCase{"StyleSkipsZeroEntryWithNul",
                 "[A]\r\n{\r\n\tlineofsight=1;\r\n\tballistic=0\0000;\r\n\trange=5;\r\n}\r\n"s,
                 [](R& r) { r.Weapstyle = 2; },
                 "[A]\r\n{\r\n\tdropped=1;\r\n\tballistic=0\0000;\r\n\trange=5;\r\n}\r\n"s},
        SaveCase{"NoStyleAddsNothing", kGun, [](R& r) { r.Weapname = "X"; },
                 Gun("name=Gun;", "name=X;")},
        SaveCase{"StyleAddedWhereNone", kGun, [](R& r) { r.Weapstyle = 1; },
                 Gun("\tshakeduration=1.5;\r\n", "\tshakeduration=1.5;\r\n\tlineofsight=1;\r\n")},
        SaveCase{"NoStyleRemovesStyleEntries",
                 Gun("range=800;", "range=800;\r\n\tballistic=0;\r\n\tdropped=1;"),
                 [](R& r) { r.Weapstyle = kNoEntry; },
                 Gun("range=800;", "range=800;\r\n\tballistic=0;")},
        SaveCase{"ColourPairChangedTogether", Gun("range=800;", "color=232;\r\n\tcolor2=234;"),
                 [](R& r) { r.Weapcol2 = 3; }, Gun("range=800;", "color=144;\r\n\tcolor2=217;")},
        SaveCase{"OwnColourReplacedByAPairOfTheList", Gun("range=800;", "color=3;"),
                 [](R& r) {
                   r.own.Weapcol2.clear();
                   r.Weapcol2 = 0;
                 },
                 Gun("range=800;\r\n\treloadtime=0.367;\r\n\tshakeduration=1.5;\r\n",
                     "color=232;\r\n\treloadtime=0.367;\r\n\tshakeduration=1.5;\r\n"
                     "\tcolor2=234;\r\n")},
        SaveCase{"OwnColourPairWritten", Gun("range=800;", "color=232;\r\n\tcolor2=234;"),
                 [](R& r) { r.own.Weapcol2 = "3 / 7"; },
                 Gun("range=800;", "color=3;\r\n\tcolor2=7;")},
        SaveCase{"OwnColourWithoutSecondRemovesIt",
                 Gun("range=800;", "color=232;\r\n\tcolor2=234;"),
                 [](R& r) { r.own.Weapcol2 = "3"; }, Gun("range=800;", "color=3;")},
        SaveCase{"OwnBarrelAngleWritten", Gun("range=800;", "minbarrelangle=-5;"),
                 [](R& r) { r.own.Weapbarr = "-55"; }, Gun("range=800;", "minbarrelangle=-55;")},
        SaveCase{"BarrelAnglePickedForOwnOne", Gun("range=800;", "minbarrelangle=-55;"),
                 [](R& r) {
                   r.own.Weapbarr.clear();
                   r.Weapbarr = 3;
                 },
                 Gun("range=800;", "minbarrelangle=-10;")},
        SaveCase{"OwnRenderTypeKeptWhenOtherFieldChanges", Gun("range=800;", "rendertype=9;"),
                 [](R& r) { r.Weapname = "X"; },
                 Replaced(Gun("range=800;", "rendertype=9;"), "Gun;", "X;")},
        SaveCase{"RenderTypeAddedWherePicked", kGun, [](R& r) { r.Weaprend = 2; },
                 Gun("\tshakeduration=1.5;\r\n", "\tshakeduration=1.5;\r\n\trendertype=2;\r\n")},
        SaveCase{"RenderTypeOfNoEntryRemoved", Gun("range=800;", "range=800; rendertype=3;"),
                 [](R& r) { r.Weaprend = kNoEntry; }, kGun},
        SaveCase{"ExplosionAddedWherePicked", kGun, [](R& r) { r.Weapexgaf = 0; },
                 Gun("\tshakeduration=1.5;\r\n", "\tshakeduration=1.5;\r\n\texplosiongaf=fx;\r\n")},
        SaveCase{"ExplosionOfNoEntryRemoved", Gun("range=800;", "range=800; explosionart=h2o;"),
                 [](R& r) { r.Weapexart = kNoEntry; }, kGun},
        SaveCase{"NoneSoundRemovesItsEntry", Gun("range=800;", "range=800; soundstart=rocklit1;"),
                 [](R& r) { r.Weapsost = 31; }, kGun},
        SaveCase{"NoneModelRemovesItsEntry", Gun("range=800;", "range=800; model=bomb;"),
                 [](R& r) { r.Weapmodl = 14; }, kGun},
        SaveCase{"OwnSoundKeptWhenOtherFieldChanges", Gun("range=800;", "soundstart=vortexfire;"),
                 [](R& r) { r.Weapname = "X"; },
                 Replaced(Gun("range=800;", "soundstart=vortexfire;"), "Gun;", "X;")},
        SaveCase{"ListSoundReplacesOwnSound", Gun("range=800;", "soundstart=vortexfire;"),
                 [](R& r) {
                   r.own.Weapsost.clear();
                   r.Weapsost = 24;
                 },
                 Gun("range=800;", "soundstart=rocklit1;")},
        SaveCase{"OwnExplosionWrittenWithoutItsSemicolon",
                 Gun("range=800;", "explosionart=explode3;"),
                 [](R& r) { r.own.Weapexart = "vortexboom"; },
                 Gun("range=800;", "explosionart=vortexboom;")},
        SaveCase{"OldSpellingsWrittenInLetters",
                 Gun("range=800;", "waterexplosionart=h20boom1;soundstart=BOMBRE1;"), [](R&) {},
                 Gun("range=800;", "waterexplosionart=h2oboom1;soundstart=bombrel;")},
        SaveCase{"TurnRateWrittenWithoutGuidance", kGun, [](R& r) { r.Weapturn = "12000"; },
                 Gun("\tshakeduration=1.5;\r\n", "\tshakeduration=1.5;\r\n\tturnrate=12000;\r\n")},
        SaveCase{"ModelBesideBeamKeptUnchanged", Gun("range=800;", "beamweapon=1;model=bomb;"),
                 [](R& r) { r.Weapbeam = 0; }, Gun("range=800;", "model=bomb;")},
        SaveCase{"DamageInPlacePerTargetKept", kGun, [](R& r) { r.Weapdamage = "250"; },
                 Gun("default=110;", "default=250;")},
        SaveCase{"DamageAddedFirstInSection", Gun("\t\tdefault=110;\r\n", ""),
                 [](R& r) { r.Weapdamage = "60"; },
                 Gun("\t\tdefault=110;\r\n", "\t\tdefault=60;\r\n")},
        SaveCase{"DamageSectionAddedBeforeClosingBrace", "[A]\n{\n\trange=1;\n}\n",
                 [](R& r) { r.Weapdamage = "5"; },
                 "[A]\n{\n\trange=1;\n\t[DAMAGE]\n\t\t{\n\t\tdefault=5;\n\t\t}\n}\n"},
        SaveCase{"SecondWeaponEditedFirstKept",
                 "[A]\n{\n\trange=1;\n}\n// between\n[B]\n{\n\trange=2;\n}\n",
                 [](R& r) { r.Weaprange = "3"; },
                 "[A]\n{\n\trange=1;\n}\n// between\n[B]\n{\n\trange=3;\n}\n", 1}),
    CaseName);

// A change that would break the script, or, where the braces of a weapon are
// out of order, would not read back or would swallow the weapon after it: the
// save refuses.
TEST(DocumentSave, RefusesWhatWouldBreakTheScript) {
  struct Case {
    std::string script;
    std::function<void(R&)> change;
    std::string named = {};  // what the refusal names
  };
  const Case kCases[] = {
      {kGun, [](R& r) { r.Weaprange = "8;9"; }},
      {kGun, [](R& r) { r.Weapname = "A\nB"; }},
      {kGun, [](R& r) { r.Weapcode = "A]B"; }},
      {kGun, [](R& r) { r.own.Weapsost = "x;y"; }},
      {kGun, [](R& r) { r.own.Weapsost = "my sound"; }, "\"soundstart\""},
      {"[A]\n{\n{x=1;\nrange=1;", [](R& r) { r.Weapdamage = "5"; }},
      {"[A]\n= 1 /* x\n[B]{range=1;}\n*/", [](R& r) { r.Weaptrak = 1; }},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.script);
    const ScriptDocument document = OpenScript(c.script);
    WeaponRecord record;
    ReadWeapon(document, 0, record);
    c.change(record);
    const SavedText saved = SaveWeapon(document, 0, record);
    EXPECT_FALSE(saved.ok());
    EXPECT_NE(saved.refusal.find(c.named), std::string::npos) << saved.refusal;
    EXPECT_EQ(saved.text, "");
  }
  EXPECT_FALSE(SaveWeapon(OpenScript(kGun), 1, WeaponRecord()).ok());
}

TEST(DocumentSave, AppendAddsTheWriterScriptInTheFileLineEnds) {
  WeaponRecord record;
  record.Weapcode = "NEW";
  const std::string written = WriteScript(record);
  std::string lf = written;
  for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;) lf.erase(at, 1);
  EXPECT_EQ(AppendWeapon(OpenScript("[A]\n{\n}"), record), "[A]\n{\n}\n" + lf);
  EXPECT_EQ(AppendWeapon(OpenScript("[A]\r\n{}\r\n"), record), "[A]\r\n{}\r\n" + written);
  const ScriptDocument appended = OpenScript(AppendWeapon(OpenScript("[A]\n{\n}"), record));
  ASSERT_EQ(appended.weapons.size(), 2u);
  WeaponRecord read;
  ReadWeapon(appended, 1, read);
  EXPECT_EQ(read.Weapcode, "NEW");
}

// A weapon of a script added to another: its own text with the edit, from
// its "[" to the end of its closing "}" line, in the other's line ends.
TEST(DocumentSave, AddCarriesTheWeaponsOwnText) {
  const std::string source =
      "// guns\r\n" + Gun("}\r\n}\r\n", "}\r\n} // the gun\r\n") + "[NEXT]\r\n{\r\n}\r\n";
  const ScriptDocument from = OpenScript(source);
  WeaponRecord record;
  ReadWeapon(from, 0, record);
  record.Weapdamage = "250";
  std::string gun = Gun("default=110;", "default=250;");
  gun.replace(gun.rfind("}\r\n"), 3, "} // the gun\r\n");
  std::string lf = gun;
  std::erase(lf, '\r');
  const struct {
    const char* name;
    std::string target;
    std::string added;  // empty: refused
  } kCases[] = {
      {"LF, no line end at the end", "[A]\n{\n}", "[A]\n{\n}\n" + lf},
      {"CR LF", "[A]\r\n{}\r\n", "[A]\r\n{}\r\n" + gun},
      {"the end is an open comment", "[A]{}\n/* to be done", ""},
      {"the end is an open body", "[A]\n{\nrange=1;", ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const SavedText added = AppendWeaponFrom(OpenScript(c.target), from, 0, record);
    EXPECT_EQ(added.ok(), !c.added.empty()) << added.refusal;
    EXPECT_EQ(added.text, c.added);
  }
}

// A copy follows the weapon's own text on lines of its own; removing it
// gives back every byte of the script. Refused where what follows would take
// the copy in, or where the weapons around would read otherwise.
TEST(DocumentSave, ACopyRemovedGivesBackTheScript) {
  const struct {
    const char* name;
    std::string script;
    std::size_t index;
    std::string copied;  // empty: refused
  } kCases[] = {
      {"between weapons, a comment after", "[A]\r\n{\r\n}\r\n// a\r\n[B]{}", 0,
       "[A]\r\n{\r\n}\r\n[C]\r\n{\r\n}\r\n// a\r\n[B]{}"},
      {"the last, no line end at the end", "[A]\n{\n}\n[B]\n{ID=2;}", 1,
       "[A]\n{\n}\n[B]\n{ID=2;}\n[C]\n{ID=2;}"},
      {"the next weapon on the same line", "[A]{} [B]{}\n", 0, "[A]{} \n[C]{} [B]{}\n"},
      {"a body left open", "[A]\n{\nrange=1;\n[B]{}", 0, ""},
      {"the header alone", "[A]", 0, "[A]\r\n[C]"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const ScriptDocument document = OpenScript(c.script);
    WeaponRecord copy;
    ReadWeapon(document, c.index, copy);
    copy.Weapcode = "C";
    const SavedText copied = CopyWeapon(document, c.index, copy);
    EXPECT_EQ(copied.ok(), !c.copied.empty()) << copied.refusal;
    EXPECT_EQ(copied.text, c.copied);
    if (!copied.ok()) continue;
    const SavedText removed = RemoveWeapon(OpenScript(copied.text), c.index + 1);
    EXPECT_TRUE(removed.ok()) << removed.refusal;
    EXPECT_EQ(removed.text, c.script);
  }
}

// Merged onto the file as another program changed it, the user's changes
// are written by the in-place rules; what both changed otherwise is listed
// and, with the user's side first, written as the user has it.
TEST(DocumentSave, MergeWritesTheUsersChangesOntoTheFile) {
  const std::string base =
      "[A]\r\n{\r\n\tID=1;\r\n\trange=100;\r\n\timpulsefactor=0.1;\r\n}\r\n"
      "[B]\r\n{\r\n\tID=2;\r\n\trange=200;\r\n\t[DAMAGE]\r\n\t{\r\n\tdefault=20;\r\n\t}\r\n}\r\n"
      "[C]\r\n{\r\n\tID=3;\r\n\trange=300;\r\n}\r\n";
  const auto with = [&](std::initializer_list<std::pair<std::string, std::string>> changes) {
    std::string text = base;
    for (const auto& [from, to] : changes) {
      const std::size_t at = text.find(from);
      EXPECT_NE(at, std::string::npos) << from;
      if (at != std::string::npos) text.replace(at, from.size(), to);
    }
    return text;
  };
  const std::string b_weapon =
      "[B]\r\n{\r\n\tID=2;\r\n\trange=200;\r\n\t[DAMAGE]\r\n\t{\r\n\tdefault=20;\r\n\t}\r\n}\r\n";
  const struct {
    const char* name;
    std::string mine;
    std::string disk;
    std::string merged;                  // with the file's side of each conflict
    std::vector<std::string> conflicts;  // "code what mine theirs"
    std::string mine_first = "";         // with the user's side; empty: as `merged`
  } kCases[] = {
      {"changes to other weapons",
       with({{"range=200;", "range=250;"}}),
       with({{"range=300;", "range=350;"}}),
       with({{"range=200;", "range=250;"}, {"range=300;", "range=350;"}}),
       {}},
      {"the same value both ways",
       with({{"range=200;", "range=250;"}}),
       with({{"range=200;", "range=250;"}}),
       with({{"range=200;", "range=250;"}}),
       {}},
      {"one field changed both ways",
       with({{"range=200;", "range=250;"}}),
       with({{"range=200;", "range=260;"}, {"range=100;", "range=110;"}}),
       with({{"range=200;", "range=260;"}, {"range=100;", "range=110;"}}),
       {"B range 250 260"},
       with({{"range=200;", "range=250;"}, {"range=100;", "range=110;"}})},
      {"entries without a field, in the body and in [DAMAGE]",
       with({{"impulsefactor=0.1;", "impulsefactor=0.5;"},
             {"default=20;\r\n", "default=20;\r\n\tarmor_heavy=400;\r\n"}}),
       with({{"range=300;", "range=350;"}}),
       with({{"impulsefactor=0.1;", "impulsefactor=0.5;"},
             {"default=20;\r\n", "default=20;\r\n\tarmor_heavy=400;\r\n"},
             {"range=300;", "range=350;"}}),
       {}},
      {"an entry removed, changed on disk",
       with({{"\timpulsefactor=0.1;\r\n", ""}}),
       with({{"impulsefactor=0.1;", "impulsefactor=0.2;"}}),
       with({{"impulsefactor=0.1;", "impulsefactor=0.2;"}}),
       {"A impulsefactor no entry 0.2"},
       with({{"\timpulsefactor=0.1;\r\n", ""}})},
      {"a weapon deleted, unchanged on disk",
       with({{b_weapon, ""}}),
       with({{"range=300;", "range=350;"}}),
       with({{b_weapon, ""}, {"range=300;", "range=350;"}}),
       {}},
      {"a weapon deleted, changed on disk",
       with({{b_weapon, ""}}),
       with({{"range=200;", "range=260;"}}),
       with({{"range=200;", "range=260;"}}),
       {"B weapon deleted changed"},
       with({{b_weapon, ""}})},
      {"a weapon changed, deleted on disk",
       with({{"range=200;", "range=250;"}}),
       with({{b_weapon, ""}}),
       with({{b_weapon, ""}}),
       {"B weapon changed deleted"},
       with({{"range=200;", "range=250;"}})},
      {"a weapon added after another, a change on disk",
       with({{"[B]", "[A_2]\r\n{\r\n\tID=4;\r\n}\r\n[B]"}}),
       with({{"range=300;", "range=350;"}}),
       with({{"[B]", "[A_2]\r\n{\r\n\tID=4;\r\n}\r\n[B]"}, {"range=300;", "range=350;"}}),
       {}},
      {"a weapon added after one deleted on disk",
       with({{"[C]", "[B_2]\r\n{\r\n\tID=4;\r\n}\r\n[C]"}}),
       with({{b_weapon, ""}}),
       with({{b_weapon, ""}}) + "[B_2]\r\n{\r\n\tID=4;\r\n}\r\n",
       {}},
      {"weapons added on disk",
       with({{"range=100;", "range=110;"}}),
       base + "[D]\r\n{\r\n}\r\n",
       with({{"range=100;", "range=110;"}}) + "[D]\r\n{\r\n}\r\n",
       {}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    for (const bool mine_first : {false, true}) {
      const MergedScript merged =
          MergeScripts(OpenScript(base), OpenScript(c.mine), OpenScript(c.disk), mine_first);
      ASSERT_TRUE(merged.ok()) << merged.refusal;
      EXPECT_EQ(merged.text, mine_first && !c.mine_first.empty() ? c.mine_first : c.merged)
          << "mine first: " << mine_first;
      std::vector<std::string> conflicts;
      for (const MergeConflict& conflict : merged.conflicts) {
        conflicts.push_back(conflict.code + " " + conflict.what + " " + conflict.mine + " " +
                            conflict.theirs);
      }
      EXPECT_EQ(conflicts, c.conflicts);
    }
  }
}

TEST(DocumentOpen, ListsEveryWeaponWithItsLine) {
  const ScriptDocument document = OpenScript(
      "// weapons\n[A]{ID=1;name=First;}\n\n[ LONG CODE OF A MOD ]\n{name=Second; ID=2 ;}\n[C]{}");
  const std::vector<WeaponChoice> weapons = ListWeapons(document);
  ASSERT_EQ(weapons.size(), 3u);
  EXPECT_EQ(weapons[0].code, "A");
  EXPECT_EQ(weapons[0].name, "First");
  EXPECT_EQ(weapons[0].id, "1");
  EXPECT_EQ(weapons[0].line, 2u);
  EXPECT_EQ(weapons[1].code, "LONG CODE OF A MOD");
  EXPECT_EQ(weapons[1].id, "2");
  EXPECT_EQ(weapons[1].line, 4u);
  EXPECT_EQ(weapons[2].name, "");
  EXPECT_EQ(document.line_end, "\n");
}

}  // namespace
}  // namespace kalvex
