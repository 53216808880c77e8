// Turns a weapon record into the bytes of a weapon script, in the game's
// exact layout, with CR LF line ends and nothing after the final "}".
#pragma once

#include <string>

#include "record/weapon_record.h"

namespace kalvex {

std::string WriteScript(const WeaponRecord& record);

}  // namespace kalvex
