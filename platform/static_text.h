// One line of text that the user cannot change.
#pragma once

#include <string>

#include "platform/window.h"

class TStatic : public TWindow {
 public:
  TStatic(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h)
      : TWindow(parent, id, text, x, y, w, h) {}

  std::string GetText() const { return Title; }
  void SetText(std::string_view text);
  void Clear() { SetText({}); }

 protected:
  THandle MakeWindow(THandle container) override;
};
