#include "platform/group_box.h"

#include <QGroupBox>

#include "platform/qt/native_window.h"
#include "platform/qt/text_codec.h"

THandle TGroupBox::MakeWindow(THandle container) {
  return HandleOf(new QGroupBox(ToQString(Title), WidgetOf(container)));
}
