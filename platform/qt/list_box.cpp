#include "platform/list_box.h"

#include "platform/qt/list_box_widget.h"
#include "platform/qt/native_window.h"
#include "platform/qt/text_codec.h"

int TListBox::InsertString(std::string_view text, int index) {
  auto* list = WidgetOf<ListBoxWidget>(*this);
  if (!list || index < -1 || index > list->count()) return -1;
  const int at = index == -1 ? list->count() : index;
  list->insertItem(at, ToQString(text));
  return at;
}

int TListBox::GetSelIndex() const {
  const auto* list = WidgetOf<ListBoxWidget>(*this);
  return list ? list->SelectedRow() : -1;
}

void TListBox::SetSelIndex(int index) {
  auto* list = WidgetOf<ListBoxWidget>(*this);
  if (!list) return;
  if (index >= 0 && index < list->count()) {
    list->setCurrentRow(index);
  } else {
    list->setCurrentIndex(QModelIndex());
  }
}

THandle TListBox::MakeWindow(THandle container) {
  auto* list = new ListBoxWidget(WidgetOf(container));
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  return HandleOf(list);
}

void TListBox::SetupWindow() {
  Native().Listen(WidgetOf<ListBoxWidget>(*this), &ListBoxWidget::UserSelected,
                  [this] { NotifyParent(LBN_SELCHANGE); });
}
