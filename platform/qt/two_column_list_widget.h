// The widget of a two-column list: a single-selection list of rows that
// reports each change of the selection that the user makes, and only those,
// and the Delete key.
#pragma once

#include <QTreeWidget>

class TwoColumnListWidget : public QTreeWidget {
  Q_OBJECT

 public:
  using QTreeWidget::QTreeWidget;

  // The selected row, or -1.
  int SelectedRow() const;

 signals:
  // Once per click, key press or drag step of the user that selects another row.
  void UserSelected();
  // Once per press of Delete without modifiers.
  void DeletePressed();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // A click never takes the selection away: neither beside the rows nor on
  // the selected row with Ctrl.
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;

 private:
  // Runs `handle` and tells when it changed the selection.
  template <class Handle>
  void Watching(Handle handle);
};
