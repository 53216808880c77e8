#include "platform/check_box.h"

#include "platform/win32/native_window.h"
#include "platform/win32/text_codec.h"

void TCheckBox::SetCheck(int state) {
  state_ = state == BF_CHECKED ? BF_CHECKED : BF_UNCHECKED;
  if (HWND box = HwndOf(*this)) SendMessageW(box, BM_SETCHECK, WPARAM(state_), 0);
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
