// The weapon-choosing dialog: the prompt, a filter box and a list of the
// weapons, one row each (code, name, ID, line), the given one highlighted.
// Typing in the filter box leaves in the list only the rows it shows; Down
// and Up there move the highlight in the list. Enter, a double click or OK
// take the highlighted row, Escape or Cancel take none. The list takes
// whatever room the user gives the dialog.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/user_interface.h"
#include "platform/weapon_filter.h"
#include "platform/win32/native_window.h"
#include "platform/win32/text_codec.h"

namespace {

constexpr int kPromptId = 10;
constexpr int kListId = 11;
constexpr int kFilterLabelId = 12;
constexpr int kFilterId = 13;

// The dialog's size as it comes up, and the least the user can make it.
constexpr int kStartWidth = 520, kStartHeight = 360;
constexpr int kLeastWidth = 320, kLeastHeight = 240;

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

void AddColumns(HWND list) {
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
  for (std::size_t column = 0; column < kWeaponColumnHeadings.size(); ++column) {
    std::wstring heading = WideFromUtf8(kWeaponColumnHeadings[column]);
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT | LVCF_FMT;
    c.fmt = column == 3 ? LVCFMT_RIGHT : LVCFMT_LEFT;
    c.pszText = heading.data();
    SendMessageW(list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&c));
  }
}

// The last column takes the rest of the list's width.
void FillLastColumn(HWND list) {
  SendMessageW(list, LVM_SETCOLUMNWIDTH, kWeaponColumnHeadings.size() - 1,
               LVSCW_AUTOSIZE_USEHEADER);
}

// Each column but the last as wide as its widest cell or its heading with
// the header's margins, whichever is wider.
void FitColumns(HWND list) {
  for (std::size_t column = 0; column + 1 < kWeaponColumnHeadings.size(); ++column) {
    SendMessageW(list, LVM_SETCOLUMNWIDTH, column, LVSCW_AUTOSIZE);
    const int cells = int(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
    const std::wstring heading = WideFromUtf8(kWeaponColumnHeadings[column]);
    const int headingWidth =
        int(SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(heading.c_str())));
    SendMessageW(list, LVM_SETCOLUMNWIDTH, column, std::max(cells, headingWidth + Scaled(16)));
  }
  FillLastColumn(list);
}

// Puts the rows `shown` into the list, each with its index in the whole list.
void ShowRows(HWND list, const TWeaponChoice& choice, const std::vector<std::size_t>& shown) {
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  for (std::size_t place = 0; place < shown.size(); ++place) {
    const TWeaponRow& weapon = choice.Rows[shown[place]];
    const std::wstring cells[] = {WideFromUtf8(weapon.Code), WideFromUtf8(weapon.Name),
                                  WideFromUtf8(weapon.Id), std::to_wstring(weapon.Line)};
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = int(place);
    item.lParam = LPARAM(shown[place]);
    item.pszText = const_cast<wchar_t*>(cells[0].c_str());
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    item.mask = LVIF_TEXT;
    for (int column = 1; column < 4; ++column) {
      item.iSubItem = column;
      item.pszText = const_cast<wchar_t*>(cells[column].c_str());
      SendMessageW(list, LVM_SETITEMTEXTW, place, reinterpret_cast<LPARAM>(&item));
    }
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

// The highlighted row's index in the whole list, or nothing when no row is.
std::optional<std::size_t> HighlightedRow(HWND dialog) {
  HWND list = GetDlgItem(dialog, kListId);
  const LRESULT place = SendMessageW(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED);
  if (place < 0) return std::nullopt;
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = int(place);
  SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  return std::size_t(item.lParam);
}

// Highlights the row of the whole list `row`, which is shown, and scrolls
// it into view; nothing highlights none. OK takes a row only when one is.
void Highlight(HWND dialog, std::optional<std::size_t> row) {
  HWND list = GetDlgItem(dialog, kListId);
  LVITEMW none{};
  none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, WPARAM(-1), reinterpret_cast<LPARAM>(&none));
  if (row) {
    LVFINDINFOW find{};
    find.flags = LVFI_PARAM;
    find.lParam = LPARAM(*row);
    const LRESULT place =
        SendMessageW(list, LVM_FINDITEMW, WPARAM(-1), reinterpret_cast<LPARAM>(&find));
    LVITEMW highlighted{};
    highlighted.stateMask = highlighted.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, place, reinterpret_cast<LPARAM>(&highlighted));
    SendMessageW(list, LVM_ENSUREVISIBLE, place, FALSE);
  }
  EnableWindow(GetDlgItem(dialog, IDOK), row.has_value());
}

void Filter(HWND dialog, const TWeaponChoice& choice) {
  const std::string filter = Utf8FromWide(WindowText(GetDlgItem(dialog, kFilterId)));
  const std::optional<std::size_t> highlighted = HighlightedRow(dialog);
  const std::vector<std::size_t> shown = RowsShown(filter, choice.Rows);
  HWND list = GetDlgItem(dialog, kListId);
  ShowRows(list, choice, shown);
  FillLastColumn(list);
  Highlight(dialog, HighlightAmong(shown, highlighted));
}

// Hands the keys that move through a list from the filter box to the list.
LRESULT CALLBACK FilterKeys(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR) {
  const bool listKey =
      wParam == VK_UP || wParam == VK_DOWN || wParam == VK_PRIOR || wParam == VK_NEXT;
  if ((message == WM_KEYDOWN || message == WM_KEYUP) && listKey) {
    return SendMessageW(GetDlgItem(GetParent(edit), kListId), message, wParam, lParam);
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

// Draws the highlighted row in the colours of a selection also while the
// focus is in the filter box, from where the user moves the highlight.
LRESULT DrawHighlight(NMLVCUSTOMDRAW& draw) {
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT &&
      SendMessageW(draw.nmcd.hdr.hwndFrom, LVM_GETITEMSTATE, draw.nmcd.dwItemSpec, LVIS_SELECTED)) {
    draw.nmcd.uItemState &= ~CDIS_SELECTED;
    draw.clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    draw.clrTextBk = GetSysColor(COLOR_HIGHLIGHT);
  }
  return CDRF_DODEFAULT;
}

// The width the label's text takes, its mnemonic's ampersand not counted.
int LabelWidth(HWND label) {
  HDC dc = GetDC(label);
  HGDIOBJ before = SelectObject(dc, MessageFont());
  const std::wstring text = WindowText(label);
  RECT needed{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), int(text.size()), &needed, DT_CALCRECT | DT_SINGLELINE);
  SelectObject(dc, before);
  ReleaseDC(label, dc);
  return needed.right;
}

// Places the controls in the dialog's client area: the prompt and the
// filter box at the top, the buttons at the bottom right, the list between.
void LayOut(HWND dialog) {
  HWND list = GetDlgItem(dialog, kListId);
  if (!list) return;  // the controls are not made yet
  RECT client;
  GetClientRect(dialog, &client);
  const int margin = Scaled(10), gap = Scaled(8), buttonW = Scaled(80), buttonH = Scaled(24);
  const int promptH = Scaled(32), fieldH = Scaled(22);
  const int width = client.right - 2 * margin;
  const int filterY = margin + promptH;
  const int listY = filterY + fieldH + gap;
  const int buttonsY = client.bottom - margin - buttonH;
  HWND label = GetDlgItem(dialog, kFilterLabelId);
  const int labelW = LabelWidth(label);
  HWND prompt = GetDlgItem(dialog, kPromptId);
  MoveWindow(prompt, margin, margin, width, promptH, TRUE);
  InvalidateRect(prompt, nullptr, TRUE);  // its words wrap anew at another width
  MoveWindow(label, margin, filterY, labelW, fieldH, TRUE);
  MoveWindow(GetDlgItem(dialog, kFilterId), margin + labelW + gap, filterY, width - labelW - gap,
             fieldH, TRUE);
  MoveWindow(list, margin, listY, width, std::max(0, buttonsY - margin - listY), TRUE);
  MoveWindow(GetDlgItem(dialog, IDCANCEL), client.right - margin - buttonW, buttonsY, buttonW,
             buttonH, TRUE);
  MoveWindow(GetDlgItem(dialog, IDOK), client.right - margin - buttonW - gap - buttonW, buttonsY,
             buttonW, buttonH, TRUE);
  FillLastColumn(list);
}

// Sizes the dialog and centres it on its owner; the controls follow.
void PlaceDialog(HWND dialog) {
  HWND owner = GetWindow(dialog, GW_OWNER);
  RECT around{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (owner) GetWindowRect(owner, &around);
  const int w = Scaled(kStartWidth), h = Scaled(kStartHeight);
  SetWindowPos(dialog, nullptr, (around.left + around.right - w) / 2,
               (around.top + around.bottom - h) / 2, w, h, SWP_NOZORDER);
  LayOut(dialog);
}

void Take(HWND dialog, Chooser& chooser) {
  const std::optional<std::size_t> row = HighlightedRow(dialog);
  if (!row) return;
  chooser.taken = row;
  EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK ChooserProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* chooser = reinterpret_cast<Chooser*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      const TWeaponChoice& choice = reinterpret_cast<Chooser*>(lParam)->choice;
      SetWindowTextW(dialog, WideFromUtf8(choice.Caption).c_str());
      // Made in the order of the keyboard's Tab.
      AddControl(dialog, L"STATIC", WideFromUtf8(choice.Prompt), SS_LEFT | SS_NOPREFIX, kPromptId);
      AddControl(dialog, L"STATIC", WideFromUtf8(kWeaponFilterLabel), SS_LEFT | SS_CENTERIMAGE,
                 kFilterLabelId);
      HWND filter = AddControl(dialog, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, kFilterId,
                               WS_EX_CLIENTEDGE);
      SetWindowSubclass(filter, FilterKeys, 0, 0);
      HWND list = AddControl(dialog, WC_LISTVIEWW, L"",
                             WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, kListId,
                             WS_EX_CLIENTEDGE);
      AddControl(dialog, L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK);
      AddControl(dialog, L"BUTTON", L"Cancel", WS_TABSTOP | BS_PUSHBUTTON, IDCANCEL);
      // Placed first, so that the last column can take the list's whole width.
      PlaceDialog(dialog);
      AddColumns(list);
      const std::vector<std::size_t> all = RowsShown("", choice.Rows);
      ShowRows(list, choice, all);
      FitColumns(list);
      Highlight(dialog, HighlightAmong(all, choice.Highlighted));
      SetFocus(filter);
      return FALSE;  // the focus is set
    }
    case WM_SIZE:
      LayOut(dialog);
      return TRUE;
    case WM_GETMINMAXINFO: {
      auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
      limits->ptMinTrackSize = {Scaled(kLeastWidth), Scaled(kLeastHeight)};
      return TRUE;
    }
    case WM_NOTIFY: {
      const auto* note = reinterpret_cast<const NMHDR*>(lParam);
      if (note->idFrom != kListId) return FALSE;
      if (note->code == NM_CUSTOMDRAW) {
        const LRESULT drawing = DrawHighlight(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam));
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, drawing);
        return TRUE;
      }
      if (note->code == NM_DBLCLK || note->code == NM_RETURN) {
        Take(dialog, *chooser);
        return TRUE;
      }
      if (note->code == LVN_ITEMCHANGED) {
        EnableWindow(GetDlgItem(dialog, IDOK), HighlightedRow(dialog).has_value());
      }
      return FALSE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kFilterId && HIWORD(wParam) == EN_CHANGE) {
        Filter(dialog, chooser->choice);
      }
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
  } blank{{WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, 0, 0, 0, 0, 300, 200}, 0, 0, 0};
  Chooser chooser{choice, std::nullopt};
  const INT_PTR result =
      DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &blank.dialog, HwndOf(owner), ChooserProc,
                              reinterpret_cast<LPARAM>(&chooser));
  return result == IDOK ? chooser.taken : std::nullopt;
}
