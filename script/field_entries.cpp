#include "script/field_entries.h"

#include <array>
#include <charconv>

#include "script/table_match.h"
#include "script/value_forms.h"
#include "script/value_tables.h"

namespace kalvex {
namespace {

constexpr WrittenField Simple(std::string_view key) { return {key, FieldKind::kSimple}; }

constexpr std::array kFields = {
    Simple("ID"),
    Simple("name"),
    Simple("rendertype"),
    WrittenField{"ballistic", FieldKind::kStyle},
    Simple("minbarrelangle"),
    Simple("Turret"),
    Simple("paralyzer"),
    Simple("model"),
    Simple("propeller"),
    Simple("range"),
    Simple("reloadtime"),
    Simple("energypershot"),
    Simple("noautorange"),
    Simple("weapontimer"),
    Simple("flighttime"),
    Simple("selfprop"),
    Simple("coverage"),
    Simple("waterweapon"),
    Simple("weaponvelocity"),
    Simple("startvelocity"),
    Simple("weaponacceleration"),
    Simple("areaofeffect"),
    Simple("burst"),
    Simple("burstrate"),
    Simple("sprayangle"),
    Simple("randomdecay"),
    Simple("edgeeffectiveness"),
    Simple("smokedelay"),
    Simple("smoketrail"),
    Simple("soundtrigger"),
    Simple("soundstart"),
    Simple("soundhit"),
    Simple("firestarter"),
    Simple("groundbounce"),
    Simple("unitsonly"),
    Simple("beamweapon"),
    WrittenField{"color", FieldKind::kColour},
    Simple("noexplode"),
    Simple("commandfire"),
    Simple("guidance"),
    Simple("turnrate"),
    Simple("tracks"),
    Simple("accuracy"),
    Simple("aimrate"),
    Simple("burnblow"),
    Simple("tolerance"),
    Simple("explosiongaf"),
    Simple("explosionart"),
    Simple("waterexplosiongaf"),
    Simple("waterexplosionart"),
    Simple("lavaexplosiongaf"),
    Simple("lavaexplosionart"),
    Simple("startsmoke"),
    Simple("endsmoke"),
    Simple("metal"),
    Simple("energy"),
};

// A table field with an own text: its text is its value, whatever its index.
bool TableDiffers(const KeyRule& rule, const WeaponRecord& a, const WeaponRecord& b) {
  if (rule.own != nullptr) {
    const std::string& own_a = a.own.*rule.own;
    const std::string& own_b = b.own.*rule.own;
    if (own_a != own_b) return true;
    if (!own_a.empty()) return false;
  }
  return a.*rule.number != b.*rule.number;
}

std::optional<std::string> TextFieldValue(const KeyRule& rule, const WeaponRecord& r) {
  const std::string& field = r.*rule.text;
  if (rule.text == &WeaponRecord::Weaprange || rule.text == &WeaponRecord::Weapdamage) {
    return std::string(BoundedForm(field));
  }
  if (rule.text == &WeaponRecord::Weapsmdl) {
    if (!SmokeDelayWritten(field)) return std::nullopt;
    return std::string(BoundedForm(field));
  }
  if (!GuardPasses(field)) return std::nullopt;
  return std::string(GuardedForm(field));
}

std::optional<std::string> TableFieldValue(const KeyRule& rule, const WeaponRecord& r) {
  const int index = r.*rule.number;
  if (rule.own != nullptr && !(r.own.*rule.own).empty()) return r.own.*rule.own;
  if (rule.table == ValueTable::kBarrelAngle && TableValue(rule.table, index).empty()) {
    return std::nullopt;
  }
  return std::string(TableValue(rule.table, index));
}

}  // namespace

std::span<const WrittenField> FieldsInWriterOrder() { return kFields; }

bool FieldDiffers(const KeyRule& rule, const WeaponRecord& a, const WeaponRecord& b) {
  if (rule.text != nullptr) return a.*rule.text != b.*rule.text;
  if (rule.rule == ValueRule::kTable) return TableDiffers(rule, a, b);
  return rule.number != nullptr && a.*rule.number != b.*rule.number;
}

std::optional<std::string> WrittenValue(const KeyRule& rule, const WeaponRecord& r) {
  switch (rule.rule) {
    case ValueRule::kHeaderText:
      return std::string(WholeForm(r.*rule.text));
    case ValueRule::kText:
      return TextFieldValue(rule, r);
    case ValueRule::kFlag:
      if (r.*rule.number != 1) return std::nullopt;
      return std::string("1");
    case ValueRule::kRenderType: {
      char digits[16];
      const auto end = std::to_chars(digits, digits + sizeof digits, r.*rule.number).ptr;
      return std::string(digits, end);
    }
    case ValueRule::kTable:
      return TableFieldValue(rule, r);
    case ValueRule::kStyle:
    case ValueRule::kColour:
    case ValueRule::kSecondColour:
      break;
  }
  return std::nullopt;
}

std::string_view StyleKey(int style) { return UpTo(TableText(kStyleTable, style), "="); }

}  // namespace kalvex
