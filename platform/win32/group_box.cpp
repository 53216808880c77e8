#include "platform/group_box.h"

#include "platform/win32/native_window.h"
#include "platform/win32/text_codec.h"

THandle TGroupBox::MakeWindow(THandle container) {
  return HandleOf(
      TNative::MakeControl(*this, container, L"BUTTON", BS_GROUPBOX, WideFromBytes(Title).c_str()));
}
