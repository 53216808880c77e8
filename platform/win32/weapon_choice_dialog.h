// The weapon-choosing dialog: the prompt above a list of the weapons, one
// row each (code, name, ID, line), the first highlighted; Enter, a double
// click or OK take the highlighted row, Escape or Cancel take none.
#pragma once

#include <cstddef>
#include <optional>

#include "platform/weapon_dialog.h"
#include "platform/win32/win32.h"

// The index of the row taken, or nothing when the user cancelled.
std::optional<std::size_t> ChooseWeaponInDialog(HWND owner, const TWeaponChoice& choice);
