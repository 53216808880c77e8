#include "platform/qt/two_column_list_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>

int TwoColumnListWidget::SelectedRow() const {
  const QList<QTreeWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.constFirst());
}

template <class Handle>
void TwoColumnListWidget::Watching(Handle handle) {
  const int before = SelectedRow();
  handle();
  const int after = SelectedRow();
  if (after >= 0 && after != before) emit UserSelected();
}

void TwoColumnListWidget::mousePressEvent(QMouseEvent* event) {
  Watching([&] { QTreeWidget::mousePressEvent(event); });
}

void TwoColumnListWidget::mouseMoveEvent(QMouseEvent* event) {
  Watching([&] { QTreeWidget::mouseMoveEvent(event); });
}

void TwoColumnListWidget::mouseReleaseEvent(QMouseEvent* event) {
  Watching([&] { QTreeWidget::mouseReleaseEvent(event); });
}

void TwoColumnListWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  Watching([&] { QTreeWidget::mouseDoubleClickEvent(event); });
}

void TwoColumnListWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete &&
      (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    event->accept();
    emit DeletePressed();
    return;
  }
  Watching([&] { QTreeWidget::keyPressEvent(event); });
}

QItemSelectionModel::SelectionFlags TwoColumnListWidget::selectionCommand(
    const QModelIndex& index, const QEvent* event) const {
  if (!index.isValid()) return QItemSelectionModel::NoUpdate;
  const QItemSelectionModel::SelectionFlags flags = QTreeWidget::selectionCommand(index, event);
  if (flags.testFlag(QItemSelectionModel::Deselect)) {
    return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
  }
  return flags;
}
