// The base of every window: a C++ object that exists before and after its
// platform window (a Qt widget, a Win32 HWND), owns its child window objects,
// and passes commands and child notifications through its response table.
//
// Each implementation of the layer defines, for every window class, the
// members that touch the platform window: Create, Destroy, Show, SetFocus,
// HasFocus, GetHandle, and each control's MakeWindow and SetupWindow. The
// rest is common to both, in platform/window.cpp.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/event.h"
#include "platform/platform_constants.h"

class TModule;

// The platform's own window behind a TWindow. It is opaque above the layer:
// only the implementation turns it into its own type (a Qt widget, a Win32
// window handle).
struct TPlatformWindow;
using THandle = TPlatformWindow*;

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
  // Safe inside the window's own notification: the platform window is hidden
  // at once and released once the notification has returned; from then on
  // it sends nothing to this object.
  void Destroy();
  void Show();
  // Gives the window the keyboard focus.
  void SetFocus();
  // Whether the window has the keyboard focus; false when it does not exist.
  bool HasFocus() const;

  // The platform window, or nullptr before Create and after Destroy.
  THandle GetHandle() const;
  TWindow* GetParent() const { return parent_; }
  int GetId() const { return Attr.Id; }
  const TModule* GetModule() const;

  // A modal message box owned by this window and centred on it; returns the
  // button pressed (see TUserInterface::MessageBox).
  int MessageBox(std::string_view text, std::string_view caption, unsigned type = MB_OK);
  // A modal message box whose buttons carry `labels`, left to right, with
  // `defaultButton` the one that Enter presses; `type` gives the icon only.
  // Returns the index of the button pressed; closing the box gives the last
  // index, so the last button is the one that changes nothing ("Cancel").
  int MessageBox(std::string_view text, std::string_view caption, unsigned type,
                 std::span<const std::string_view> labels, int defaultButton);
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

  // Makes the platform window inside `container` (nullptr for a top-level
  // window) and returns it.
  virtual THandle MakeWindow(THandle container) = 0;
  // Runs once the platform window exists and stands at its place.
  virtual void SetupWindow() {}
  // Where the children's platform windows go; by default the window itself.
  virtual THandle ChildContainer() const;

  // Sends `code` with this window's identifier to the parent's response table.
  // The parent's handler may destroy or delete this window.
  void NotifyParent(int code);

  // The implementation's record of the platform window while it exists
  // (the window itself and what ties its notifications to this object).
  struct TNative;
  TNative& Native() const { return *native_; }

  // The window's text: single bytes (see platform/platform.h).
  std::string Title;

 private:
  TWindow* parent_;
  std::vector<TWindow*> children_;
  std::unique_ptr<TNative> native_;
};
