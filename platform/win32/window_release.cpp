#include "platform/win32/window_release.h"

namespace {

UINT ReleaseMessage() {
  static const UINT message = RegisterWindowMessageW(L"Kalvex.ReleaseWindow");
  return message;
}

}  // namespace

void ReleaseWindow(HWND window) {
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  HWND topLevel = GetAncestor(window, GA_ROOT);
  if (!topLevel || topLevel == window) {
    DestroyWindow(window);
    return;
  }
  ShowWindow(window, SW_HIDE);
  if (!PostMessageW(topLevel, ReleaseMessage(), 0, reinterpret_cast<LPARAM>(window))) {
    DestroyWindow(window);
  }
}

bool HandleReleaseRequest(HWND topLevel, UINT message, LPARAM lParam) {
  if (message != ReleaseMessage()) return false;
  HWND window = reinterpret_cast<HWND>(lParam);
  // Gone already when its top-level window was rebuilt in between.
  if (IsWindow(window) && GetAncestor(window, GA_ROOT) == topLevel) DestroyWindow(window);
  return true;
}
