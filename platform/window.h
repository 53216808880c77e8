// The base of every window: a C++ object that exists before and after its
// platform window (a Qt widget), owns its child window objects, and passes
// commands and child notifications through its response table.
#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

#include "platform/event.h"
#include "platform/platform_constants.h"

class TModule;

// Identifier, place and size (pixels of the parent's client area) and style
// of a window, fixed before its platform window is created.
struct TWindowAttr {
  int Id = 0;
  int X = 0;
  int Y = 0;
  int W = 0;
  int H = 0;
  unsigned long Style = 0;
};

class TWindow {
 public:
  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;
  // Destroys the platform window and deletes the child window objects.
  virtual ~TWindow();

  // Makes the platform window and those of the children, at once when the
  // parent's window exists (else when the parent's is made). True when the
  // window exists afterwards.
  bool Create();
  // Destroys the platform window (and the children's) and keeps the object.
  // Safe inside the window's own notification: the widget is hidden at once
  // and released once the notification has returned.
  void Destroy();
  void Show();
  void SetFocus();

  // The platform window, or nullptr before Create and after Destroy.
  QWidget* GetHandle() const { return widget_; }
  TWindow* GetParent() const { return parent_; }
  int GetId() const { return Attr.Id; }
  const TModule* GetModule() const;

  // A modal message box owned by this window; returns the button pressed.
  int MessageBox(std::string_view text, std::string_view caption, unsigned type = MB_OK);
  // Sends a control message and returns its result; 0 for a message the
  // window does not know.
  virtual long SendMessage(unsigned message, unsigned long wParam = 0, long lParam = 0);

  // Looks the event up in the response table; true when a handler was found,
  // which then stands in `info.Handler`.
  virtual bool Find(TEventInfo& info);
  // Runs the handler that Find gives; true when there was one.
  bool Dispatch(TEventInfo info);

  TWindowAttr Attr;

 protected:
  TWindow(TWindow* parent, int id, std::string_view title, int x, int y, int w, int h);

  // Makes the widget inside `container` (nullptr for a top-level window).
  virtual QWidget* MakeWidget(QWidget* container) = 0;
  // Runs once the widget exists and stands at its place.
  virtual void SetupWindow() {}
  // Where the children's widgets go.
  virtual QWidget* ChildContainer() const { return widget_; }

  // Sends `code` with this window's identifier to the parent's response table.
  // The parent's handler may destroy or delete this window.
  void NotifyParent(int code);

  // Connects `signal` of `sender` to `slot` until the window is destroyed.
  template <class Sender, class Signal, class Slot>
  void Listen(const Sender* sender, Signal signal, Slot slot) {
    connections_.push_back(QObject::connect(sender, signal, std::move(slot)));
  }

  std::string Title;

 private:
  TWindow* parent_;
  std::vector<TWindow*> children_;
  QPointer<QWidget> widget_;
  std::vector<QMetaObject::Connection> connections_;
};
