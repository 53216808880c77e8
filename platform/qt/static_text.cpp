#include "platform/static_text.h"

#include <QLabel>

#include "platform/qt/native_window.h"
#include "platform/qt/text_codec.h"

TStatic::TStatic(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h)
    : TWindow(parent, id, text, x, y, w, h) {}

std::string TStatic::GetText() const { return Title; }

void TStatic::SetText(std::string_view text) {
  Title = text;
  if (auto* label = WidgetOf<QLabel>(*this)) label->setText(ToQString(Title));
}

void TStatic::Clear() { SetText({}); }

THandle TStatic::MakeWindow(THandle container) {
  auto* label = new QLabel(ToQString(Title), WidgetOf(container));
  label->setTextFormat(Qt::PlainText);
  return HandleOf(label);
}
