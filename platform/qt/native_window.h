// Qt's side of a window: the widget behind a TWindow, and the connections of
// its signals to the window object, which are cut when the window is
// destroyed so that a widget waiting for its deferred release sends nothing.
#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <utility>
#include <vector>

#include "platform/window.h"

struct TWindow::TNative {
  QPointer<QWidget> widget;  // null once Qt has deleted the widget
  std::vector<QMetaObject::Connection> connections;

  // Connects `signal` of `sender` to `slot` until the window is destroyed.
  template <class Sender, class Signal, class Slot>
  void Listen(const Sender* sender, Signal signal, Slot slot) {
    connections.push_back(QObject::connect(sender, signal, std::move(slot)));
  }
};

// A handle is the widget's address.
inline QWidget* WidgetOf(THandle handle) {
  return static_cast<QWidget*>(static_cast<void*>(handle));
}
inline THandle HandleOf(QWidget* widget) {
  return static_cast<THandle>(static_cast<void*>(widget));
}

// The widget of `window` as the widget class its implementation makes, or
// nullptr while the window does not exist.
template <class Widget = QWidget>
Widget* WidgetOf(const TWindow& window) {
  return static_cast<Widget*>(WidgetOf(window.GetHandle()));
}
