#include "platform/window.h"

#include <algorithm>

#include "platform/module.h"
#include "platform/user_interface.h"

TWindow::TWindow(TWindow* parent, int id, std::string_view title, int x, int y, int w, int h)
    : Attr{id, x, y, w, h, 0}, Title(title), parent_(parent) {
  if (parent_) parent_->children_.push_back(this);
}

TWindow::~TWindow() {
  Destroy();
  while (!children_.empty()) delete children_.back();
  if (parent_) std::erase(parent_->children_, this);
}

bool TWindow::Create() {
  if (widget_) return true;
  QWidget* container = nullptr;
  if (parent_) {
    container = parent_->ChildContainer();
    if (!container) return false;
  }
  widget_ = MakeWidget(container);
  if (parent_) widget_->setGeometry(Attr.X, Attr.Y, Attr.W, Attr.H);
  SetupWindow();
  for (TWindow* child : children_) child->Create();
  if (parent_) widget_->show();
  return true;
}

void TWindow::Destroy() {
  for (TWindow* child : children_) child->Destroy();
  for (const QMetaObject::Connection& connection : connections_) QObject::disconnect(connection);
  connections_.clear();
  if (widget_) {
    widget_->hide();
    widget_->deleteLater();
    widget_ = nullptr;
  }
}

void TWindow::Show() {
  if (widget_) widget_->show();
}

void TWindow::SetFocus() {
  if (widget_) widget_->setFocus(Qt::OtherFocusReason);
}

const TModule* TWindow::GetModule() const { return &TModule::Program(); }

int TWindow::MessageBox(std::string_view text, std::string_view caption, unsigned type) {
  return UserInterface().MessageBox(widget_, std::string(text), std::string(caption), type);
}

long TWindow::SendMessage(unsigned, unsigned long, long) { return 0; }

bool TWindow::Find(TEventInfo&) { return false; }

bool TWindow::Dispatch(TEventInfo info) {
  if (!Find(info) || !info.Handler) return false;
  info.Handler();
  return true;
}

void TWindow::NotifyParent(int code) {
  // Copies first: the handler may delete this window.
  TWindow* const parent = parent_;
  const int id = Attr.Id;
  if (parent) parent->Dispatch({TEventKind::ChildNotify, id, code, {}});
}
