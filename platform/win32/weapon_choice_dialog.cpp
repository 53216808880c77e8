// The weapon-choosing dialog: the prompt above a list of the weapons, one
// row each (code, name, ID, line), the first highlighted; Enter, a double
// click or OK take the highlighted row, Escape or Cancel take none.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/user_interface.h"
#include "platform/win32/native_window.h"
#include "platform/win32/text_codec.h"

namespace {

constexpr int kPromptId = 10;
constexpr int kListId = 11;

struct Chooser {
  const TWeaponChoice& choice;
  std::optional<std::size_t> taken;
};

HWND AddControl(HWND dialog, const wchar_t* className, const std::wstring& text, DWORD style,
                int id, DWORD exStyle = 0) {
  HWND control = CreateWindowExW(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0,
                                 0, 0, 0, dialog, reinterpret_cast<HMENU>(INT_PTR(id)),
                                 GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(MessageFont()), FALSE);
  return control;
}

void FillList(HWND list, const TWeaponChoice& choice) {
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
  std::vector<std::wstring> headings;
  for (std::size_t column = 0; column < kWeaponColumnHeadings.size(); ++column) {
    headings.push_back(WideFromUtf8(kWeaponColumnHeadings[column]));
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT | LVCF_FMT;
    c.fmt = column == 3 ? LVCFMT_RIGHT : LVCFMT_LEFT;
    c.pszText = headings.back().data();
    SendMessageW(list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&c));
  }
  for (std::size_t row = 0; row < choice.Rows.size(); ++row) {
    const TWeaponRow& weapon = choice.Rows[row];
    const std::wstring cells[] = {WideFromUtf8(weapon.Code), WideFromUtf8(weapon.Name),
                                  WideFromUtf8(weapon.Id), std::to_wstring(weapon.Line)};
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = int(row);
    item.pszText = const_cast<wchar_t*>(cells[0].c_str());
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    for (int column = 1; column < 4; ++column) {
      item.iSubItem = column;
      item.pszText = const_cast<wchar_t*>(cells[column].c_str());
      SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    }
  }
  // Each column as wide as its widest cell or its heading with the header's
  // margins, whichever is wider; the last one takes the rest of the list.
  const int last = int(kWeaponColumnHeadings.size()) - 1;
  for (int column = 0; column < last; ++column) {
    SendMessageW(list, LVM_SETCOLUMNWIDTH, column, LVSCW_AUTOSIZE);
    const int cells = int(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
    const int heading = int(SendMessageW(list, LVM_GETSTRINGWIDTHW, 0,
                                         reinterpret_cast<LPARAM>(headings[column].c_str())));
    SendMessageW(list, LVM_SETCOLUMNWIDTH, column, std::max(cells, heading + Scaled(16)));
  }
  SendMessageW(list, LVM_SETCOLUMNWIDTH, last, LVSCW_AUTOSIZE_USEHEADER);
  LVITEMW first{};
  first.stateMask = first.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&first));
}

// Places the controls in the dialog, which is sized and centred on its owner.
void LayOut(HWND dialog) {
  HWND owner = GetWindow(dialog, GW_OWNER);
  RECT around{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (owner) GetWindowRect(owner, &around);
  const int w = Scaled(520), h = Scaled(360);
  SetWindowPos(dialog, nullptr, (around.left + around.right - w) / 2,
               (around.top + around.bottom - h) / 2, w, h, SWP_NOZORDER);
  RECT client;
  GetClientRect(dialog, &client);
  const int margin = Scaled(10), gap = Scaled(8), buttonW = Scaled(80), buttonH = Scaled(24);
  const int promptH = Scaled(32);
  const int buttonsY = client.bottom - margin - buttonH;
  MoveWindow(GetDlgItem(dialog, kPromptId), margin, margin, client.right - 2 * margin, promptH,
             FALSE);
  MoveWindow(GetDlgItem(dialog, kListId), margin, margin + promptH, client.right - 2 * margin,
             buttonsY - 2 * margin - promptH, FALSE);
  MoveWindow(GetDlgItem(dialog, IDCANCEL), client.right - margin - buttonW, buttonsY, buttonW,
             buttonH, FALSE);
  MoveWindow(GetDlgItem(dialog, IDOK), client.right - margin - buttonW - gap - buttonW, buttonsY,
             buttonW, buttonH, FALSE);
}

void Take(HWND dialog, Chooser& chooser) {
  const LRESULT row =
      SendMessageW(GetDlgItem(dialog, kListId), LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED);
  if (row >= 0) chooser.taken = std::size_t(row);
  EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK ChooserProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* chooser = reinterpret_cast<Chooser*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      const TWeaponChoice& choice = reinterpret_cast<Chooser*>(lParam)->choice;
      SetWindowTextW(dialog, WideFromUtf8(choice.Caption).c_str());
      AddControl(dialog, L"STATIC", WideFromUtf8(choice.Prompt), SS_LEFT | SS_NOPREFIX, kPromptId);
      HWND list = AddControl(dialog, WC_LISTVIEWW, L"",
                             WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, kListId,
                             WS_EX_CLIENTEDGE);
      AddControl(dialog, L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK);
      AddControl(dialog, L"BUTTON", L"Cancel", WS_TABSTOP | BS_PUSHBUTTON, IDCANCEL);
      // Placed first, so that the last column can take the list's whole width.
      LayOut(dialog);
      FillList(list, choice);
      SetFocus(list);
      return FALSE;  // the focus is set
    }
    case WM_NOTIFY: {
      const auto* note = reinterpret_cast<const NMHDR*>(lParam);
      if (note->idFrom == kListId && (note->code == NM_DBLCLK || note->code == NM_RETURN)) {
        Take(dialog, *chooser);
        return TRUE;
      }
      return FALSE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) Take(dialog, *chooser);
      if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

std::optional<std::size_t> TPlatformUserInterface::ChooseWeapon(THandle owner,
                                                                const TWeaponChoice& choice) {
  if (choice.Rows.empty()) return std::nullopt;
  // An empty dialog template; the controls are made when the dialog starts.
  struct alignas(4) Template {
    DLGTEMPLATE dialog;
    WORD menu, windowClass, title;
  } blank{{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 0, 0, 0, 300, 200}, 0, 0, 0};
  Chooser chooser{choice, std::nullopt};
  const INT_PTR result =
      DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &blank.dialog, HwndOf(owner), ChooserProc,
                              reinterpret_cast<LPARAM>(&chooser));
  return result == IDOK ? chooser.taken : std::nullopt;
}
