// The help engine: opens one of the program's built-in help files.
#pragma once

#include <string_view>

#include "platform/window.h"

// Opens the built-in help named `helpFile` ("Kalvex.hlp", no path) as
// `command` asks (HELP_CONTENTS: at its contents), for the window `window`.
// A help the program does not have is told to the user by the help engine.
void WinHelpA(THandle window, std::string_view helpFile, unsigned command);
