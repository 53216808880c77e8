#include "platform/combo_box.h"

#include "platform/win32/list_entries.h"
#include "platform/win32/native_window.h"

int TComboBox::InsertString(std::string_view text, int index) {
  return InsertEntry(HwndOf(*this), kComboBoxMessages, text, index);
}

int TComboBox::GetSelIndex() const { return SelectedEntry(HwndOf(*this), kComboBoxMessages); }

void TComboBox::SetSelIndex(int index) { SelectEntry(HwndOf(*this), kComboBoxMessages, index); }

THandle TComboBox::MakeWindow(THandle container) {
  return HandleOf(TNative::MakeControl(*this, container, L"COMBOBOX",
                                       CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP));
}

// The system sends CBN_SELCHANGE only for selections the user makes, so the
// program's own need no guard here.
void TComboBox::SetupWindow() {
  Native().notified = [this](unsigned code) {
    if (code == CBN_SELCHANGE) NotifyParent(CBN_SELCHANGE);
  };
}
