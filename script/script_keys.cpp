#include "script/script_keys.h"

#include <algorithm>
#include <array>

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

// An open-addressing table of kBodyKeys built at compile time: a key's slot
// comes from its length and its first and last letters, so a lookup compares
// whole keys only once or twice.
constexpr std::size_t kKeySlots = 256;
constexpr unsigned char kFreeSlot = 0xFF;

constexpr std::size_t KeySlot(std::size_t size, char first, char last) {
  return (size * 37 + static_cast<unsigned char>(first) * 7 + static_cast<unsigned char>(last)) %
         kKeySlots;
}

constexpr std::array<unsigned char, kKeySlots> MakeKeySlots() {
  std::array<unsigned char, kKeySlots> slots{};
  slots.fill(kFreeSlot);
  for (std::size_t i = 0; i < kBodyKeys.size(); ++i) {
    const std::string_view key = kBodyKeys[i].key;
    std::size_t slot = KeySlot(key.size(), key.front(), key.back());
    while (slots[slot] != kFreeSlot) slot = (slot + 1) % kKeySlots;
    slots[slot] = static_cast<unsigned char>(i);
  }
  return slots;
}

constexpr std::array<unsigned char, kKeySlots> kKeySlotTable = MakeKeySlots();

static_assert(kBodyKeys.size() < kFreeSlot);

constexpr KeyRule kDamageDefault = Text("default", &R::Weapdamage);

// Keys are short: comparing in place beats a call to memcmp. `key` is
// lowered as it is compared.
bool SameKey(std::string_view lower_case, std::string_view key) {
  if (lower_case.size() != key.size()) return false;
  for (std::size_t i = 0; i < key.size(); ++i) {
    if (lower_case[i] != LowerAscii(key[i])) return false;
  }
  return true;
}

}  // namespace

const KeyRule* FindBodyKey(std::string_view key) {
  if (key.empty() || key.size() > kLongestKey) return nullptr;
  for (std::size_t slot = KeySlot(key.size(), LowerAscii(key.front()), LowerAscii(key.back()));
       kKeySlotTable[slot] != kFreeSlot; slot = (slot + 1) % kKeySlots) {
    const KeyRule& rule = kBodyKeys[kKeySlotTable[slot]];
    if (SameKey(rule.key, key)) return &rule;
  }
  return nullptr;
}

std::size_t RuleIndex(const KeyRule& rule) {
  return &rule == &kDamageDefault ? kBodyKeys.size()
                                  : static_cast<std::size_t>(&rule - kBodyKeys.data());
}

const KeyRule* FindDamageKey(std::string_view key) {
  return SameKey(kDamageDefault.key, key) ? &kDamageDefault : nullptr;
}

}  // namespace kalvex
