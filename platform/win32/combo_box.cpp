#include "platform/combo_box.h"

#include "platform/win32/native_window.h"
#include "platform/win32/text_codec.h"

// The system sends CBN_SELCHANGE only for selections the user makes, so the
// program's own need no guard here.
TComboBox::TComboBox(TWindow* parent, int id, int x, int y, int w, int h)
    : TWindow(parent, id, {}, x, y, w, h) {}

int TComboBox::InsertString(std::string_view text, int index) {
  HWND combo = HwndOf(*this);
  if (!combo) return -1;
  const int count = int(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  if (index < -1 || index > count) return -1;
  const std::wstring entry = WideFromBytes(text);
  const LRESULT at = SendMessageW(combo, CB_INSERTSTRING, WPARAM(index == -1 ? count : index),
                                  reinterpret_cast<LPARAM>(entry.c_str()));
  return at < 0 ? -1 : int(at);
}

int TComboBox::GetSelIndex() const {
  HWND combo = HwndOf(*this);
  return combo ? int(SendMessageW(combo, CB_GETCURSEL, 0, 0)) : -1;
}

void TComboBox::SetSelIndex(int index) {
  HWND combo = HwndOf(*this);
  if (!combo) return;
  const int count = int(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  SendMessageW(combo, CB_SETCURSEL, WPARAM(index >= 0 && index < count ? index : -1), 0);
}

THandle TComboBox::MakeWindow(THandle container) {
  return HandleOf(TNative::MakeControl(*this, container, L"COMBOBOX",
                                       CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP));
}

void TComboBox::SetupWindow() {
  Native().notified = [this](unsigned code) {
    if (code == CBN_SELCHANGE && !programSelects_) NotifyParent(CBN_SELCHANGE);
  };
}
