#include "platform/window.h"

#include <vector>

#include "platform/module.h"
#include "platform/user_interface.h"
// The implementation's record of a window, which the constructor and the
// destructor need whole.
#ifdef _WIN32
#include "platform/win32/native_window.h"
#else
#include "platform/qt/native_window.h"
#endif

TWindow::TWindow(TWindow* parent, int id, std::string_view title, int x, int y, int w, int h)
    : Attr{id, x, y, w, h, 0}, Title(title), parent_(parent), native_(std::make_unique<TNative>()) {
  if (parent_) parent_->children_.push_back(this);
}

TWindow::~TWindow() {
  Destroy();
  while (!children_.empty()) delete children_.back();
  if (parent_) std::erase(parent_->children_, this);
}

THandle TWindow::ChildContainer() const { return GetHandle(); }

const TModule* TWindow::GetModule() const { return &TModule::Program(); }

int TWindow::MessageBox(std::string_view text, std::string_view caption, unsigned type) {
  return UserInterface().MessageBox(GetHandle(), std::string(text), std::string(caption), type);
}

int TWindow::MessageBox(std::string_view text, std::string_view caption, unsigned type,
                        std::span<const std::string_view> labels, int defaultButton) {
  const std::vector<std::string> buttons(labels.begin(), labels.end());
  if (buttons.empty()) return -1;
  if (defaultButton < 0 || defaultButton >= int(buttons.size())) defaultButton = 0;
  const int pressed = UserInterface().LabelledMessageBox(
      GetHandle(), std::string(text), std::string(caption), type, buttons, defaultButton);
  // Anything but a button's index counts as closing the box.
  return pressed >= 0 && pressed < int(buttons.size()) ? pressed : int(buttons.size()) - 1;
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
