// The fields of the weapon record, each described once: its member, what it
// holds, its reset value, the key of its entry in a weapon script and how the
// reader takes that entry's value. The record itself (weapon_record.h), the
// table that tools walk (record_fields.h) and the reader's keys
// (script/field_keys.cpp) are all made from KALVEX_RECORD_TABLE below.
#pragma once

#include <string_view>

namespace kalvex {

// The value of an index field for which the weapon has no entry and whose
// list has no entry that stands for none: its list shows no selection, and
// no entry is written for it.
inline constexpr int kNoEntry = -1;

// What a field holds.
enum class FieldKind {
  kText,    // code and name: any characters
  kNumber,  // a decimal number, kept as the text typed or read
  kFlag,    // 0 or 1
  kIndex,   // a position in one of the fixed lists
};

// How the reader takes an entry's value into its field.
enum class ValueRule {
  kHeaderText,  // code, ID, name: blanks inside kept, blanks around dropped
  kText,        // every other text: blanks dropped
  kFlag,        // the value 0 gives 0, any other value 1
  kStyle,       // a value other than 0 sets the style of fire
  kRenderType,  // a whole number 0 to 7
  kTable,       // a value table text, turned into its index
  kColour,      // "color=" and "color2=": the two values of a beam colour
};

// The value table of an index field read by kTable.
enum class ValueTable {
  kModel,
  kStartSound,
  kHitSound,
  kExplosionGaf,
  kExplosionArt,
  kBarrelAngle,
};

// Where a field's entry stands in a weapon script.
enum class FieldPlace {
  kHeader,  // "[" code "]"
  kBody,    // key=value; in the weapon's body
  kDamage,  // key=value; in its "[DAMAGE]" section
};

struct FieldRule {
  FieldKind kind = FieldKind::kText;
  ValueRule reading = ValueRule::kText;
  std::string_view key = {};         // as the writer spells it; none for the code and the style,
                                     // whose keys are the style table's texts
  std::string_view second_key = {};  // the beam colour's second key
  FieldPlace place = FieldPlace::kBody;
  ValueTable table = ValueTable::kModel;  // kTable: the table its values come from
  int absent = 0;              // integer fields: the value of a weapon read without their entry
  bool kept_by_reset = false;  // WeaponRecord::Reset leaves it as it is
};

// The rules that the rows of KALVEX_RECORD_TABLE are written with.
namespace field_rules {

using K = FieldKind;
using V = ValueRule;

constexpr FieldRule Code() {
  return {.kind = K::kText, .reading = V::kHeaderText, .place = FieldPlace::kHeader};
}
constexpr FieldRule HeaderText(std::string_view key) {
  return {.kind = K::kText, .reading = V::kHeaderText, .key = key};
}
constexpr FieldRule HeaderNumber(std::string_view key) {
  return {.kind = K::kNumber, .reading = V::kHeaderText, .key = key};
}
constexpr FieldRule Number(std::string_view key) {
  return {.kind = K::kNumber, .reading = V::kText, .key = key};
}
constexpr FieldRule Damage(std::string_view key) {
  return {.kind = K::kNumber, .reading = V::kText, .key = key, .place = FieldPlace::kDamage};
}
constexpr FieldRule Flag(std::string_view key) {
  return {.kind = K::kFlag, .reading = V::kFlag, .key = key};
}
constexpr FieldRule Style() {
  return {.kind = K::kIndex, .reading = V::kStyle, .absent = kNoEntry};
}
constexpr FieldRule RenderType(std::string_view key) {
  return {.kind = K::kIndex, .reading = V::kRenderType, .key = key, .absent = kNoEntry};
}
constexpr FieldRule Colour(std::string_view key, std::string_view second_key) {
  return {.kind = K::kIndex,
          .reading = V::kColour,
          .key = key,
          .second_key = second_key,
          .absent = kNoEntry};
}
// `absent`: the list's entry that stands for none, or kNoEntry.
constexpr FieldRule Table(ValueTable table, std::string_view key, int absent) {
  return {.kind = K::kIndex, .reading = V::kTable, .key = key, .table = table, .absent = absent};
}
constexpr FieldRule KeptByReset(FieldRule rule) {
  rule.kept_by_reset = true;
  return rule;
}

}  // namespace field_rules

// The 58 fields in declaration order, one row each, in three kinds of row:
//   TEXT(member, rule): a std::string; its reset value is kResetText.
//   NUMBER(member, reset value, rule): an int.
//   OWN(member, reset value, rule): an int index whose value may instead be a
//     text that no list holds (a mod's own model, sound, explosion, barrel
//     angle, render type or beam colour), kept in the member of the same name
//     in WeaponRecord::own.
// The integer reset values are those of File, New; the projectile model,
// which File, New keeps, starts at 0. The value of a field whose entry a
// weapon read from a script lacks is its rule's `absent`: 0 for a flag (no),
// the none entry of a list that has one, else kNoEntry.
#define KALVEX_RECORD_TABLE(TEXT, NUMBER, OWN)                                       \
  TEXT(Weapcode, Code())                                                             \
  TEXT(Weapname, HeaderText("name"))                                                 \
  NUMBER(Weaptur, 0, Flag("Turret"))                                                 \
  TEXT(Weapmet, Number("metal"))                                                     \
  TEXT(Weapenr, Number("energy"))                                                    \
  NUMBER(Weapguid, 0, Flag("guidance"))                                              \
  TEXT(Weapturn, Number("turnrate"))                                                 \
  TEXT(Weaptolr, Number("tolerance"))                                                \
  OWN(Weapbarr, 0, Table(ValueTable::kBarrelAngle, "minbarrelangle", 0))             \
  TEXT(Weapaccu, Number("accuracy"))                                                 \
  TEXT(Weapfght, Number("flighttime"))                                               \
  NUMBER(Weapxpld, 0, Flag("noexplode"))                                             \
  NUMBER(Weapauto, 0, Flag("noautorange"))                                           \
  NUMBER(Weaptrak, 0, Flag("tracks"))                                                \
  TEXT(Weaprand, Number("randomdecay"))                                              \
  TEXT(Weaptime, Number("weapontimer"))                                              \
  TEXT(Weapcovg, Number("coverage"))                                                 \
  NUMBER(Weapsprp, 0, Flag("selfprop"))                                              \
  NUMBER(Weapwatr, 0, Flag("waterweapon"))                                           \
  NUMBER(Weapparl, 0, Flag("paralyzer"))                                             \
  NUMBER(Weapcomm, 0, Flag("commandfire"))                                           \
  TEXT(Weaprate, Number("aimrate"))                                                  \
  NUMBER(Weapsmtl, 0, Flag("smoketrail"))                                            \
  TEXT(Weapbrst, Number("burst"))                                                    \
  TEXT(Weapbsta, Number("burstrate"))                                                \
  TEXT(Weapspry, Number("sprayangle"))                                               \
  OWN(Weapexgaf, 0, Table(ValueTable::kExplosionGaf, "explosiongaf", kNoEntry))      \
  OWN(Weapexart, 1, Table(ValueTable::kExplosionArt, "explosionart", kNoEntry))      \
  OWN(Weapwtgaf, 0, Table(ValueTable::kExplosionGaf, "waterexplosiongaf", kNoEntry)) \
  OWN(Weapmodl, 0, KeptByReset(Table(ValueTable::kModel, "model", 14)))              \
  OWN(Weapsost, 31, Table(ValueTable::kStartSound, "soundstart", 31))                \
  OWN(Weapsoht, 21, Table(ValueTable::kHitSound, "soundhit", 21))                    \
  NUMBER(Weapsotg, 0, Flag("soundtrigger"))                                          \
  OWN(Weaprend, 0, RenderType("rendertype"))                                         \
  NUMBER(Weapbeam, 0, Flag("beamweapon"))                                            \
  OWN(Weapcol2, 0, Colour("color", "color2"))                                        \
  OWN(Weapwtart, 5, Table(ValueTable::kExplosionArt, "waterexplosionart", kNoEntry)) \
  OWN(Weaplagaf, 0, Table(ValueTable::kExplosionGaf, "lavaexplosiongaf", kNoEntry))  \
  OWN(Weaplaart, 8, Table(ValueTable::kExplosionArt, "lavaexplosionart", kNoEntry))  \
  TEXT(Weapsmdl, Number("smokedelay"))                                               \
  NUMBER(Weapsmst, 0, Flag("startsmoke"))                                            \
  NUMBER(Weapprop, 0, Flag("propeller"))                                             \
  TEXT(Weapstsp, Number("startvelocity"))                                            \
  NUMBER(Weapsmed, 0, Flag("endsmoke"))                                              \
  TEXT(Weapefft, Number("areaofeffect"))                                             \
  TEXT(Weapeftn, Number("edgeeffectiveness"))                                        \
  TEXT(Weapfire, Number("firestarter"))                                              \
  NUMBER(Weapunit, 0, Flag("unitsonly"))                                             \
  NUMBER(Weapbunc, 0, Flag("groundbounce"))                                          \
  NUMBER(Weapblow, 0, Flag("burnblow"))                                              \
  TEXT(Weapenps, Number("energypershot"))                                            \
  TEXT(Weapspeed, Number("weaponvelocity"))                                          \
  TEXT(Weapaccl, Number("weaponacceleration"))                                       \
  NUMBER(Weapstyle, 0, Style())                                                      \
  TEXT(WeapID, HeaderNumber("ID"))                                                   \
  TEXT(Weapdamage, Damage("default"))                                                \
  TEXT(Weaprange, Number("range"))                                                   \
  TEXT(Weapreload, Number("reloadtime"))

}  // namespace kalvex
