#include "platform/static_text.h"

#include <QLabel>

#include "platform/qt/native_window.h"
#include "platform/qt/text_codec.h"

void TStatic::SetText(std::string_view text) {
  Title = text;
  if (auto* label = WidgetOf<QLabel>(*this)) label->setText(ToQString(Title));
}

THandle TStatic::MakeWindow(THandle container) {
  auto* label = new QLabel(ToQString(Title), WidgetOf(container));
  label->setTextFormat(Qt::PlainText);
  return HandleOf(label);
}
