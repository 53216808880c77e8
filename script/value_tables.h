// The fixed lists that turn index fields of the weapon record into the values
// of a weapon script, spelled as the game spells them. Each list is given
// once; the writer, the reader and the tests all use these.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "record/record_fields.h"

namespace kalvex {

using TableView = std::span<const std::string_view>;

// Projectile models ("model="). Index 14 (no model) writes nothing.
inline constexpr std::array<std::string_view, 14> kModelTable = {
    "amdrocket",   "asteroid6", "ballmiss", "bomb",    "corvrocket", "corshiprckt1", "crblmssl",
    "DEPTHCHARGE", "dgun",      "fmdmisl",  "missile", "plasma",     "rocket",       "torpedo"};

// Sounds when fired ("soundstart="). Index 31 (none) writes nothing.
inline constexpr std::array<std::string_view, 31> kStartSoundTable = {
    "annigun1", "armsml2",  "armsml3",  "bombrel",  "cannon1",  "cannon2",  "canlite3", "cannhvy1",
    "cannhvy2", "cannhvy5", "disigun1", "emgpuls1", "Flamhvy1", "lasrfir1", "lasrfir3", "lasrfast",
    "lasrlit1", "Lasrmas2", "lasrhvy3", "largegun", "lghthvy1", "misicbm1", "phaser",   "rockhvy2",
    "rocklit1", "Rocklit3", "Rockhvy1", "torpedo1", "torpedo2", "xplonuk3", "xplonuk4"};

// Sounds when it hits ("soundhit="). Index 21 (none) writes nothing.
inline constexpr std::array<std::string_view, 21> kHitSoundTable = {
    "burn02",   "explode",  "lashit",   "lasrhit1", "lasrhit2", "xplodep1", "xplodep2",
    "xplodep3", "xplosml2", "xplosml3", "xplomed1", "xplomed2", "xplomed3", "xplomed4",
    "xplolrg1", "xplolrg4", "xplolrg3", "xplonuk1", "xplonuk3", "xplonuk4", "xplomas2"};

// Explosion animations (GAF files) for the three explosion GAF fields.
inline constexpr std::array<std::string_view, 2> kExplosionGafTable = {"fx", "commboom"};

// Explosion animations (art names) for the three explosion art fields.
inline constexpr std::array<std::string_view, 12> kExplosionArtTable = {
    "explode2", "explode3", "explode4",   "explode5",     "NUKE1",        "h2o",
    "h2oboom1", "h2oboom2", "lavasplash", "lavasplashsm", "lavasplashlg", "commboom"};

// A beam colour: the values of its "color=" and "color2=" entries.
struct ColourPair {
  std::string_view first;
  std::string_view second;
};

// Beam colours.
inline constexpr std::array<ColourPair, 5> kBeamColourTable = {
    {{"232", "234"}, {"208", "0"}, {"96", "98"}, {"144", "217"}, {"209", "211"}}};

// Minimum barrel angles; index 0 means none given and has no value.
inline constexpr std::array<std::string_view, 10> kBarrelAngleTable = {
    "", "0", "-5", "-10", "-15", "-20", "-25", "-30", "-35", "-40"};

// Render types: 0 to 7, written as their number.
inline constexpr int kRenderTypeCount = 8;

// Styles of fire: the key of the entry that sets each, whose value is 1.
inline constexpr std::array<std::string_view, 3> kStyleTable = {"ballistic", "lineofsight",
                                                                "dropped"};

// The entry of a table at an index, or no text for an index outside it.
constexpr std::string_view TableText(TableView table, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= table.size()) return {};
  return table[static_cast<std::size_t>(index)];
}

}  // namespace kalvex
