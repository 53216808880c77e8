#include "platform/check_box.h"

#include "platform/win32/native_window.h"
#include "platform/win32/text_codec.h"

TCheckBox::TCheckBox(TWindow* parent, int id, std::string_view title, int x, int y, int w, int h)
    : TWindow(parent, id, title, x, y, w, h) {}

void TCheckBox::SetCheck(int state) {
  state_ = state == BF_CHECKED ? BF_CHECKED : BF_UNCHECKED;
  if (HWND box = HwndOf(*this)) SendMessageW(box, BM_SETCHECK, WPARAM(state_), 0);
}

long TCheckBox::SendMessage(unsigned message, unsigned long wParam, long lParam) {
  if (message == BM_GETCHECK) return state_;
  return TWindow::SendMessage(message, wParam, lParam);
}

void TCheckBox::SetUserChangeHandler(std::function<void()> handler) {
  userChanged_ = std::move(handler);
}

THandle TCheckBox::MakeWindow(THandle container) {
  return HandleOf(TNative::MakeControl(*this, container, L"BUTTON",
                                       BS_AUTOCHECKBOX | WS_TABSTOP | BS_NOTIFY,
                                       WideFromBytes(Title).c_str()));
}

void TCheckBox::SetupWindow() {
  HWND box = HwndOf(*this);
  SendMessageW(box, BM_SETCHECK, WPARAM(state_), 0);
  Native().notified = [this, box](unsigned code) {
    if (code != BN_CLICKED) return;
    state_ = SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? BF_CHECKED : BF_UNCHECKED;
    if (userChanged_) userChanged_();
  };
}
