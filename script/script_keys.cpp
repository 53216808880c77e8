#include "script/script_keys.h"

#include <algorithm>
#include <array>

#include "script/ascii_case.h"
#include "script/text_index.h"

namespace kalvex {
namespace {

using R = WeaponRecord;

constexpr KeyRule Text(std::string_view key, std::string R::*member) {
  return {key, ValueRule::kText, member};
}

constexpr KeyRule HeaderText(std::string_view key, std::string R::*member) {
  return {key, ValueRule::kHeaderText, member};
}

constexpr KeyRule Flag(std::string_view key, int R::*member) {
  return {key, ValueRule::kFlag, nullptr, member};
}

constexpr KeyRule Style(std::string_view key, int style) {
  return {key, ValueRule::kStyle, nullptr, &R::Weapstyle, style};
}

constexpr KeyRule Table(std::string_view key, int R::*member, ValueTable table,
                        std::string OwnTexts::*own) {
  return {key, ValueRule::kTable, nullptr, member, 0, table, own};
}

// Sorted by key, so that the compile-time checks below see a key given twice.
constexpr std::array kBodyKeys = {
    Text("accuracy", &R::Weapaccu),
    Text("aimrate", &R::Weaprate),
    Text("areaofeffect", &R::Weapefft),
    Style("ballistic", 0),
    Flag("beamweapon", &R::Weapbeam),
    Flag("burnblow", &R::Weapblow),
    Text("burst", &R::Weapbrst),
    Text("burstrate", &R::Weapbsta),
    KeyRule{"color", ValueRule::kColour, nullptr, &R::Weapcol2},
    KeyRule{"color2", ValueRule::kSecondColour},
    Flag("commandfire", &R::Weapcomm),
    Text("coverage", &R::Weapcovg),
    Style("dropped", 2),
    Text("edgeeffectiveness", &R::Weapeftn),
    Flag("endsmoke", &R::Weapsmed),
    Text("energy", &R::Weapenr),
    Text("energypershot", &R::Weapenps),
    Table("explosionart", &R::Weapexart, ValueTable::kExplosionArt, &OwnTexts::Weapexart),
    Table("explosiongaf", &R::Weapexgaf, ValueTable::kExplosionGaf, &OwnTexts::Weapexgaf),
    Text("firestarter", &R::Weapfire),
    Text("flighttime", &R::Weapfght),
    Flag("groundbounce", &R::Weapbunc),
    Flag("guidance", &R::Weapguid),
    HeaderText("id", &R::WeapID),
    Table("lavaexplosionart", &R::Weaplaart, ValueTable::kExplosionArt, &OwnTexts::Weaplaart),
    Table("lavaexplosiongaf", &R::Weaplagaf, ValueTable::kExplosionGaf, &OwnTexts::Weaplagaf),
    Style("lineofsight", 1),
    Text("metal", &R::Weapmet),
    Table("minbarrelangle", &R::Weapbarr, ValueTable::kBarrelAngle, nullptr),
    Table("model", &R::Weapmodl, ValueTable::kModel, &OwnTexts::Weapmodl),
    HeaderText("name", &R::Weapname),
    Flag("noautorange", &R::Weapauto),
    Flag("noexplode", &R::Weapxpld),
    Flag("paralyzer", &R::Weapparl),
    Flag("propeller", &R::Weapprop),
    Text("randomdecay", &R::Weaprand),
    Text("range", &R::Weaprange),
    Text("reloadtime", &R::Weapreload),
    KeyRule{"rendertype", ValueRule::kRenderType, nullptr, &R::Weaprend},
    Flag("selfprop", &R::Weapsprp),
    Text("smokedelay", &R::Weapsmdl),
    Flag("smoketrail", &R::Weapsmtl),
    Table("soundhit", &R::Weapsoht, ValueTable::kHitSound, &OwnTexts::Weapsoht),
    Table("soundstart", &R::Weapsost, ValueTable::kStartSound, &OwnTexts::Weapsost),
    Flag("soundtrigger", &R::Weapsotg),
    Text("sprayangle", &R::Weapspry),
    Flag("startsmoke", &R::Weapsmst),
    Text("startvelocity", &R::Weapstsp),
    Text("tolerance", &R::Weaptolr),
    Flag("tracks", &R::Weaptrak),
    Text("turnrate", &R::Weapturn),
    Flag("turret", &R::Weaptur),
    Flag("unitsonly", &R::Weapunit),
    Table("waterexplosionart", &R::Weapwtart, ValueTable::kExplosionArt, &OwnTexts::Weapwtart),
    Table("waterexplosiongaf", &R::Weapwtgaf, ValueTable::kExplosionGaf, &OwnTexts::Weapwtgaf),
    Flag("waterweapon", &R::Weapwatr),
    Text("weaponacceleration", &R::Weapaccl),
    Text("weapontimer", &R::Weaptime),
    Text("weaponvelocity", &R::Weapspeed),
};

constexpr bool KeyLess(const KeyRule& a, const KeyRule& b) { return a.key < b.key; }

static_assert(kBodyKeys.size() + 1 == kRuleCount);
static_assert(std::is_sorted(kBodyKeys.begin(), kBodyKeys.end(), KeyLess));
static_assert(std::adjacent_find(kBodyKeys.begin(), kBodyKeys.end(),
                                 [](const KeyRule& a, const KeyRule& b) {
                                   return a.key == b.key;
                                 }) == kBodyKeys.end());
static_assert(std::all_of(kBodyKeys.begin(), kBodyKeys.end(),
                          [](const KeyRule& k) { return k.key.size() <= kLongestKey; }));

constexpr TextIndex<128> kBodyKeyIndex(kBodyKeys.size(),
                                       [](std::size_t i) { return kBodyKeys[i].key; });

constexpr KeyRule kDamageDefault = Text("default", &R::Weapdamage);

}  // namespace

const KeyRule* FindBodyKey(std::string_view key) {
  if (key.size() > kLongestKey) return nullptr;
  const std::optional<std::size_t> at =
      kBodyKeyIndex.Find(key, [](std::size_t i) { return kBodyKeys[i].key; });
  return at ? &kBodyKeys[*at] : nullptr;
}

std::size_t RuleIndex(const KeyRule& rule) {
  return &rule == &kDamageDefault ? kBodyKeys.size()
                                  : static_cast<std::size_t>(&rule - kBodyKeys.data());
}

const KeyRule* FindDamageKey(std::string_view key) {
  return EqualIgnoringCase(kDamageDefault.key, key) ? &kDamageDefault : nullptr;
}

}  // namespace kalvex
