#include "platform/group_box.h"

#include <QGroupBox>

#include "platform/qt/text_codec.h"

TGroupBox::TGroupBox(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h)
    : TWindow(parent, id, text, x, y, w, h) {}

QWidget* TGroupBox::MakeWidget(QWidget* container) {
  return new QGroupBox(ToQString(Title), container);
}
