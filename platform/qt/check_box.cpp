#include "platform/check_box.h"

#include <QCheckBox>

#include "platform/qt/native_window.h"
#include "platform/qt/text_codec.h"

void TCheckBox::SetCheck(int state) {
  state_ = state == BF_CHECKED ? BF_CHECKED : BF_UNCHECKED;
  if (auto* box = WidgetOf<QCheckBox>(*this)) box->setChecked(state_ == BF_CHECKED);
}

THandle TCheckBox::MakeWindow(THandle container) {
  return HandleOf(new QCheckBox(ToQString(Title), WidgetOf(container)));
}

void TCheckBox::SetupWindow() {
  auto* box = WidgetOf<QCheckBox>(*this);
  box->setChecked(state_ == BF_CHECKED);
  Native().Listen(box, &QCheckBox::toggled,
                  [this](bool checked) { state_ = checked ? BF_CHECKED : BF_UNCHECKED; });
  Native().Listen(box, &QCheckBox::clicked, [this] {
    if (userChanged_) userChanged_();
  });
}
