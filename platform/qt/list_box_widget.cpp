#include "platform/qt/list_box_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>

int ListBoxWidget::SelectedRow() const {
  const QModelIndexList rows = selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void ListBoxWidget::mousePressEvent(QMouseEvent* event) {
  const int before = SelectedRow();
  QListWidget::mousePressEvent(event);
  if (itemAt(event->position().toPoint()) || SelectedRow() != before) emit UserSelected();
}

void ListBoxWidget::mouseMoveEvent(QMouseEvent* event) {
  const int before = SelectedRow();
  QListWidget::mouseMoveEvent(event);
  if (SelectedRow() != before) emit UserSelected();
}

void ListBoxWidget::keyPressEvent(QKeyEvent* event) {
  // Enter and the space bar choose the highlighted entry, as a click does.
  const int key = event->key();
  if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
      (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
    event->accept();
    if (SelectedRow() >= 0) emit UserSelected();
    return;
  }
  const int before = SelectedRow();
  QListWidget::keyPressEvent(event);
  if (SelectedRow() != before) emit UserSelected();
}

QItemSelectionModel::SelectionFlags ListBoxWidget::selectionCommand(const QModelIndex& index,
                                                                    const QEvent* event) const {
  const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
  if (index.isValid() && flags.testFlag(QItemSelectionModel::Deselect)) {
    return QItemSelectionModel::ClearAndSelect;
  }
  return flags;
}
