#include "platform/win32/message_loop.h"

namespace {

constexpr wchar_t kAcceleratorsProperty[] = L"Kalvex.Accelerators";

}  // namespace

void SetWindowAccelerators(HWND window, HACCEL accelerators) {
  if (accelerators) {
    SetPropW(window, kAcceleratorsProperty, accelerators);
  } else {
    RemovePropW(window, kAcceleratorsProperty);
  }
}

HACCEL WindowAccelerators(HWND window) {
  return static_cast<HACCEL>(GetPropW(window, kAcceleratorsProperty));
}

UINT KeepsKeyMessage() {
  static const UINT message = RegisterWindowMessageW(L"Kalvex.KeepsKey");
  return message;
}

namespace {

bool KeptByControl(MSG& message) {
  return (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) &&
         SendMessageW(message.hwnd, KeepsKeyMessage(), 0, reinterpret_cast<LPARAM>(&message));
}

}  // namespace

void HandleMessage(MSG& message) {
  if (HWND topLevel = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr) {
    HACCEL accelerators = WindowAccelerators(topLevel);
    if (accelerators && !KeptByControl(message) &&
        TranslateAcceleratorW(topLevel, accelerators, &message)) {
      return;
    }
    if (IsDialogMessageW(topLevel, &message)) return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}
