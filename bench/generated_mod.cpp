#include "bench/generated_mod.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string_view>

namespace kalvex::bench {
namespace {

struct Entry {
  std::string key;
  std::string value;
};

// A key of the later engine that no field reads, with its kind as the list of
// known keys gives it.
struct LaterKey {
  std::string key;
  std::string kind;
};

// The body keys that only the later engine reads, from the project's list of
// known keys.
const std::vector<LaterKey>& LaterEngineKeys() {
  static const std::vector<LaterKey> keys = [] {
    std::vector<LaterKey> found;
    std::ifstream in(KALVEX_SOURCE_DIR "/script/known_keys.tsv");
    std::string line;
    while (std::getline(in, line)) {
      if (line.empty() || line.front() == '#') continue;
      std::istringstream fields(line);
      std::string key, kind, read_by;
      std::getline(fields, key, '\t');
      std::getline(fields, kind, '\t');
      std::getline(fields, read_by, '\t');
      if (read_by.starts_with("later engine") && key.find('.') == std::string::npos) {
        found.push_back({key, kind});
      }
    }
    return found;
  }();
  return keys;
}

constexpr std::string_view kPrefixes[] = {"ARM_", "CORE_", "CORMK_", "ARMVP_", ""};
constexpr std::string_view kWords[] = {"BERTHA", "CANNON",  "LASER",   "ROCKET",    "PLASMA",
                                       "FLAK",   "MISSILE", "TORPEDO", "GAUSS",     "EMG",
                                       "NUKE",   "BOMB",    "DGUN",    "LIGHTNING", "RIOT"};
constexpr std::string_view kNames[] = {"Heavy Plasma Cannon",
                                       "Light Laser",
                                       "Long Range Rocket",
                                       "Flak Cannon",
                                       "Gauss Rifle",
                                       "Depth Charge",
                                       "Fus\xE9"
                                       "e lourde"};
constexpr std::string_view kNumbers[] = {"800", "0.5", ".5",    "0.367", "1.5", "12",
                                         "-5",  "3",   "580.6", "1200",  "0",   "6665.6666667"};
constexpr std::string_view kOwnSounds[] = {"cannhvy1", "rockhvy1", "xplomed2", "vortexfire",
                                           "Lasrmas2", "flashemg", "bertha6"};
constexpr std::string_view kOwnModels[] = {"cormissile", "armmissile", "rocket", "plasmasm"};
constexpr std::string_view kArmour[] = {"armor_heavy", "armor_light",   "commanders", "vtol",
                                        "subs",        "flamethrowers", "default2"};
constexpr std::string_view kTexts[] = {"redlaser", "custom:genericshellexplosion-medium", "Heavy",
                                       "0.9 0.2 0.1", "1 1 1"};

class ModMaker {
 public:
  explicit ModMaker(unsigned seed) : random_(seed) {}

  int Number(int first, int last) { return std::uniform_int_distribution(first, last)(random_); }
  bool Chance(int percent) { return Number(1, 100) <= percent; }
  template <typename T, std::size_t N>
  const T& OneOf(const T (&items)[N]) {
    return items[static_cast<std::size_t>(Number(0, static_cast<int>(N) - 1))];
  }

  std::string Script(std::size_t weapons) {
    le_ = Chance(70) ? "\r\n" : "\n";
    std::string text;
    if (Chance(40)) text += "// Weapons of the mod" + le_ + le_;
    for (std::size_t i = 0; i < weapons; ++i) text += Weapon(i);
    return text;
  }

 private:
  std::string Code(std::size_t index) {
    std::string code(OneOf(kPrefixes));
    code += OneOf(kWords);
    if (Chance(50)) {
      code += '_';
      code += OneOf(kWords);
    }
    return code + std::to_string(index);
  }

  std::string Later(const LaterKey& key) {
    if (key.kind == "flag") return Chance(50) ? "1" : "0";
    if (key.kind == "whole") return std::to_string(Number(0, 500));
    if (key.kind == "number") return std::string(OneOf(kNumbers));
    if (key.kind == "triple") return "0.9 0.2 0.1";
    if (key.kind == "quadruple") return "1 0.5 0.5 0.8";
    return std::string(OneOf(kTexts));
  }

  // About sixteen entries that the pages edit, seven of the later engine.
  std::vector<Entry> Body(std::size_t index) {
    std::vector<Entry> entries;
    entries.push_back({"ID", std::to_string(index % 255 + 1)});
    entries.push_back({"name", std::string(OneOf(kNames))});
    if (Chance(80)) entries.push_back({"rendertype", std::to_string(Number(0, 7))});
    if (Chance(85)) entries.push_back({Chance(50) ? "ballistic" : "lineofsight", "1"});
    if (Chance(40)) entries.push_back({"Turret", "1"});
    if (Chance(60)) entries.push_back({"model", std::string(OneOf(kOwnModels))});
    entries.push_back({"range", std::to_string(Number(0, 2400))});
    entries.push_back({"reloadtime", std::string(OneOf(kNumbers))});
    if (Chance(35)) entries.push_back({"weapontimer", std::string(OneOf(kNumbers))});
    entries.push_back({"weaponvelocity", std::to_string(Number(100, 1500))});
    entries.push_back({"areaofeffect", std::to_string(Number(8, 400))});
    if (Chance(50)) entries.push_back({"edgeeffectiveness", "0.25"});
    if (Chance(80)) entries.push_back({"soundstart", std::string(OneOf(kOwnSounds))});
    if (Chance(75)) entries.push_back({"soundhit", std::string(OneOf(kOwnSounds))});
    if (Chance(50)) entries.push_back({"explosiongaf", "fx"});
    if (Chance(60)) entries.push_back({"explosionart", Chance(50) ? "explode3" : "custom"});
    if (Chance(40)) entries.push_back({"tolerance", std::to_string(Number(100, 9000))});
    if (Chance(30)) entries.push_back({"accuracy", std::to_string(Number(0, 1500))});
    if (Chance(30)) entries.push_back({"energypershot", std::to_string(Number(0, 900))});
    if (Chance(25)) entries.push_back({"burst", std::to_string(Number(2, 9))});
    if (Chance(15)) entries.push_back({"startsmoke", "1"});
    if (Chance(10)) {
      entries.push_back({"beamweapon", "1"});
      entries.push_back({"color", "232"});
      entries.push_back({"color2", "234"});
    }
    const std::vector<LaterKey>& later = LaterEngineKeys();
    for (int i = Number(3, 11); i > 0 && !later.empty(); --i) {
      const LaterKey& key = later[static_cast<std::size_t>(Number(0, int(later.size()) - 1))];
      entries.push_back({key.key, Later(key)});
    }
    std::shuffle(entries.begin() + 2, entries.end(), random_);
    return entries;
  }

  std::string Weapon(std::size_t index) {
    const std::string tab = "\t";
    std::string text = "[" + Code(index) + "]" + le_ + tab + "{" + le_;
    std::vector<std::string> seen;
    for (const Entry& entry : Body(index)) {
      if (std::find(seen.begin(), seen.end(), entry.key) != seen.end()) continue;
      seen.push_back(entry.key);
      if (Chance(4)) text += tab + "// " + entry.key + " as tuned" + le_;
      text += tab + entry.key + "=" + entry.value + ";";
      if (Chance(5)) text += " // was " + std::to_string(Number(1, 99));
      text += le_;
    }
    if (Chance(30)) {
      text += tab + "[CUSTOMPARAMS]" + le_ + tab + tab + "{" + le_;
      text += tab + tab + "unitpic=" + Code(index) + ".png;" + le_;
      if (Chance(30)) text += tab + tab + "light_color=1 0.8 0.2;" + le_;
      text += tab + tab + "}" + le_;
    }
    text += tab + "[DAMAGE]" + le_ + tab + tab + "{" + le_;
    text += tab + tab + "default=" + std::to_string(Number(0, 3000)) + ";" + le_;
    std::vector<std::string_view> targets(std::begin(kArmour), std::end(kArmour));
    std::shuffle(targets.begin(), targets.end(), random_);
    targets.resize(static_cast<std::size_t>(Number(2, static_cast<int>(targets.size()))));
    for (const std::string_view target : targets) {
      text += tab + tab + std::string(target) + "=" + std::to_string(Number(1, 9000)) + ";" + le_;
    }
    text += tab + tab + "}" + le_ + tab + "}" + le_;
    return text;
  }

  std::mt19937 random_;
  std::string le_;
};

}  // namespace

std::string GeneratedScript(unsigned seed, std::size_t weapons) {
  return ModMaker(seed).Script(weapons);
}

std::vector<std::string> GeneratedMod(unsigned seed) {
  ModMaker maker(seed);
  std::vector<std::string> scripts;
  scripts.push_back(maker.Script(kLargestFileWeapons));
  while (scripts.size() < kModFiles) {
    scripts.push_back(maker.Script(static_cast<std::size_t>(maker.Number(1, 25))));
  }
  return scripts;
}

std::vector<std::filesystem::path> WriteGeneratedMod(unsigned seed,
                                                     const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  std::vector<std::filesystem::path> paths;
  const std::vector<std::string> scripts = GeneratedMod(seed);
  for (std::size_t i = 0; i < scripts.size(); ++i) {
    std::string name = std::to_string(i);
    name.insert(0, 3 - std::min<std::size_t>(3, name.size()), '0');
    const std::filesystem::path path = folder / ("weapons_" + name + ".tdf");
    std::ofstream(path, std::ios::binary) << scripts[i];
    paths.push_back(path);
  }
  return paths;
}

}  // namespace kalvex::bench
