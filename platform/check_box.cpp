#include "platform/check_box.h"

TCheckBox::TCheckBox(TWindow* parent, int id, std::string_view title, int x, int y, int w, int h)
    : TWindow(parent, id, title, x, y, w, h) {}

long TCheckBox::SendMessage(unsigned message, unsigned long wParam, long lParam) {
  if (message == BM_GETCHECK) return state_;
  return TWindow::SendMessage(message, wParam, lParam);
}

void TCheckBox::SetUserChangeHandler(std::function<void()> handler) {
  userChanged_ = std::move(handler);
}
