#include "platform/static_text.h"

#include <QLabel>

#include "platform/qt/text_codec.h"

TStatic::TStatic(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h)
    : TWindow(parent, id, text, x, y, w, h) {}

std::string TStatic::GetText() const { return Title; }

void TStatic::SetText(std::string_view text) {
  Title = text;
  if (auto* label = static_cast<QLabel*>(GetHandle())) label->setText(ToQString(Title));
}

void TStatic::Clear() { SetText({}); }

QWidget* TStatic::MakeWidget(QWidget* container) {
  auto* label = new QLabel(ToQString(Title), container);
  label->setTextFormat(Qt::PlainText);
  return label;
}
