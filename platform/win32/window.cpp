#include "platform/window.h"

#include "platform/win32/native_window.h"
#include "platform/win32/window_release.h"

bool TWindow::Create() {
  if (native_->hwnd) return true;
  THandle container = nullptr;
  if (parent_) {
    container = parent_->ChildContainer();
    if (!container) return false;
  }
  native_->hwnd = HwndOf(MakeWindow(container));
  if (!native_->hwnd) return false;
  SetupWindow();
  for (TWindow* child : children_) child->Create();
  if (parent_) ShowWindow(native_->hwnd, SW_SHOWNA);
  return true;
}

void TWindow::Destroy() {
  for (TWindow* child : children_) child->Destroy();
  native_->notified = nullptr;
  if (HWND hwnd = native_->hwnd) {
    native_->hwnd = nullptr;
    ReleaseWindow(hwnd);
  }
}

void TWindow::Show() {
  if (native_->hwnd) ShowWindow(native_->hwnd, parent_ ? SW_SHOWNA : SW_SHOW);
}

void TWindow::SetFocus() {
  if (native_->hwnd) ::SetFocus(native_->hwnd);
}

bool TWindow::HasFocus() const { return native_->hwnd && GetFocus() == native_->hwnd; }

THandle TWindow::GetHandle() const { return HandleOf(native_->hwnd); }

HWND TWindow::TNative::MakeControl(const TWindow& window, THandle container,
                                   const wchar_t* className, DWORD style, const wchar_t* text,
                                   DWORD exStyle) {
  const TWindowAttr& a = window.Attr;
  HWND hwnd = CreateWindowExW(exStyle, className, text, WS_CHILD | style, Scaled(a.X), Scaled(a.Y),
                              Scaled(a.W), Scaled(a.H), HwndOf(container),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(a.Id)),
                              GetModuleHandleW(nullptr), nullptr);
  if (!hwnd) return nullptr;
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window.native_.get()));
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(MessageFont()), FALSE);
  return hwnd;
}

bool TWindow::TNative::Notify(HWND control, unsigned code) {
  auto* native = reinterpret_cast<TNative*>(GetWindowLongPtrW(control, GWLP_USERDATA));
  if (!native || native->hwnd != control || !native->notified) return false;
  // A copy: the handler may destroy the window and with it this function.
  const std::function<void(unsigned)> notified = native->notified;
  notified(code);
  return true;
}
