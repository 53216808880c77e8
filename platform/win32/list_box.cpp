#include "platform/list_box.h"

#include "platform/win32/native_window.h"
#include "platform/win32/text_codec.h"

namespace {

bool ChoosesEntry(WPARAM key) {
  return (key == VK_RETURN || key == VK_SPACE) && GetKeyState(VK_CONTROL) >= 0 &&
         GetKeyState(VK_MENU) >= 0 && GetKeyState(VK_SHIFT) >= 0;
}

// Enter and the space bar choose the highlighted entry, as a click does: the
// list tells its parent as for a selection the user made.
LRESULT CALLBACK ChoosingByKeys(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR) {
  switch (message) {
    case WM_GETDLGCODE:
      // Enter reaches the list, rather than pressing a default button.
      if (lParam && reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN) {
        return DefSubclassProc(list, message, wParam, lParam) | DLGC_WANTALLKEYS;
      }
      break;
    case WM_KEYDOWN:
      if (!ChoosesEntry(wParam)) break;
      if (SendMessageW(list, LB_GETCURSEL, 0, 0) >= 0) {
        SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
      }
      return 0;
    case WM_CHAR:
      if (wParam == L' ' || wParam == L'\r') return 0;
      break;
  }
  return DefSubclassProc(list, message, wParam, lParam);
}

}  // namespace

TListBox::TListBox(TWindow* parent, int id, int x, int y, int w, int h)
    : TWindow(parent, id, {}, x, y, w, h) {}

int TListBox::InsertString(std::string_view text, int index) {
  HWND list = HwndOf(*this);
  if (!list) return -1;
  const int count = int(SendMessageW(list, LB_GETCOUNT, 0, 0));
  if (index < -1 || index > count) return -1;
  const std::wstring entry = WideFromBytes(text);
  const LRESULT at = SendMessageW(list, LB_INSERTSTRING, WPARAM(index == -1 ? count : index),
                                  reinterpret_cast<LPARAM>(entry.c_str()));
  return at < 0 ? -1 : int(at);
}

int TListBox::GetSelIndex() const {
  HWND list = HwndOf(*this);
  return list ? int(SendMessageW(list, LB_GETCURSEL, 0, 0)) : -1;
}

void TListBox::SetSelIndex(int index) {
  HWND list = HwndOf(*this);
  if (!list) return;
  const int count = int(SendMessageW(list, LB_GETCOUNT, 0, 0));
  SendMessageW(list, LB_SETCURSEL, WPARAM(index >= 0 && index < count ? index : -1), 0);
}

THandle TListBox::MakeWindow(THandle container) {
  HWND list =
      TNative::MakeControl(*this, container, L"LISTBOX",
                           LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP);
  if (list) SetWindowSubclass(list, ChoosingByKeys, 0, 0);
  return HandleOf(list);
}

void TListBox::SetupWindow() {
  Native().notified = [this](unsigned code) {
    if (code == LBN_SELCHANGE) NotifyParent(LBN_SELCHANGE);
  };
}
