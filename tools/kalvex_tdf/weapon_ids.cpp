#include "tools/kalvex_tdf/weapon_ids.h"

namespace kalvex::tdf {
namespace {

std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\v\f\r\n";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

void WeaponIdRegister::Add(std::string_view file, std::string_view identity, std::string_view id,
                           std::size_t line) {
  const std::string_view trimmed = Trimmed(id);
  if (trimmed.empty() || !identities_.emplace(identity).second) return;
  const auto [found, added] = index_.try_emplace(std::string(trimmed), ids_.size());
  if (added) ids_.push_back({std::string(trimmed), {}});
  ids_[found->second].uses.push_back({std::string(file), line});
}

std::vector<SharedWeaponId> WeaponIdRegister::SharedIds() const {
  std::vector<SharedWeaponId> shared;
  for (const SharedWeaponId& id : ids_) {
    if (id.uses.size() > 1) shared.push_back(id);
  }
  return shared;
}

}  // namespace kalvex::tdf
