// The keys of the menu commands as the system's accelerator table takes them.
#pragma once

#include <optional>
#include <string_view>

#include "platform/win32/win32.h"

// "Ctrl+N", "Shift+F1", "Ctrl+PgDown" …: modifiers Ctrl, Shift and Alt joined
// by "+", then a letter, a digit, F1 to F12, PgUp or PgDown. Nothing for any
// other text.
std::optional<ACCEL> AcceleratorFor(std::string_view keys, int id);
