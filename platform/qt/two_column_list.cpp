#include "platform/two_column_list.h"

#include <QHeaderView>

#include "platform/qt/native_window.h"
#include "platform/qt/text_codec.h"
#include "platform/qt/two_column_list_widget.h"

namespace {

QTreeWidgetItem* RowAt(TwoColumnListWidget* list, int index) {
  return list && index >= 0 ? list->topLevelItem(index) : nullptr;
}

}  // namespace

int TTwoColumnList::InsertRow(int index, std::string_view left, std::string_view right) {
  auto* list = WidgetOf<TwoColumnListWidget>(*this);
  if (!list || index < -1 || index > list->topLevelItemCount()) return -1;
  const int at = index == -1 ? list->topLevelItemCount() : index;
  list->insertTopLevelItem(at, new QTreeWidgetItem({ToQString(left), ToQString(right)}));
  return at;
}

bool TTwoColumnList::SetRow(int index, std::string_view left, std::string_view right) {
  QTreeWidgetItem* row = RowAt(WidgetOf<TwoColumnListWidget>(*this), index);
  if (!row) return false;
  row->setText(0, ToQString(left));
  row->setText(1, ToQString(right));
  return true;
}

bool TTwoColumnList::RemoveRow(int index) {
  auto* list = WidgetOf<TwoColumnListWidget>(*this);
  if (!RowAt(list, index)) return false;
  const bool selected = list->SelectedRow() == index;
  delete list->takeTopLevelItem(index);
  // Qt selects a neighbour instead.
  if (selected) SetSelIndex(-1);
  return true;
}

void TTwoColumnList::Clear() {
  if (auto* list = WidgetOf<TwoColumnListWidget>(*this)) list->clear();
}

int TTwoColumnList::GetRowCount() const {
  const auto* list = WidgetOf<TwoColumnListWidget>(*this);
  return list ? list->topLevelItemCount() : 0;
}

int TTwoColumnList::GetSelIndex() const {
  const auto* list = WidgetOf<TwoColumnListWidget>(*this);
  return list ? list->SelectedRow() : -1;
}

void TTwoColumnList::SetSelIndex(int index) {
  auto* list = WidgetOf<TwoColumnListWidget>(*this);
  if (!list) return;
  if (QTreeWidgetItem* row = RowAt(list, index)) {
    list->setCurrentItem(row);
    list->scrollToItem(row);
  } else {
    list->clearSelection();
    list->setCurrentItem(nullptr);
  }
}

THandle TTwoColumnList::MakeWindow(THandle container) {
  auto* list = new TwoColumnListWidget(WidgetOf(container));
  list->setColumnCount(2);
  list->setHeaderLabels({ToQString(leftHeading_), ToQString(rightHeading_)});
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setAllColumnsShowFocus(true);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->header()->setSectionsMovable(false);
  list->setColumnWidth(0, Attr.W / 2);
  return HandleOf(list);
}

void TTwoColumnList::SetupWindow() {
  auto* list = WidgetOf<TwoColumnListWidget>(*this);
  Native().Listen(list, &TwoColumnListWidget::UserSelected,
                  [this] { NotifyParent(TLN_SELCHANGE); });
  Native().Listen(list, &TwoColumnListWidget::DeletePressed,
                  [this] { NotifyParent(TLN_DELETEKEY); });
}
