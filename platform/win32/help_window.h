// The editor's help window: the help text (rich text, converted from the
// help page when the program is built) in a read-only rich edit, beside the
// main window; it stays open while the user goes on editing.
#pragma once

#include <string_view>

#include "platform/win32/win32.h"

// Shows `richText` from its start in the one help window of `owner`, which it
// creates when needed; its title is the text's own (\title).
void ShowHelpWindow(HWND owner, std::string_view richText);
