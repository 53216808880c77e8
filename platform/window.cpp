#include "platform/window.h"

#include <vector>

#include "platform/module.h"
#include "platform/user_interface.h"

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
