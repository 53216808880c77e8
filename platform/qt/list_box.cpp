#include "platform/list_box.h"

#include "platform/qt/list_box_widget.h"
#include "platform/qt/text_codec.h"

TListBox::TListBox(TWindow* parent, int id, int x, int y, int w, int h)
    : TWindow(parent, id, {}, x, y, w, h) {}

int TListBox::InsertString(std::string_view text, int index) {
  ListBoxWidget* list = List();
  if (!list || index < -1 || index > list->count()) return -1;
  const int at = index == -1 ? list->count() : index;
  list->insertItem(at, ToQString(text));
  return at;
}

int TListBox::GetSelIndex() const {
  const ListBoxWidget* list = List();
  return list ? list->SelectedRow() : -1;
}

void TListBox::SetSelIndex(int index) {
  ListBoxWidget* list = List();
  if (!list) return;
  if (index >= 0 && index < list->count()) {
    list->setCurrentRow(index);
  } else {
    list->setCurrentIndex(QModelIndex());
  }
}

QWidget* TListBox::MakeWidget(QWidget* container) {
  auto* list = new ListBoxWidget(container);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  return list;
}

void TListBox::SetupWindow() {
  Listen(List(), &ListBoxWidget::UserSelected, [this] { NotifyParent(LBN_SELCHANGE); });
}

ListBoxWidget* TListBox::List() const { return static_cast<ListBoxWidget*>(GetHandle()); }
