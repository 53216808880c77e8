#include "record/weapon_record.h"

#include <utility>

namespace kalvex {

void WeaponRecord::Reset() {
  const int model = Weapmodl;
  std::string ownModel = std::move(own.Weapmodl);
  *this = WeaponRecord{};
  Weapmodl = model;
  own.Weapmodl = std::move(ownModel);
}

}  // namespace kalvex
