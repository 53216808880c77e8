// Weapon scripts of the shape that real mods have, for the benchmarks of what
// users run: files of many weapons (a mod of 180 files holds about 2,900
// weapons, most files a dozen, the largest 679), each weapon with the entries
// that the pages edit, the later engine's entries that no page shows, damage
// against particular targets in "[DAMAGE]", now and then "[CUSTOMPARAMS]",
// comments, long codes, decimals, and CR LF or LF line ends. The same seed
// gives the same scripts.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace kalvex::bench {

// The weapons of the largest file of a real mod.
inline constexpr std::size_t kLargestFileWeapons = 679;

// The files of a real mod.
inline constexpr std::size_t kModFiles = 180;

// A script of `weapons` weapons.
std::string GeneratedScript(unsigned seed, std::size_t weapons);

// The scripts of a whole mod: kModFiles files, the first of them
// kLargestFileWeapons weapons, the others from 1 to 25.
std::vector<std::string> GeneratedMod(unsigned seed);

// Writes the mod's scripts into `folder` (made where missing) as
// weapons_NNN.tdf and returns their paths.
std::vector<std::filesystem::path> WriteGeneratedMod(unsigned seed,
                                                     const std::filesystem::path& folder);

}  // namespace kalvex::bench
