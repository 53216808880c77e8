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

void HandleMessage(MSG& message) {
  if (HWND topLevel = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr) {
    HACCEL accelerators = WindowAccelerators(topLevel);
    if (accelerators && TranslateAcceleratorW(topLevel, accelerators, &message)) return;
    if (IsDialogMessageW(topLevel, &message)) return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}
