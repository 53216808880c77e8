// A list of text entries from which the user selects one. A selection the
// user makes sends LBN_SELCHANGE to the parent; one the program makes does not.
#pragma once

#include <string_view>

#include "platform/window.h"

class TListBox : public TWindow {
 public:
  TListBox(TWindow* parent, int id, int x, int y, int w, int h)
      : TWindow(parent, id, {}, x, y, w, h) {}

  // Puts `text` in at `index` (-1: at the end); returns the index, or -1 when
  // the window does not exist or `index` lies beyond the end.
  int InsertString(std::string_view text, int index);
  // The selected index, or -1 when none is.
  int GetSelIndex() const;
  // Selects `index`; -1 or an index outside the entries leaves none selected.
  void SetSelIndex(int index);

 protected:
  THandle MakeWindow(THandle container) override;
  void SetupWindow() override;
};
