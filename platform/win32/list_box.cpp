#include "platform/list_box.h"

#include <utility>

#include "platform/win32/list_entries.h"
#include "platform/win32/native_window.h"

namespace {

// The list whose key press is being handled, and its selection before it:
// the system's list tells of a selection change at every key that moves
// the caret, also at one that moves nothing (Up on the first entry), which
// then is no change.
struct KeyMove {
  HWND list = nullptr;
  LRESULT before = LB_ERR;
} keyMove;

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
      if (!ChoosesEntry(wParam)) {
        const KeyMove outer =
            std::exchange(keyMove, {list, SendMessageW(list, LB_GETCURSEL, 0, 0)});
        const LRESULT handled = DefSubclassProc(list, message, wParam, lParam);
        keyMove = outer;
        return handled;
      }
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

int TListBox::InsertString(std::string_view text, int index) {
  return InsertEntry(HwndOf(*this), kListBoxMessages, text, index);
}

int TListBox::GetSelIndex() const { return SelectedEntry(HwndOf(*this), kListBoxMessages); }

void TListBox::SetSelIndex(int index) { SelectEntry(HwndOf(*this), kListBoxMessages, index); }

THandle TListBox::MakeWindow(THandle container) {
  HWND list =
      TNative::MakeControl(*this, container, L"LISTBOX",
                           LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP);
  if (list) SetWindowSubclass(list, ChoosingByKeys, 0, 0);
  return HandleOf(list);
}

void TListBox::SetupWindow() {
  Native().notified = [this](unsigned code) {
    if (code != LBN_SELCHANGE) return;
    HWND list = HwndOf(*this);
    if (keyMove.list == list && SendMessageW(list, LB_GETCURSEL, 0, 0) == keyMove.before) return;
    NotifyParent(LBN_SELCHANGE);
  };
}
