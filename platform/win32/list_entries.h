// What list boxes and drop-down lists share: entries put in at a place, and
// one selected or none. Each kind names the same operations with messages of
// its own (LB_* and CB_*).
#pragma once

#include <string_view>

#include "platform/win32/win32.h"

struct TListMessages {
  UINT GetCount;
  UINT InsertString;
  UINT GetCurSel;
  UINT SetCurSel;
};

inline constexpr TListMessages kListBoxMessages{LB_GETCOUNT, LB_INSERTSTRING, LB_GETCURSEL,
                                                LB_SETCURSEL};
inline constexpr TListMessages kComboBoxMessages{CB_GETCOUNT, CB_INSERTSTRING, CB_GETCURSEL,
                                                 CB_SETCURSEL};

// Puts `text` in at `index` (-1: at the end); the index, or -1 when there is
// no list or `index` lies beyond the end.
int InsertEntry(HWND list, const TListMessages& m, std::string_view text, int index);
// The selected index, or -1 when none is or there is no list.
int SelectedEntry(HWND list, const TListMessages& m);
// Selects `index`; -1 or an index outside the entries leaves none selected.
void SelectEntry(HWND list, const TListMessages& m, int index);
