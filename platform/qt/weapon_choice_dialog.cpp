// Qt's weapon-choosing dialog: the prompt above a list of the weapons, one
// row each (code, name, ID, line), the first highlighted; Enter, a double
// click or OK take the highlighted row, Escape or Cancel take none.
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <string>

#include "platform/qt/native_window.h"
#include "platform/qt/text_codec.h"
#include "platform/user_interface.h"

namespace {

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
  list->setCurrentItem(list->topLevelItem(0));
  return list;
}

}  // namespace

std::optional<std::size_t> TPlatformUserInterface::ChooseWeapon(THandle owner,
                                                                const TWeaponChoice& choice) {
  if (choice.Rows.empty()) return std::nullopt;
  QDialog dialog(WidgetOf(owner));
  dialog.setWindowTitle(Utf8ToQString(choice.Caption));
  auto* prompt = new QLabel(Utf8ToQString(choice.Prompt), &dialog);
  prompt->setTextFormat(Qt::PlainText);
  prompt->setWordWrap(true);
  QTreeWidget* list = MakeList(&dialog, choice);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  // Enter on a row and a double click take it, whatever the style's habit.
  QObject::connect(list, &QTreeWidget::itemActivated, &dialog, &QDialog::accept);
  QObject::connect(list, &QTreeWidget::itemDoubleClicked, &dialog, &QDialog::accept);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(prompt);
  layout->addWidget(list);
  layout->addWidget(buttons);
  dialog.resize(520, 360);
  list->setFocus();
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const int row = list->indexOfTopLevelItem(list->currentItem());
  if (row < 0) return std::nullopt;
  return std::size_t(row);
}
