// Destroying a window safely, also from inside its own notification: a
// control is cut off from its window object and hidden at once, and
// destroyed by its top-level window once the message being handled is done.
#pragma once

#include "platform/win32/win32.h"

void ReleaseWindow(HWND window);

// For a top-level window's procedure: destroys the control that `message`
// asks to release; false when the message is no such request.
bool HandleReleaseRequest(HWND topLevel, UINT message, LPARAM lParam);
