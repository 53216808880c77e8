#include "platform/window.h"

#include "platform/qt/native_window.h"

bool TWindow::Create() {
  if (native_->widget) return true;
  THandle container = nullptr;
  if (parent_) {
    container = parent_->ChildContainer();
    if (!container) return false;
  }
  QWidget* widget = WidgetOf(MakeWindow(container));
  native_->widget = widget;
  if (parent_) widget->setGeometry(Attr.X, Attr.Y, Attr.W, Attr.H);
  SetupWindow();
  for (TWindow* child : children_) child->Create();
  if (parent_) widget->show();
  return true;
}

void TWindow::Destroy() {
  for (TWindow* child : children_) child->Destroy();
  for (const QMetaObject::Connection& connection : native_->connections) {
    QObject::disconnect(connection);
  }
  native_->connections.clear();
  if (QWidget* widget = native_->widget) {
    widget->hide();
    widget->deleteLater();
    native_->widget = nullptr;
  }
}

void TWindow::Show() {
  if (native_->widget) native_->widget->show();
}

void TWindow::SetFocus() {
  if (native_->widget) native_->widget->setFocus(Qt::OtherFocusReason);
}

bool TWindow::HasFocus() const { return native_->widget && native_->widget->hasFocus(); }

THandle TWindow::GetHandle() const { return HandleOf(native_->widget); }
