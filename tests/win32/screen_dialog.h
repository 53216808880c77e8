// The dialogs that the program shows on the screen (message boxes, the
// weapon-choosing dialog), found and read as the user sees them.
#pragma once

#include <functional>

#include "platform/win32/win32.h"
#include "tests/window/window_driver.h"

namespace kalvex::test {

// Runs `act` on the next dialog of this thread that comes up, once its own
// message loop runs; gives up after 10 s.
void WhenDialogShown(std::function<void(HWND dialog)> act);

// What the dialog shows: its caption, its static texts but the labels of its
// edits, the rows of its list.
ScreenDialog ReadDialog(HWND dialog);

// Presses the dialog's first push button.
void PressFirstButton(HWND dialog);

}  // namespace kalvex::test
