#include "platform/group_box.h"

#include <QGroupBox>

#include "platform/qt/native_window.h"
#include "platform/qt/text_codec.h"

TGroupBox::TGroupBox(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h)
    : TWindow(parent, id, text, x, y, w, h) {}

THandle TGroupBox::MakeWindow(THandle container) {
  return HandleOf(new QGroupBox(ToQString(Title), WidgetOf(container)));
}
