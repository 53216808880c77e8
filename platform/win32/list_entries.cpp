#include "platform/win32/list_entries.h"

#include <string>

#include "platform/win32/text_codec.h"

int InsertEntry(HWND list, const TListMessages& m, std::string_view text, int index) {
  if (!list) return -1;
  const int count = int(SendMessageW(list, m.GetCount, 0, 0));
  if (index < -1 || index > count) return -1;
  const std::wstring entry = WideFromBytes(text);
  const LRESULT at = SendMessageW(list, m.InsertString, WPARAM(index == -1 ? count : index),
                                  reinterpret_cast<LPARAM>(entry.c_str()));
  return at < 0 ? -1 : int(at);
}

int SelectedEntry(HWND list, const TListMessages& m) {
  return list ? int(SendMessageW(list, m.GetCurSel, 0, 0)) : -1;
}

void SelectEntry(HWND list, const TListMessages& m, int index) {
  if (!list) return;
  const int count = int(SendMessageW(list, m.GetCount, 0, 0));
  SendMessageW(list, m.SetCurSel, WPARAM(index >= 0 && index < count ? index : -1), 0);
}
