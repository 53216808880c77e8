#include "platform/static_text.h"

#include "platform/win32/native_window.h"
#include "platform/win32/text_codec.h"

TStatic::TStatic(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h)
    : TWindow(parent, id, text, x, y, w, h) {}

std::string TStatic::GetText() const { return Title; }

void TStatic::SetText(std::string_view text) {
  Title = text;
  if (HWND label = HwndOf(*this)) SetWindowTextW(label, WideFromBytes(Title).c_str());
}

void TStatic::Clear() { SetText({}); }

THandle TStatic::MakeWindow(THandle container) {
  // An ampersand is a character of the text, not a mnemonic.
  return HandleOf(TNative::MakeControl(*this, container, L"STATIC", SS_LEFT | SS_NOPREFIX,
                                       WideFromBytes(Title).c_str()));
}
