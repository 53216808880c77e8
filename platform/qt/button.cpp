#include "platform/button.h"

#include <QPushButton>

#include "platform/qt/native_window.h"
#include "platform/qt/text_codec.h"

THandle TButton::MakeWindow(THandle container) {
  auto* button = new QPushButton(ToQString(Title), WidgetOf(container));
  // Enter clicks the button that has the focus, as Space does, also outside a dialog.
  button->setAutoDefault(true);
  return HandleOf(button);
}

void TButton::SetupWindow() {
  Native().Listen(WidgetOf<QPushButton>(*this), &QPushButton::clicked,
                  [this] { NotifyParent(BN_CLICKED); });
}
