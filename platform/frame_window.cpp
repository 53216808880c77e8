#include "platform/frame_window.h"

#include "script/ascii_case.h"

TFrameWindow::TFrameWindow(TWindow* parent, std::string_view title)
    : TWindow(parent, 0, title, 0, 0, 0, 0) {
  Attr.Style = WS_OVERLAPPEDWINDOW;
}

bool TFrameWindow::AcceptsDroppedFile(std::string_view path) const {
  if (dropExtension_.empty() || path.size() <= dropExtension_.size()) return false;
  const std::string_view ending = path.substr(path.size() - dropExtension_.size() - 1);
  return ending.front() == '.' && kalvex::EqualIgnoringCase(ending.substr(1), dropExtension_);
}

bool TFrameWindow::CanClose() { return true; }

void TFrameWindow::EvDropFiles(const std::vector<std::string>&) {}
