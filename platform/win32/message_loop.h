// How the program handles each message it takes from its queue: the keys of
// a top-level window's menu commands first, unless the control keeps them, then Tab, Shift+Tab and
// the arrow keys between its controls, then the window itself. Shared by the message loop and by
// whatever else waits on the queue (the window tests).
#pragma once

#include "platform/win32/win32.h"

void HandleMessage(MSG& message);

// Asked of the window that a key press goes to before the accelerators see
// it, with lParam the MSG: a control answers nonzero when it handles the key
// itself (an edit its undo and redo keys), and the accelerators are skipped.
UINT KeepsKeyMessage();

// The accelerator table that HandleMessage uses for the top-level window
// `window`; nullptr takes it away. The window does not own the table.
void SetWindowAccelerators(HWND window, HACCEL accelerators);
HACCEL WindowAccelerators(HWND window);
