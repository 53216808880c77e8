// Win32's side of a window: the window handle behind a TWindow, and what
// the window does with the notifications its control sends to the parent.
#pragma once

#include <functional>

#include "platform/win32/win32.h"

struct TWindow::TNative {
  HWND hwnd = nullptr;
  // Runs for each WM_COMMAND notification code that the control sends its
  // parent, while the window exists.
  std::function<void(unsigned code)> notified;

  // Makes a child control of the standard class `className` at the window's
  // place inside `container`, in the message font, tied to the window object.
  static HWND MakeControl(const TWindow& window, THandle container, const wchar_t* className,
                          DWORD style, const wchar_t* text = L"", DWORD exStyle = 0);
  // Hands a notification code that the control `control` sent to its window
  // object; false when the control belongs to none (any more).
  static bool Notify(HWND control, unsigned code);
};

// A handle is the window handle.
inline HWND HwndOf(THandle handle) { return reinterpret_cast<HWND>(handle); }
inline THandle HandleOf(HWND hwnd) { return reinterpret_cast<THandle>(hwnd); }
inline HWND HwndOf(const TWindow& window) { return HwndOf(window.GetHandle()); }

// Pixels of a 96 dots-per-inch screen in the screen's own.
int Scaled(int pixels);

// The message font of the system (the one its message boxes use).
HFONT MessageFont();
