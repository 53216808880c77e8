// The table of known keys: keys of the body and of sections in any letter
// case, the fields' keys, every listed key, sections, what each kind of value
// takes, and near misses.
#include "script/known_keys.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "record/record_fields.h"
#include "test_support.h"

namespace kalvex::test {
namespace {

struct KeyCase {
  std::string_view section = {};
  std::string_view key = {};
  bool known = true;
  std::string_view spelled = {};  // as the table spells it; empty for any key of the mod's own
  ValueKind kind = ValueKind::kText;
  Field field = Field::Weapcode;  // with reads_it
  bool reads_it = false;
};

TEST(KnownKeys, FindsKeysOfTheBodyAndOfSectionsInAnyLetterCase) {
  const KeyCase kCases[] = {
      {.key = "reloadtime",
       .spelled = "reloadtime",
       .kind = ValueKind::kNumber,
       .field = Field::Weapreload,
       .reads_it = true},
      {.key = "RELOADTIME",
       .spelled = "reloadtime",
       .kind = ValueKind::kNumber,
       .field = Field::Weapreload,
       .reads_it = true},
      {.key = "turret",
       .spelled = "Turret",
       .kind = ValueKind::kFlag,
       .field = Field::Weaptur,
       .reads_it = true},
      {.key = "id",
       .spelled = "ID",
       .kind = ValueKind::kNumber,
       .field = Field::WeapID,
       .reads_it = true},
      // A field's kind holds where the list says otherwise.
      {.key = "burst",
       .spelled = "burst",
       .kind = ValueKind::kNumber,
       .field = Field::Weapbrst,
       .reads_it = true},
      {.key = "rendertype",
       .spelled = "rendertype",
       .kind = ValueKind::kWhole,
       .field = Field::Weaprend,
       .reads_it = true},
      // Keys that only fields read.
      {.key = "metal",
       .spelled = "metal",
       .kind = ValueKind::kNumber,
       .field = Field::Weapmet,
       .reads_it = true},
      {.key = "Color2",
       .spelled = "color2",
       .kind = ValueKind::kWhole,
       .field = Field::Weapcol2,
       .reads_it = true},
      {.key = "lineofsight",
       .spelled = "lineofsight",
       .kind = ValueKind::kFlag,
       .field = Field::Weapstyle,
       .reads_it = true},
      // Keys that no field reads.
      {.key = "ExplosionGenerator", .spelled = "explosiongenerator", .kind = ValueKind::kText},
      {.key = "rgbcolor", .spelled = "rgbcolor", .kind = ValueKind::kTriple},
      {.key = "scarcolortint", .spelled = "scarcolortint", .kind = ValueKind::kQuadruple},
      {.key = "cylindertargeting", .spelled = "cylindertargeting", .kind = ValueKind::kNumber},
      {.key = "reloadtim", .known = false},
      {.key = "", .known = false},
      // A key of a section is none of the body, in either spelling.
      {.key = "power", .known = false},
      {.key = "shield.power", .known = false},
      {.key = "default", .known = false},
      {.key = "shield", .spelled = "SHIELD", .kind = ValueKind::kSection},
      {.section = "SHIELD", .key = "power", .spelled = "power", .kind = ValueKind::kNumber},
      {.section = "shield",
       .key = "GoodColor",
       .spelled = "goodcolor",
       .kind = ValueKind::kQuadruple},
      {.section = "SHIELD", .key = "reloadtime", .known = false},
      {.section = "TEXTURES", .key = "1", .spelled = "1", .kind = ValueKind::kText},
      {.section = "EXTRA", .key = "power", .known = false},
      // "[DAMAGE]" holds the damage field and the mod's own numbers,
      // "[CUSTOMPARAMS]" the mod's own texts.
      {.section = "Damage",
       .key = "DEFAULT",
       .spelled = "default",
       .kind = ValueKind::kNumber,
       .field = Field::Weapdamage,
       .reads_it = true},
      {.section = "DAMAGE", .key = "armor_heavy", .kind = ValueKind::kNumber},
      {.section = "CUSTOMPARAMS", .key = "unitpic", .kind = ValueKind::kText},
      {.section = "customparams", .key = "reloadtime", .kind = ValueKind::kText},
      {.section = "CUSTOMPARAMS", .key = "", .known = false},
  };
  for (const KeyCase& c : kCases) {
    SCOPED_TRACE(std::string(c.section) + "/" + std::string(c.key));
    const KnownKey* known = FindKnownKey(c.section, c.key);
    ASSERT_EQ(known != nullptr, c.known);
    if (!known) continue;
    EXPECT_EQ(known->key, c.spelled);
    EXPECT_EQ(known->kind, c.kind);
    EXPECT_EQ(known->field, c.reads_it ? &FieldOf(c.field) : nullptr);
  }
}

TEST(KnownKeys, EveryListedKeyIsKnownWithItsKind) {
  // The list in script/, beside the test data.
  const std::string text = ReadTestData("../../script/known_keys.tsv");
  ASSERT_FALSE(text.empty());
  std::istringstream list(text);
  std::string line;
  while (std::getline(list, line)) {
    if (line.empty() || line.starts_with('#') || line.starts_with("key\t")) continue;
    std::istringstream row(line);
    std::string key, kind;
    std::getline(row, key, '\t');
    std::getline(row, kind, '\t');
    const std::size_t dot = key.find('.');
    const std::string section = dot == std::string::npos ? "" : key.substr(0, dot);
    const KnownKey* known =
        FindKnownKey(section, key.substr(dot == std::string::npos ? 0 : dot + 1));
    ASSERT_NE(known, nullptr) << key;
    // Where a field reads the key, its kind may be whole against the list's
    // number or the other way round.
    if (known->field && (kind == "number" || kind == "whole")) continue;
    const std::pair<std::string_view, ValueKind> kKinds[] = {
        {"flag", ValueKind::kFlag},     {"whole", ValueKind::kWhole},
        {"number", ValueKind::kNumber}, {"text", ValueKind::kText},
        {"triple", ValueKind::kTriple}, {"quadruple", ValueKind::kQuadruple},
    };
    bool matched = false;
    for (const auto& [name, value_kind] : kKinds)
      matched |= name == kind && known->kind == value_kind;
    EXPECT_TRUE(matched) << key << " " << kind;
  }
}

TEST(KnownKeys, EveryFieldKeyIsReadByItsField) {
  for (const RecordField& field : kRecordFields) {
    if (field.key.empty()) continue;
    const std::string_view section = field.place == FieldPlace::kDamage ? "DAMAGE" : "";
    const KnownKey* known = FindKnownKey(section, field.key);
    ASSERT_NE(known, nullptr) << field.key;
    EXPECT_EQ(known->field, &field) << field.key;
  }
  for (const std::string_view style : {"ballistic", "lineofsight", "dropped"}) {
    EXPECT_EQ(FindKnownKey("", style)->field, &FieldOf(Field::Weapstyle)) << style;
  }
}

TEST(KnownKeys, KnowsTheSectionsOfTheListAndThoseOfTheModsOwnKeys) {
  const std::pair<std::string_view, bool> kCases[] = {
      {"SHIELD", true},   {"shield", true},       {"TEXTURES", true},
      {"DAMAGE", true},   {"CustomParams", true}, {"EXTRA", false},
      {"", false},        {"reloadtime", false},  // a key, not a section
      {"SHIELDS", false},
  };
  for (const auto& [section, known] : kCases) EXPECT_EQ(IsKnownSection(section), known) << section;
}

struct ValueCase {
  ValueKind kind;
  std::string_view value;
  bool accepted;
};

TEST(KnownKeys, TakesOnlyValuesOfTheKeysKind) {
  const ValueCase kCases[] = {
      {ValueKind::kFlag, "1", true},
      {ValueKind::kFlag, "0", true},
      {ValueKind::kFlag, " 1\t", true},
      {ValueKind::kFlag, "", true},
      {ValueKind::kFlag, "2", false},
      {ValueKind::kFlag, "1.0", false},
      {ValueKind::kFlag, "yes", false},
      {ValueKind::kWhole, "12", true},
      {ValueKind::kWhole, "-3", true},
      {ValueKind::kWhole, "1.5", false},
      {ValueKind::kWhole, "3.", false},
      {ValueKind::kWhole, "-", false},
      {ValueKind::kWhole, "+4", false},
      {ValueKind::kWhole, "1 2", false},
      {ValueKind::kNumber, "2.5", true},
      {ValueKind::kNumber, ".5", true},
      {ValueKind::kNumber, "-0.25", true},
      {ValueKind::kNumber, "", true},  // as the writer writes a blank range: "range=;"
      {ValueKind::kNumber, "fast", false},
      {ValueKind::kNumber, "1.2.3", false},
      {ValueKind::kNumber, "1e3", false},
      {ValueKind::kNumber, "1 2", false},
      {ValueKind::kText, "cannon2", true},
      {ValueKind::kText, "two words", true},
      {ValueKind::kTriple, "1 0.5 0", true},
      {ValueKind::kTriple, " 1\t0.5   0 ", true},
      {ValueKind::kTriple, "1 2", false},
      {ValueKind::kTriple, "1 2 3 4", false},
      {ValueKind::kTriple, "1,2,3", false},
      {ValueKind::kTriple, "1 red 3", false},
      {ValueKind::kQuadruple, "0 0 0 1", true},
      {ValueKind::kQuadruple, "0 0 1", false},
      {ValueKind::kSection, "", false},
      {ValueKind::kSection, "1", false},
  };
  for (const ValueCase& c : kCases) {
    EXPECT_EQ(IsValueOfKind(c.kind, c.value), c.accepted)
        << static_cast<int>(c.kind) << " \"" << c.value << "\"";
  }
}

struct NearCase {
  std::string_view section = {};
  std::string_view key = {};
  std::string_view nearest = {};  // empty: none
};

TEST(KnownKeys, NamesTheNearestKeyOfANearMiss) {
  const std::string long_key(10000, 'r');
  const NearCase kCases[] = {
      {.key = "reloadtim", .nearest = "reloadtime"},
      {.key = "RELOADTIM", .nearest = "reloadtime"},
      {.key = "relodtme", .nearest = "reloadtime"},
      {.key = "weapnvelcty"},  // three edits
      {.key = "turet", .nearest = "Turret"},
      // Fewest edits first ("color" is two away), then alphabetical order.
      {.key = "colr2", .nearest = "color2"},
      {.key = "texture5", .nearest = "texture1"},
      {.key = "xy"},      // all of "ID" replaced
      {.key = "sheild"},  // a section, not a key
      {.key = long_key},
      {.section = "SHIELD", .key = "powr", .nearest = "power"},
      {.section = "SHIELD", .key = "reloadtim"},
      {.section = "DAMAGE", .key = "defualt"},       // the mod's own armour class
      {.section = "CUSTOMPARAMS", .key = "unitpc"},  // the mod's own text
  };
  for (const NearCase& c : kCases) {
    SCOPED_TRACE(std::string(c.section) + "/" + std::string(c.key.substr(0, 20)));
    const KnownKey* nearest = NearestKnownKey(c.section, c.key);
    EXPECT_EQ(nearest ? nearest->key : "", c.nearest);
  }
}

TEST(KnownKeys, NamesTheNearestSectionOfANearMiss) {
  const std::pair<std::string_view, std::string_view> kCases[] = {
      {"SHEILD", "SHIELD"}, {"customparam", "CUSTOMPARAMS"}, {"DAMAGES", "DAMAGE"}, {"EXTRA", ""},
      {"reloadtim", ""},  // a key, not a section
  };
  for (const auto& [section, nearest] : kCases) {
    const KnownKey* found = NearestKnownSection(section);
    EXPECT_EQ(found ? found->key : "", nearest) << section;
  }
}

}  // namespace
}  // namespace kalvex::test
