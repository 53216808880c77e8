// Over seeded random scripts of several weapons, as modders write them
// (entries in any order and letter case, comments on their own lines and
// after entries, entries without a field, per-target damage, decimals, CR LF
// or LF): saving any weapon unchanged gives the same bytes; changing one
// field changes only that entry's line, or adds or removes one line; and the
// saved text reads back as the edited weapon, every other weapon as before;
// and so for several weapons edited at once, with entries set, added and
// removed, and a weapon copied and deleted again.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "reader_test_support.h"
#include "script/script_document.h"
#include "script/weapon_sections.h"
#include "script/weapons_alone.h"
#include "tests/different_lines.h"

namespace kalvex {
namespace {

constexpr int kScripts = 1200;
constexpr unsigned kSeed = 7031;

using R = WeaponRecord;

struct Entry {
  std::string key;
  std::string value;
};

// Numbers as real scripts hold them, past what the edits once took among them.
const char* const kNumbers[] = {"800",   "0.5",   ".5",    "0.367", "6665.6666667",
                                "12",    "-5",    "3",     "0",     "123456789012345",
                                "580.6", "12000", "-0.25", "99999"};
// clang-format off
const char* const kTextKeys[] = {
    "range", "reloadtime", "energypershot", "weapontimer", "flighttime", "coverage",
    "weaponvelocity", "startvelocity", "areaofeffect", "burst", "burstrate", "sprayangle",
    "edgeeffectiveness", "firestarter", "accuracy", "aimrate", "tolerance", "metal", "energy",
    "turnrate", "smokedelay"};
// clang-format on
const char* const kFlagKeys[] = {
    "Turret",    "guidance",    "noexplode",    "noautorange",  "tracks",     "waterweapon",
    "paralyzer", "commandfire", "smoketrail",   "soundtrigger", "startsmoke", "propeller",
    "endsmoke",  "unitsonly",   "groundbounce", "burnblow",     "beamweapon"};
const char* const kUnknownKeys[] = {"shakeduration",  "soundwater",  "vlaunch",   "twophase",
                                    "pitchtolerance", "toairweapon", "stockpile", "edgeeffect"};

class ScriptMaker {
 public:
  explicit ScriptMaker(unsigned seed) : random_(seed) {}

  int Number(int first, int last) { return std::uniform_int_distribution(first, last)(random_); }
  bool Chance(int one_in) { return Number(1, one_in) == 1; }
  template <typename T, std::size_t N>
  const T& OneOf(const T (&items)[N]) {
    return items[static_cast<std::size_t>(Number(0, static_cast<int>(N) - 1))];
  }

  std::string Script() {
    le_ = Chance(2) ? "\r\n" : "\n";
    std::string text;
    if (Chance(3)) text += "// weapons of the mod" + le_;
    const int weapons = Number(1, 4);
    for (int i = 0; i < weapons; ++i) {
      text += Weapon(i);
      if (Chance(3)) text += le_;
      if (Chance(4)) text += "/* next */" + le_;
    }
    return text;
  }

 private:
  std::string Case(std::string key) {
    if (Chance(6)) {
      for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return key;
  }

  std::vector<Entry> Entries() {
    std::vector<Entry> entries;
    if (!Chance(4)) entries.push_back({"ID", std::to_string(Number(1, 255))});
    if (!Chance(4)) entries.push_back({"name", Chance(2) ? "Light Rocket" : "Gun \xE9"});
    if (Chance(2))
      entries.push_back({"rendertype", Chance(4) ? "9" : std::to_string(Number(0, 7))});
    if (Chance(2)) entries.push_back({OneOf({"ballistic", "lineofsight", "dropped"}), "1"});
    for (const char* key : kTextKeys) {
      if (Chance(3)) entries.push_back({key, OneOf(kNumbers)});
    }
    for (const char* key : kFlagKeys) {
      if (Chance(4)) entries.push_back({key, Chance(4) ? "0" : "1"});
    }
    if (Chance(2)) entries.push_back({"model", Chance(3) ? "vortexrocket" : "rocket"});
    if (Chance(2)) entries.push_back({"soundstart", Chance(3) ? "vortexfire" : "rocklit1"});
    if (Chance(2)) entries.push_back({"soundhit", Chance(3) ? "vortexhit" : "xplomed1"});
    if (Chance(2)) entries.push_back({"explosiongaf", "fx"});
    if (Chance(2)) entries.push_back({"explosionart", Chance(3) ? "vortexboom" : "explode3"});
    if (Chance(2)) entries.push_back({"waterexplosionart", "h2o"});
    if (Chance(3)) entries.push_back({"minbarrelangle", Chance(4) ? "-55" : "-15"});
    // A colour of the list, half of one, or a pair of the mod's own.
    if (Chance(3)) entries.push_back({"color", OneOf({"232", "3", "144"})});
    if (Chance(3)) entries.push_back({"color2", OneOf({"234", "7", "217"})});
    if (Chance(3)) entries.push_back({"lavaexplosiongaf", Chance(3) ? "lavafx" : "commboom"});
    for (int i = Number(0, 4); i > 0; --i)
      entries.push_back({OneOf(kUnknownKeys), OneOf(kNumbers)});
    std::shuffle(entries.begin(), entries.end(), random_);
    return entries;
  }

  std::string Weapon(int index) {
    const std::string indent = Chance(2) ? "\t" : "  ";
    std::string text = "[WEAPON_" + std::to_string(index) + (Chance(2) ? "_OF_A_LONG_CODE]" : "]");
    text += le_ + "{" + le_;
    std::vector<std::string> seen;
    for (const Entry& entry : Entries()) {
      if (std::find(seen.begin(), seen.end(), entry.key) != seen.end()) continue;
      seen.push_back(entry.key);
      if (Chance(8)) text += indent + "// a note" + le_;
      if (Chance(10)) text += le_;
      text += indent + Case(entry.key) + (Chance(8) ? " = " : "=") + entry.value + ";";
      if (Chance(8)) text += " // after it";
      text += le_;
    }
    if (!Chance(5)) {
      text += indent + "[DAMAGE]" + le_ + indent + "{" + le_;
      if (!Chance(5)) text += indent + indent + "default=" + OneOf(kNumbers) + ";" + le_;
      if (Chance(2)) text += indent + indent + "heavytank=400;" + le_;
      text += indent + "}" + le_;
    }
    return text + "}" + le_;
  }

  std::mt19937 random_;
  std::string le_;
};

// The changes to one field, in a form that a script carries back as it is;
// `wide` when one may touch two lines or add a section.
struct Change {
  bool wide;
  void (*apply)(ScriptMaker& maker, R& r);
};

const Change kChanges[] = {
    {false, [](ScriptMaker&, R& r) { r.Weaprange = "950"; }},
    {false, [](ScriptMaker& m, R& r) { r.Weapreload = m.Chance(2) ? kResetText : "0.25"; }},
    {false, [](ScriptMaker&, R& r) { r.Weaptrak = 1 - r.Weaptrak; }},
    {false, [](ScriptMaker& m, R& r) { r.Weapstyle = m.Number(-1, 2); }},
    {false,
     [](ScriptMaker& m, R& r) {
       r.own.Weapsost.clear();
       r.Weapsost = m.Number(0, 30);
     }},
    {false, [](ScriptMaker&, R& r) { r.own.Weapexart = "megaboom"; }},
    {false, [](ScriptMaker&, R& r) { r.Weapname = "Heavy Vortex Launcher"; }},
    {true, [](ScriptMaker& m, R& r) { r.Weapcol2 = m.Number(0, 4); }},
    {false, [](ScriptMaker& m, R& r) { r.Weapbarr = m.Number(0, 9); }},
    {true, [](ScriptMaker&, R& r) { r.Weapdamage = "1234"; }},
    {false, [](ScriptMaker& m, R& r) { r.Weaprange = m.OneOf(kNumbers); }},
    {true, [](ScriptMaker& m, R& r) { r.Weapdamage = m.OneOf(kNumbers); }},
    {false,
     [](ScriptMaker& m, R& r) {
       r.own.Weapexgaf.clear();
       r.Weapexgaf = m.Number(-1, 1);
     }},
    {false,
     [](ScriptMaker& m, R& r) {
       r.own.Weaprend.clear();
       r.Weaprend = m.Number(-1, 7);
     }},
    {false, [](ScriptMaker&, R& r) { r.own.Weaprend = "11"; }},
    {false, [](ScriptMaker&, R& r) { r.own.Weapbarr = "-55"; }},
    {true,
     [](ScriptMaker& m, R& r) {
       r.own.Weapcol2 = m.OneOf({"3 / 7", "3", "/ 7"});
     }},
    {false,
     [](ScriptMaker& m, R& r) {
       r.own.Weapsoht.clear();
       r.Weapsoht = m.Chance(2) ? 21 : m.Number(0, 20);
     }},
    {false, [](ScriptMaker&, R& r) { r.Weapcode = "ARM_BERTHACANNON_OF_A_MOD"; }},
};

// Findings as they are told, but where: lines move when one is added.
std::vector<ReadFinding> WithoutLines(std::vector<ReadFinding> findings) {
  for (ReadFinding& finding : findings) finding.line = 0;
  return findings;
}

TEST(DocumentProperty, SavingChangesOnlyWhatWasEdited) {
  ScriptMaker maker(kSeed);
  for (int n = 0; n < kScripts; ++n) {
    const std::string script = maker.Script();
    SCOPED_TRACE("script " + std::to_string(n) + ":\n" + script);
    const ScriptDocument document = OpenScript(script);
    const std::size_t count = document.weapons.size();
    ASSERT_GE(count, 1u);
    std::vector<R> records(count);
    std::vector<ReadResult> results;
    for (std::size_t i = 0; i < count; ++i) {
      results.push_back(ReadWeapon(document, i, records[i]));
      const SavedText unchanged = SaveWeapon(document, i, records[i]);
      ASSERT_TRUE(unchanged.ok());
      ASSERT_EQ(unchanged.text, script) << "weapon " << i;
    }

    const auto index = static_cast<std::size_t>(maker.Number(0, static_cast<int>(count) - 1));
    R edited = records[index];
    const Change& change = kChanges[maker.Number(0, static_cast<int>(std::size(kChanges)) - 1)];
    change.apply(maker, edited);
    const SavedText saved = SaveWeapon(document, index, edited);
    ASSERT_TRUE(saved.ok()) << saved.refusal;
    SCOPED_TRACE("weapon " + std::to_string(index) + " saved as:\n" + saved.text);
    // Saved on its own text, as several weapons of a file are saved, the
    // weapon gives the same file.
    const SavedText alone = SaveWeapon(OpenWeaponAlone(document, index), 0, edited);
    ASSERT_TRUE(alone.ok()) << alone.refusal;
    EXPECT_EQ(WithWeaponTexts(document, {{index, alone.text}}), saved.text);
    if (!change.wide) {
      const auto [removed, added] = test::DifferentLines(script, saved.text);
      EXPECT_LE(removed.size(), 1u);
      EXPECT_LE(added.size(), 1u);
    }

    const ScriptDocument reopened = OpenScript(saved.text);
    ASSERT_EQ(reopened.weapons.size(), count);
    for (std::size_t i = 0; i < count; ++i) {
      R read;
      const ReadResult result = ReadWeapon(reopened, i, read);
      EXPECT_EQ(test::Differences(i == index ? edited : records[i], read), "") << "weapon " << i;
      if (i != index) {
        EXPECT_EQ(WithoutLines(result.findings), WithoutLines(results[i].findings))
            << "weapon " << i;
      }
    }
  }
}

// An entry that no field reads, set on a weapon: an empty value removes it.
struct EntrySet {
  const char* section;  // empty: the body
  const char* key;
  const char* value;
};

constexpr EntrySet kEntrySets[] = {
    {"", "impulsefactor", "0.5"},     {"", "shakeduration", "2"},
    {"DAMAGE", "armor_heavy", "400"}, {"CUSTOMPARAMS", "unitpic", "x.png"},
    {"", "shakeduration", ""},        {"DAMAGE", "armor_heavy", ""},
    {"Damage", "ARMOR_HEAVY", "-5"},  {"", "vlaunch", "1"},
};

// The last value of an entry of `key` in the body or in `section`, or none.
std::optional<std::string> LastValue(const ScriptDocument& document, std::size_t index,
                                     std::string_view section, std::string_view key) {
  const ScriptWeapon& weapon = document.weapons[index];
  const std::vector<std::size_t> entries = EntriesOfKey(document, weapon, section, key);
  if (entries.empty()) return std::nullopt;
  const TextRange value = weapon.entries[entries.back()].value;
  return document.text.substr(value.begin, value.size());
}

// Several weapons of a script edited at once, each saved on its own text
// with fields changed and entries set, added and removed in the body and in
// sections: the saved text reads back as the edited weapons, every other
// weapon as before; a weapon copied and the copy deleted again gives back
// every byte.
TEST(DocumentProperty, SavingSeveralWeaponsChangesOnlyWhatWasEdited) {
  ScriptMaker maker(kSeed + 1);
  for (int n = 0; n < kScripts / 4; ++n) {
    const std::string script = maker.Script();
    SCOPED_TRACE("script " + std::to_string(n) + ":\n" + script);
    const ScriptDocument document = OpenScript(script);
    const std::size_t count = document.weapons.size();
    ASSERT_GE(count, 1u);
    std::vector<R> records(count);
    std::vector<ReadResult> results;
    for (std::size_t i = 0; i < count; ++i) results.push_back(ReadWeapon(document, i, records[i]));

    // Every other weapon or so edited, in the order of the script.
    std::vector<R> edited = records;
    std::vector<const EntrySet*> sets(count, nullptr);
    std::vector<WeaponText> texts;
    for (std::size_t i = 0; i < count; ++i) {
      if (!maker.Chance(2)) continue;
      kChanges[maker.Number(0, static_cast<int>(std::size(kChanges)) - 1)].apply(maker, edited[i]);
      sets[i] = &kEntrySets[maker.Number(0, static_cast<int>(std::size(kEntrySets)) - 1)];
      SavedText saved = SaveWeapon(OpenWeaponAlone(document, i), 0, edited[i]);
      ASSERT_TRUE(saved.ok()) << "weapon " << i << ": " << saved.refusal;
      saved = SetEntry(OpenScript(std::move(saved.text)), 0, sets[i]->section, sets[i]->key,
                       sets[i]->value);
      ASSERT_TRUE(saved.ok()) << "weapon " << i << ": " << saved.refusal;
      texts.push_back({i, std::move(saved.text)});
    }
    const std::string saved = WithWeaponTexts(document, texts);
    SCOPED_TRACE("saved as:\n" + saved);
    const ScriptDocument reopened = OpenScript(saved);
    ASSERT_EQ(reopened.weapons.size(), count);
    for (std::size_t i = 0; i < count; ++i) {
      R read;
      const ReadResult result = ReadWeapon(reopened, i, read);
      EXPECT_EQ(test::Differences(edited[i], read), "") << "weapon " << i;
      if (sets[i] == nullptr) {
        EXPECT_EQ(WithoutLines(result.findings), WithoutLines(results[i].findings))
            << "weapon " << i;
        continue;
      }
      const std::optional<std::string> value =
          LastValue(reopened, i, sets[i]->section, sets[i]->key);
      if (*sets[i]->value == '\0') {
        EXPECT_EQ(value, std::nullopt) << "weapon " << i;
      } else {
        EXPECT_EQ(value, sets[i]->value) << "weapon " << i;
      }
    }

    const auto copied_index =
        static_cast<std::size_t>(maker.Number(0, static_cast<int>(count) - 1));
    const SavedText copied = CopyWeapon(reopened, copied_index, edited[copied_index]);
    if (!copied.ok()) continue;  // what follows the weapon would take the copy in
    const SavedText removed = RemoveWeapon(OpenScript(copied.text), copied_index + 1);
    ASSERT_TRUE(removed.ok()) << removed.refusal;
    EXPECT_EQ(removed.text, saved);
  }
}

}  // namespace
}  // namespace kalvex
