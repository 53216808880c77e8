#include "record/weapon_record.h"

namespace kalvex {

void WeaponRecord::Reset() {
  const int model = Weapmodl;
  *this = WeaponRecord{};
  Weapmodl = model;
}

}  // namespace kalvex
