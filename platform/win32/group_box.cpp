#include "platform/group_box.h"

#include "platform/win32/native_window.h"
#include "platform/win32/text_codec.h"

TGroupBox::TGroupBox(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h)
    : TWindow(parent, id, text, x, y, w, h) {}

THandle TGroupBox::MakeWindow(THandle container) {
  return HandleOf(
      TNative::MakeControl(*this, container, L"BUTTON", BS_GROUPBOX, WideFromBytes(Title).c_str()));
}
