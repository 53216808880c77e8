// Qt's weapon-choosing dialog: the prompt, a filter box and a list of the
// weapons, one row each (code, name, ID, line), the given one highlighted.
// Typing in the filter box hides the rows it does not show; Down and Up there
// move the highlight in the list. Enter, a double click or OK take the
// highlighted row, Escape or Cancel take none. The list takes whatever room
// the user gives the dialog.
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "platform/qt/native_window.h"
#include "platform/qt/text_codec.h"
#include "platform/user_interface.h"
#include "platform/weapon_filter.h"

namespace {

constexpr int kStartWidth = 520, kStartHeight = 360;
constexpr int kLeastWidth = 320, kLeastHeight = 240;

QTreeWidget* MakeList(QWidget* dialog, const TWeaponChoice& choice) {
  auto* list = new QTreeWidget(dialog);
  list->setObjectName(QStringLiteral("weapons"));
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setAllColumnsShowFocus(true);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  QStringList headings;
  for (const std::string_view heading : kWeaponColumnHeadings) headings << Utf8ToQString(heading);
  list->setHeaderLabels(headings);
  for (const TWeaponRow& row : choice.Rows) {
    auto* item = new QTreeWidgetItem(list, {Utf8ToQString(row.Code), Utf8ToQString(row.Name),
                                            Utf8ToQString(row.Id), QString::number(row.Line)});
    item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
  }
  list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  return list;
}

// Hands the keys that move through a list from the filter box to the list.
class ListKeys : public QObject {
 public:
  ListKeys(QLineEdit* filter, QTreeWidget* list) : QObject(filter), list_(list) {
    filter->installEventFilter(this);
  }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
        QCoreApplication::sendEvent(list_, event);
        return true;
      default:
        return false;
    }
  }

 private:
  QTreeWidget* list_;
};

class WeaponChooser : public QDialog {
 public:
  WeaponChooser(QWidget* owner, const TWeaponChoice& choice) : QDialog(owner), choice_(choice) {
    setWindowTitle(Utf8ToQString(choice.Caption));
    auto* prompt = new QLabel(Utf8ToQString(choice.Prompt), this);
    prompt->setTextFormat(Qt::PlainText);
    prompt->setWordWrap(true);
    auto* filterLabel = new QLabel(Utf8ToQString(kWeaponFilterLabel), this);
    filter_ = new QLineEdit(this);
    filterLabel->setBuddy(filter_);
    list_ = MakeList(this, choice);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setDefault(true);
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    new ListKeys(filter_, list_);

    connect(filter_, &QLineEdit::textChanged, this, &WeaponChooser::Filter);
    connect(list_, &QTreeWidget::itemSelectionChanged, this,
            [this] { ok_->setEnabled(HighlightedRow().has_value()); });
    // OK, Enter on a row and a double click take it, whatever the style's habit.
    connect(ok_, &QPushButton::clicked, this, &WeaponChooser::Take);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemActivated, this, &WeaponChooser::Take);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &WeaponChooser::Take);

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filter_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(filterRow);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    setTabOrder(filter_, list_);
    setTabOrder(list_, ok_);
    setTabOrder(ok_, cancel);
    setSizeGripEnabled(true);
    setMinimumSize(kLeastWidth, kLeastHeight);
    resize(kStartWidth, kStartHeight);

    Highlight(HighlightAmong(RowsShown("", choice.Rows), choice.Highlighted));
    filter_->setFocus();
  }

  // The highlighted row's index in the whole list, or nothing when no row is.
  std::optional<std::size_t> HighlightedRow() const {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty() || selected.front()->isHidden()) return std::nullopt;
    return std::size_t(list_->indexOfTopLevelItem(selected.front()));
  }

 protected:
  // Only now has the list the size it is shown with.
  void showEvent(QShowEvent* event) override {
    QDialog::showEvent(event);
    if (QTreeWidgetItem* item = list_->currentItem()) {
      list_->scrollToItem(item, QAbstractItemView::PositionAtCenter);
    }
  }

 private:
  void Filter(const QString& text) {
    const std::vector<std::size_t> shown = RowsShown(Utf8FromQString(text), choice_.Rows);
    std::vector<bool> hidden(choice_.Rows.size(), true);
    for (const std::size_t row : shown) hidden[row] = false;
    for (std::size_t row = 0; row < hidden.size(); ++row) {
      list_->topLevelItem(int(row))->setHidden(hidden[row]);
    }
    Highlight(HighlightAmong(shown, HighlightedRow()));
  }

  void Highlight(std::optional<std::size_t> row) {
    QTreeWidgetItem* item = row ? list_->topLevelItem(int(*row)) : nullptr;
    list_->setCurrentItem(item);
    if (item) {
      list_->scrollToItem(item);
    } else {
      list_->clearSelection();
    }
    ok_->setEnabled(item != nullptr);
  }

  void Take() {
    if (HighlightedRow()) accept();
  }

  const TWeaponChoice& choice_;
  QLineEdit* filter_;
  QTreeWidget* list_;
  QPushButton* ok_;
};

}  // namespace

std::optional<std::size_t> TPlatformUserInterface::ChooseWeapon(THandle owner,
                                                                const TWeaponChoice& choice) {
  if (choice.Rows.empty()) return std::nullopt;
  WeaponChooser dialog(WidgetOf(owner), choice);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.HighlightedRow();
}
