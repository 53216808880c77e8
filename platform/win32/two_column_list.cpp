#include "platform/two_column_list.h"

#include <string>

#include "platform/win32/native_window.h"
#include "platform/win32/text_codec.h"

namespace {

int RowCount(HWND list) { return list ? int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)) : 0; }

int SelectedRow(HWND list) {
  return list ? int(SendMessageW(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED)) : -1;
}

bool IsRow(HWND list, int index) { return index >= 0 && index < RowCount(list); }

void SetCell(HWND list, int row, int column, std::string_view text) {
  std::wstring cell = WideFromBytes(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = cell.data();
  SendMessageW(list, LVM_SETITEMTEXTW, WPARAM(row), reinterpret_cast<LPARAM>(&item));
}

void SetRowState(HWND list, int row, UINT state) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = state;
  SendMessageW(list, LVM_SETITEMSTATE, WPARAM(row), reinterpret_cast<LPARAM>(&item));
}

bool IsButtonDown(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDOWN ||
         message == WM_RBUTTONDBLCLK;
}

bool IsBesideTheRows(HWND list, LPARAM place) {
  LVHITTESTINFO hit{};
  hit.pt = {short(LOWORD(place)), short(HIWORD(place))};
  return SendMessageW(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) < 0;
}

// Tells the list's window object, as the list's parent hands notifications on.
void Tell(HWND list, int code) {
  SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), code),
               reinterpret_cast<LPARAM>(list));
}

bool NoModifiers() {
  return GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_MENU) >= 0;
}

// The user's input: Delete is told, a click beside the rows only takes the
// focus, and a selection that the input changes is told afterwards.
LRESULT CALLBACK WatchingInput(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) {
  const bool input = (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
                     (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
  if (!input) return DefSubclassProc(list, message, wParam, lParam);
  if (message == WM_KEYDOWN && wParam == VK_DELETE && NoModifiers()) {
    Tell(list, TLN_DELETEKEY);
    return 0;
  }
  if (IsButtonDown(message) && IsBesideTheRows(list, lParam)) {
    SetFocus(list);
    return 0;
  }
  const int before = SelectedRow(list);
  const LRESULT result = DefSubclassProc(list, message, wParam, lParam);
  const int after = SelectedRow(list);
  if (after >= 0 && after != before) Tell(list, TLN_SELCHANGE);
  return result;
}

}  // namespace

int TTwoColumnList::InsertRow(int index, std::string_view left, std::string_view right) {
  HWND list = HwndOf(*this);
  const int count = RowCount(list);
  if (!list || index < -1 || index > count) return -1;
  std::wstring cell = WideFromBytes(left);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = index == -1 ? count : index;
  item.pszText = cell.data();
  const int at = int(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  if (at < 0) return -1;
  SetCell(list, at, 1, right);
  return at;
}

bool TTwoColumnList::SetRow(int index, std::string_view left, std::string_view right) {
  HWND list = HwndOf(*this);
  if (!IsRow(list, index)) return false;
  SetCell(list, index, 0, left);
  SetCell(list, index, 1, right);
  return true;
}

bool TTwoColumnList::RemoveRow(int index) {
  HWND list = HwndOf(*this);
  if (!IsRow(list, index)) return false;
  const bool selected = SelectedRow(list) == index;
  SendMessageW(list, LVM_DELETEITEM, WPARAM(index), 0);
  if (selected) SetSelIndex(-1);
  return true;
}

void TTwoColumnList::Clear() {
  if (HWND list = HwndOf(*this)) SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
}

int TTwoColumnList::GetRowCount() const { return RowCount(HwndOf(*this)); }

int TTwoColumnList::GetSelIndex() const { return SelectedRow(HwndOf(*this)); }

void TTwoColumnList::SetSelIndex(int index) {
  HWND list = HwndOf(*this);
  if (!list) return;
  SetRowState(list, -1, 0);
  if (!IsRow(list, index)) return;
  SetRowState(list, index, LVIS_SELECTED | LVIS_FOCUSED);
  SendMessageW(list, LVM_ENSUREVISIBLE, WPARAM(index), FALSE);
}

THandle TTwoColumnList::MakeWindow(THandle container) {
  HWND list = TNative::MakeControl(
      *this, container, WC_LISTVIEWW,
      LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_TABSTOP, L"",
      WS_EX_CLIENTEDGE);
  if (!list) return nullptr;
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  RECT client;
  GetClientRect(list, &client);
  int column = 0;
  for (const std::string& heading : {leftHeading_, rightHeading_}) {
    std::wstring text = WideFromBytes(heading);
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT | LVCF_WIDTH;
    c.cx = client.right / 2;
    c.pszText = text.data();
    SendMessageW(list, LVM_INSERTCOLUMNW, WPARAM(column++), reinterpret_cast<LPARAM>(&c));
  }
  // The second column takes the rest of the width.
  SendMessageW(list, LVM_SETCOLUMNWIDTH, 1, LVSCW_AUTOSIZE_USEHEADER);
  SetWindowSubclass(list, WatchingInput, 0, 0);
  return HandleOf(list);
}

void TTwoColumnList::SetupWindow() {
  Native().notified = [this](unsigned code) {
    if (code == TLN_SELCHANGE || code == TLN_DELETEKEY) NotifyParent(int(code));
  };
}
