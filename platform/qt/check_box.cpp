#include "platform/check_box.h"

#include <QCheckBox>

#include "platform/qt/native_window.h"
#include "platform/qt/text_codec.h"

TCheckBox::TCheckBox(TWindow* parent, int id, std::string_view title, int x, int y, int w, int h)
    : TWindow(parent, id, title, x, y, w, h) {}

void TCheckBox::SetCheck(int state) {
  state_ = state == BF_CHECKED ? BF_CHECKED : BF_UNCHECKED;
  if (auto* box = WidgetOf<QCheckBox>(*this)) box->setChecked(state_ == BF_CHECKED);
}

long TCheckBox::SendMessage(unsigned message, unsigned long wParam, long lParam) {
  if (message == BM_GETCHECK) return state_;
  return TWindow::SendMessage(message, wParam, lParam);
}

void TCheckBox::SetUserChangeHandler(std::function<void()> handler) {
  userChanged_ = std::move(handler);
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
