// A list of rows of two texts under two column headings, from which the
// user selects one row with the mouse or the keyboard. A selection of
// another row that the user makes sends TLN_SELCHANGE to the parent, one
// the program makes does not; a click beside the rows keeps the selection.
// The Delete key pressed in the list sends TLN_DELETEKEY.
#pragma once

#include <string>
#include <string_view>

#include "platform/window.h"

class TTwoColumnList : public TWindow {
 public:
  // Each column takes half the list's width.
  TTwoColumnList(TWindow* parent, int id, std::string_view leftHeading,
                 std::string_view rightHeading, int x, int y, int w, int h);

  // Puts a row in at `index` (-1: at the end); the selected row stays
  // selected. Returns the index, or -1 when the window does not exist or
  // `index` lies beyond the end.
  int InsertRow(int index, std::string_view left, std::string_view right);
  // Gives row `index` new texts; false when there is no such row.
  bool SetRow(int index, std::string_view left, std::string_view right);
  // Takes row `index` out; false when there is no such row. When it was the
  // selected one, none is selected afterwards.
  bool RemoveRow(int index);
  // Takes every row out.
  void Clear();
  // How many rows the list holds; 0 when the window does not exist.
  int GetRowCount() const;
  // The selected row, or -1 when none is.
  int GetSelIndex() const;
  // Selects row `index` and scrolls it into view; -1 or an index outside the
  // rows leaves none selected.
  void SetSelIndex(int index);

 protected:
  THandle MakeWindow(THandle container) override;
  void SetupWindow() override;

 private:
  std::string leftHeading_;
  std::string rightHeading_;
};
