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

void TFrameWindow::EnableMenuItem(int id, bool enable) {
  if (TMenuItem* item = MenuItemOf(id)) {
    item->Enabled = enable;
    ShowMenuItem(*item);
  }
}

void TFrameWindow::SetMenuItemText(int id, std::string_view text) {
  if (TMenuItem* item = MenuItemOf(id)) {
    item->Text = text;
    ShowMenuItem(*item);
  }
}

TMenuItem* TFrameWindow::MenuItemOf(int id) {
  if (!menu_) return nullptr;
  for (TMenuPopup& popup : menu_->Popups) {
    for (TMenuItem& item : popup.Items) {
      if (item.Id == id) return &item;
    }
  }
  return nullptr;
}

bool TFrameWindow::CanClose() { return true; }

void TFrameWindow::EvDropFiles(const std::vector<std::string>&) {}
