// Qt's weapon-choosing dialog used as a user uses it: Qt Test's mouse and
// key events sent to the real dialog, and what its widgets show.
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>

#include "tests/ui/offscreen_messages.h"
#include "tests/window/weapon_chooser_screen.h"

namespace kalvex::test {
namespace {

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

// The dialog's widgets, found as the user sees them.
struct ChooserWidgets {
  QLineEdit* filter;
  QTreeWidget* list;
  QPushButton* ok;
  QPushButton* cancel;
};

ChooserWidgets WidgetsOf(QDialog& dialog) {
  auto* buttons = dialog.findChild<QDialogButtonBox*>();
  return {dialog.findChild<QLineEdit*>(), dialog.findChild<QTreeWidget*>(),
          buttons->button(QDialogButtonBox::Ok), buttons->button(QDialogButtonBox::Cancel)};
}

ControlPlace PlaceIn(const QDialog& dialog, const QWidget* widget) {
  const QPoint at = widget->mapTo(&dialog, QPoint(0, 0));
  return {at.x(), at.y(), widget->width(), widget->height()};
}

ChooserShown Read(QDialog& dialog) {
  const ChooserWidgets w = WidgetsOf(dialog);
  ChooserShown shown;
  shown.Filter = Utf8(w.filter->text());
  const QList<QTreeWidgetItem*> selected = w.list->selectedItems();
  for (int row = 0; row < w.list->topLevelItemCount(); ++row) {
    QTreeWidgetItem* item = w.list->topLevelItem(row);
    if (item->isHidden()) continue;
    if (selected.contains(item)) {
      shown.Highlighted = int(shown.Rows.size());
      shown.HighlightedInView = w.list->viewport()->rect().contains(w.list->visualItemRect(item));
    }
    std::vector<std::string> cells;
    for (int column = 0; column < item->columnCount(); ++column) {
      cells.push_back(Utf8(item->text(column)));
    }
    shown.Rows.push_back(cells);
  }
  shown.OkEnabled = w.ok->isEnabled();
  const QWidget* focused = dialog.focusWidget();
  shown.Focused = focused == w.filter   ? "filter"
                  : focused == w.list   ? "list"
                  : focused == w.ok     ? "OK"
                  : focused == w.cancel ? "Cancel"
                                        : "";
  shown.Client = {0, 0, dialog.width(), dialog.height()};
  shown.FilterBox = PlaceIn(dialog, w.filter);
  shown.List = PlaceIn(dialog, w.list);
  shown.Ok = PlaceIn(dialog, w.ok);
  shown.Cancel = PlaceIn(dialog, w.cancel);
  return shown;
}

Qt::Key KeyNamed(const std::string& name) {
  if (name == "Down") return Qt::Key_Down;
  if (name == "Up") return Qt::Key_Up;
  if (name == "Enter") return Qt::Key_Return;
  if (name == "Escape") return Qt::Key_Escape;
  if (name == "Tab") return Qt::Key_Tab;
  if (name == "Backspace") return Qt::Key_Backspace;
  return Qt::Key_unknown;
}

void Do(QDialog& dialog, const ChooserStep& step) {
  const ChooserWidgets w = WidgetsOf(dialog);
  if (!step.Type.empty()) {
    QTest::mouseClick(w.filter, Qt::LeftButton, {}, w.filter->rect().center());
    QTest::keyClicks(w.filter, QString::fromStdString(step.Type));
  }
  if (!step.Keys.empty()) {
    // Through the dialog's window, as the desktop hands keys over: to the
    // focused widget, Tab to the focus chain, Enter to the default button.
    QTest::keyClick(dialog.windowHandle(), KeyNamed(step.Keys));
  }
  if (!step.Click.empty()) {
    QPushButton* button = step.Click == "OK" ? w.ok : step.Click == "Cancel" ? w.cancel : nullptr;
    if (button) QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
  }
  if (step.Width > 0) dialog.resize(step.Width, step.Height);
  QCoreApplication::processEvents();
}

}  // namespace

ChooserUse UseWeaponChooser(THandle owner, const TWeaponChoice& choice,
                            const std::vector<ChooserStep>& steps) {
  DropOffscreenPlatformLimits();  // a dialog of a least size tells of them
  ChooserUse use;
  bool cancelledAfterTheSteps = false;
  // Once the dialog's event loop runs, the dialog is up.
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog)) qWarning("the weapon chooser is not active");
    use.Shown.push_back(Read(*dialog));
    for (const ChooserStep& step : steps) {
      Do(*dialog, step);
      if (!dialog->isVisible()) return;
      use.Shown.push_back(Read(*dialog));
    }
    cancelledAfterTheSteps = true;
    dialog->reject();
  });
  TPlatformUserInterface platform;
  use.Taken = platform.ChooseWeapon(owner, choice);
  use.ClosedByTheSteps = !cancelledAfterTheSteps;
  return use;
}

}  // namespace kalvex::test
