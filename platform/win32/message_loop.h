// How the program handles each message it takes from its queue: the keys of
// a top-level window's menu commands first, then Tab, Shift+Tab and the arrow
// keys between its controls, then the window itself. Shared by the message
// loop and by whatever else waits on the queue (the window tests).
#pragma once

#include "platform/win32/win32.h"

void HandleMessage(MSG& message);

// The accelerator table that HandleMessage uses for the top-level window
// `window`; nullptr takes it away. The window does not own the table.
void SetWindowAccelerators(HWND window, HACCEL accelerators);
HACCEL WindowAccelerators(HWND window);
