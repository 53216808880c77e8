#include "platform/button.h"

#include "platform/win32/native_window.h"
#include "platform/win32/text_codec.h"

namespace {

bool IsPlainEnter(WPARAM key) {
  return key == VK_RETURN && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0;
}

// Enter clicks the button that has the focus, as Space does: the button
// takes it, rather than the window's default button.
LRESULT CALLBACK ClickingByEnter(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR) {
  switch (message) {
    case WM_GETDLGCODE:
      if (lParam && IsPlainEnter(reinterpret_cast<const MSG*>(lParam)->wParam)) {
        return DefSubclassProc(button, message, wParam, lParam) | DLGC_WANTALLKEYS;
      }
      break;
    case WM_KEYDOWN:
      if (!IsPlainEnter(wParam)) break;
      SendMessageW(button, BM_CLICK, 0, 0);
      return 0;
    case WM_CHAR:
      if (wParam == L'\r') return 0;
      break;
  }
  return DefSubclassProc(button, message, wParam, lParam);
}

}  // namespace

THandle TButton::MakeWindow(THandle container) {
  HWND button = TNative::MakeControl(*this, container, L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP,
                                     WideFromBytes(Title).c_str());
  if (button) SetWindowSubclass(button, ClickingByEnter, 0, 0);
  return HandleOf(button);
}

void TButton::SetupWindow() {
  Native().notified = [this](unsigned code) {
    if (code == BN_CLICKED) NotifyParent(BN_CLICKED);
  };
}
