// A frame with a caption around a group of controls.
#pragma once

#include "platform/window.h"

class TGroupBox : public TWindow {
 public:
  TGroupBox(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h)
      : TWindow(parent, id, text, x, y, w, h) {}

 protected:
  THandle MakeWindow(THandle container) override;
};
