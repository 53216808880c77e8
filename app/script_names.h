// Which files the editor takes for weapon scripts.
#pragma once

#include <string_view>

namespace kalvex {

// True when `path` names a file with the extension ".tdf", in any capitals.
bool IsWeaponScriptName(std::string_view path);

}  // namespace kalvex
