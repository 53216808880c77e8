// The weapon IDs of several scripts, to find those that more than one script
// uses: the game needs each weapon ID once.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace kalvex::tdf {

struct SharedWeaponId {
  std::string id;                  // blanks around it dropped
  std::vector<std::string> files;  // in the order they were noted

  bool operator==(const SharedWeaponId&) const = default;
};

class WeaponIdRegister {
 public:
  // Notes that the script `file` uses `id`. IDs are compared as texts with the
  // blanks around them dropped; one that is then empty (the reset text " ")
  // is not noted. A script noted before under the same `identity` (the same
  // file named twice) is not noted again.
  void Add(std::string_view file, std::string_view identity, std::string_view id);

  // The IDs that more than one script uses, in the order first noted.
  std::vector<SharedWeaponId> SharedIds() const;

 private:
  std::unordered_set<std::string> identities_;
  std::unordered_map<std::string, std::size_t> index_;  // into ids_, by ID
  std::vector<SharedWeaponId> ids_;
};

}  // namespace kalvex::tdf
