#include "platform/static_text.h"

#include "platform/win32/native_window.h"
#include "platform/win32/text_codec.h"

void TStatic::SetText(std::string_view text) {
  Title = text;
  if (HWND label = HwndOf(*this)) SetWindowTextW(label, WideFromBytes(Title).c_str());
}

THandle TStatic::MakeWindow(THandle container) {
  // An ampersand is a character of the text, not a mnemonic.
  return HandleOf(TNative::MakeControl(*this, container, L"STATIC", SS_LEFT | SS_NOPREFIX,
                                       WideFromBytes(Title).c_str()));
}
