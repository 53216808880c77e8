// The weapon IDs of several scripts, to find those that more than one script
// uses: the game needs each weapon ID once.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace kalvex::tdf {

// Where a script gives its weapon ID.
struct WeaponIdUse {
  std::string file;
  std::size_t line = 0;

  bool operator==(const WeaponIdUse&) const = default;
};

struct SharedWeaponId {
  std::string id;                 // blanks around it dropped
  std::vector<WeaponIdUse> uses;  // in the order they were noted

  bool operator==(const SharedWeaponId&) const = default;
};

class WeaponIdRegister {
 public:
  // Notes that the script `file` uses `id` on `line`. IDs are compared as texts with the
  // blanks around them dropped; one that is then empty (the reset text " ")
  // is not noted. A script noted before under the same `identity` (the same
  // file named twice) is not noted again.
  void Add(std::string_view file, std::string_view identity, std::string_view id, std::size_t line);

  // The IDs that more than one script uses, in the order first noted. Each
  // shared ID is told once, with all its uses, so the result grows with the
  // number of scripts, not with the number of pairs.
  std::vector<SharedWeaponId> SharedIds() const;

 private:
  std::unordered_set<std::string> identities_;
  std::unordered_map<std::string, std::size_t> index_;  // into ids_, by ID
  std::vector<SharedWeaponId> ids_;
};

}  // namespace kalvex::tdf
