// A push button with its caption. A click of the user (the mouse; Space or
// Enter while it has the keyboard focus) sends BN_CLICKED to the parent.
#pragma once

#include <string_view>

#include "platform/window.h"

class TButton : public TWindow {
 public:
  // An ampersand in `text` marks the mnemonic letter that follows it.
  TButton(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h)
      : TWindow(parent, id, text, x, y, w, h) {}

 protected:
  THandle MakeWindow(THandle container) override;
  void SetupWindow() override;
};
