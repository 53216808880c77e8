#include "tests/win32/screen_dialog.h"

#include <string>
#include <utility>
#include <vector>

#include "platform/win32/text_codec.h"

namespace kalvex::test {
namespace {

constexpr UINT kLookEvery = 20;    // ms
constexpr int kLooksAtMost = 500;  // 10 s
constexpr wchar_t kDialogClass[] = L"#32770";

struct Waiting {
  std::function<void(HWND)> act;
  int looks = 0;
};
Waiting waiting;

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

// The topmost dialog of this thread that is shown and takes input.
HWND ShownDialog() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM result) -> BOOL {
        if (!IsWindowVisible(window) || !IsWindowEnabled(window) || ClassOf(window) != kDialogClass)
          return TRUE;
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

void CALLBACK LookForDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = ShownDialog();
  if (!dialog && ++waiting.looks < kLooksAtMost) return;
  KillTimer(nullptr, timer);
  if (dialog) std::exchange(waiting.act, {})(dialog);
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  return children;
}

std::string ListCell(HWND list, int row, int column) {
  std::wstring cell(1024, L'\0');
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = cell.data();
  item.cchTextMax = int(cell.size());
  cell.resize(
      std::size_t(SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item))));
  return Utf8FromWide(cell);
}

}  // namespace

void WhenDialogShown(std::function<void(HWND dialog)> act) {
  waiting = {std::move(act), 0};
  SetTimer(nullptr, 0, kLookEvery, LookForDialog);
}

ScreenDialog ReadDialog(HWND dialog) {
  ScreenDialog shown{Utf8FromWide(WindowText(dialog)), {}, {}};
  for (HWND child : Children(dialog)) {
    const std::wstring name = ClassOf(child);
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    // A static before an edit is the edit's label, not the dialog's text.
    HWND after = GetWindow(child, GW_HWNDNEXT);
    const bool labelsAnEdit = after && !lstrcmpiW(ClassOf(after).c_str(), L"Edit");
    if (!lstrcmpiW(name.c_str(), L"Static") && (style & SS_TYPEMASK) != SS_ICON && !labelsAnEdit) {
      const std::string text = Utf8FromWide(WindowText(child));
      if (text.empty()) continue;
      if (!shown.Text.empty()) shown.Text += '\n';
      shown.Text += text;
    }
    if (!lstrcmpiW(name.c_str(), WC_LISTVIEWW)) {
      HWND header = reinterpret_cast<HWND>(SendMessageW(child, LVM_GETHEADER, 0, 0));
      const int columns = int(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
      const int rows = int(SendMessageW(child, LVM_GETITEMCOUNT, 0, 0));
      for (int row = 0; row < rows; ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < columns; ++column)
          cells.push_back(ListCell(child, row, column));
        shown.Rows.push_back(cells);
      }
    }
  }
  return shown;
}

void PressFirstButton(HWND dialog) {
  for (HWND child : Children(dialog)) {
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    const LONG_PTR kind = style & BS_TYPEMASK;
    if (!lstrcmpiW(ClassOf(child).c_str(), L"Button") && IsWindowVisible(child) &&
        (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON)) {
      PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), BN_CLICKED),
                   reinterpret_cast<LPARAM>(child));
      return;
    }
  }
}

}  // namespace kalvex::test
