// The help engine: opens a help file for a window.
#pragma once

#include <string_view>

class QWidget;

// Opens `helpFile` as `command` asks (HELP_CONTENTS: at its contents). A
// missing file is reported to the user by the help engine itself.
void WinHelpA(QWidget* window, std::string_view helpFile, unsigned command);
