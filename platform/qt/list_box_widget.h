// The widget of a list box: a single-selection list that reports each
// selection the user makes, and only those.
#pragma once

#include <QListWidget>

class ListBoxWidget : public QListWidget {
  Q_OBJECT

 public:
  using QListWidget::QListWidget;

  // The selected row, or -1.
  int SelectedRow() const;

 signals:
  // Once per click on an entry (also on the selected one), per Enter or
  // space bar on the selected entry, and per key press or drag step that
  // moves the selection.
  void UserSelected();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // A click never takes the selection away from the entry clicked.
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
};
