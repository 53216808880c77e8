// The window cases' driver over Qt: the Qt Test editor driver's mouse and
// key events, and what the real widgets show.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QWidget>
#include <functional>

#include "platform/qt/native_window.h"
#include "tests/ui/editor_driver.h"
#include "tests/ui/menu_driver.h"
#include "tests/ui/page_support.h"
#include "tests/window/window_driver.h"

namespace kalvex::test {
namespace {

std::string Bytes(const QString& text) { return text.toLatin1().toStdString(); }

// The one shown widget of that class in the window's client area, or nullptr.
template <class Widget>
Widget* ShownWidget(const QMainWindow* frame, const std::function<bool(Widget*)>& fits = {}) {
  for (Widget* widget : frame->centralWidget()->findChildren<Widget*>()) {
    if (widget->isVisible() && (!fits || fits(widget))) return widget;
  }
  return nullptr;
}

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

// What a modal dialog shows: its title, its message or the label above its
// list, and the list's cells.
ScreenDialog Read(const QDialog& dialog) {
  ScreenDialog shown{Utf8(dialog.windowTitle()), {}, {}};
  if (const auto* box = qobject_cast<const QMessageBox*>(&dialog)) {
    shown.Text = Utf8(box->text());
  } else if (const auto* label = dialog.findChild<QLabel*>()) {
    shown.Text = Utf8(label->text());
  }
  if (const auto* list = dialog.findChild<QTreeWidget*>()) {
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
      const QTreeWidgetItem* item = list->topLevelItem(row);
      std::vector<std::string> cells;
      for (int column = 0; column < item->columnCount(); ++column) {
        cells.push_back(Utf8(item->text(column)));
      }
      shown.Rows.push_back(cells);
    }
  }
  return shown;
}

// Qt's own boxes and dialogs, each read as it comes up and then closed.
class OnScreenUserInterface : public TPlatformUserInterface {
 public:
  explicit OnScreenUserInterface(std::vector<ScreenDialog>& shown) : shown_(shown) {}

  int MessageBox(THandle owner, const std::string& text, const std::string& caption,
                 unsigned type) override {
    ReadWhenShown();
    const int answer = TPlatformUserInterface::MessageBox(owner, text, caption, type);
    GiveBackActivation(owner);
    return answer;
  }
  int LabelledMessageBox(THandle owner, const std::string& text, const std::string& caption,
                         unsigned type, const std::vector<std::string>& labels,
                         int defaultButton) override {
    ReadWhenShown();
    const int answer = TPlatformUserInterface::LabelledMessageBox(owner, text, caption, type,
                                                                  labels, defaultButton);
    GiveBackActivation(owner);
    return answer;
  }
  std::optional<std::size_t> ChooseWeapon(THandle owner, const TWeaponChoice& choice) override {
    ReadWhenShown();
    const std::optional<std::size_t> answer = TPlatformUserInterface::ChooseWeapon(owner, choice);
    GiveBackActivation(owner);
    return answer;
  }

 private:
  // Once the dialog's event loop runs, the dialog is up.
  void ReadWhenShown() {
    QTimer::singleShot(0, [this] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        shown_.push_back(Read(*dialog));
        dialog->reject();
      }
    });
  }

  // As a desktop does once a dialog has gone; the headless platform does not.
  static void GiveBackActivation(THandle owner) {
    if (QWidget* window = WidgetOf(owner) ? WidgetOf(owner)->window() : nullptr) {
      window->activateWindow();
      if (!QTest::qWaitForWindowActive(window)) qWarning("the dialog's owner is not active again");
    }
  }

  std::vector<ScreenDialog>& shown_;
};

class QtWindowDriver : public WindowDriver {
 public:
  bool Start() override { return editor_.Start(); }
  RecordingWindow& Window() override { return editor_.Window(); }
  ScriptedUserInterface& Ui() override { return editor_.Ui(); }

  bool ChooseMenuItem(std::string_view menu, std::string_view item) override {
    return ::ChooseMenuItem(editor_.Frame(), Latin1(menu), Latin1(item));
  }
  bool ClickPage(int page) override { return editor_.ClickPage(page); }
  bool Type(std::string_view slot, std::string_view text) override {
    return editor_.Type(slot, Latin1(text));
  }
  bool Paste(std::string_view slot, std::string_view text) override {
    return editor_.Paste(slot, Latin1(text));
  }
  bool Pick(std::string_view slot, int position) override { return editor_.Pick(slot, position); }
  bool ClickCheckBox() override { return editor_.ClickCheckBox(); }
  bool PressKeys(std::string_view keys) override {
    const QKeySequence sequence(keys == "Delete" ? QStringLiteral("Del") : Latin1(keys));
    const bool command = keys.starts_with("Ctrl+") || keys.starts_with('F');
    if (!command) {
      // Through the window, as the desktop hands keys over: to the focused
      // widget, Tab and Shift+Tab to the focus chain.
      QTest::keySequence(editor_.Frame()->windowHandle(), sequence);
    } else {
      // The command keys to the focused widget, where the window's shortcuts
      // take them.
      QWidget* focused = QApplication::focusWidget();
      QTest::keySequence(focused ? focused : editor_.Frame(), sequence);
    }
    QCoreApplication::processEvents();
    return true;
  }
  bool ClickListRow(int row) override {
    QTreeWidget* list = ShownWidget<QTreeWidget>(editor_.Frame());
    QTreeWidgetItem* item = list ? list->topLevelItem(row) : nullptr;
    if (!item) return false;
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    return true;
  }
  bool ClickButton(std::string_view caption) override {
    const QString text = Latin1(caption);
    QPushButton* button = ShownWidget<QPushButton>(
        editor_.Frame(), [&](QPushButton* shown) { return shown->text() == text; });
    if (!button) return false;
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    return true;
  }
  bool DropFiles(const std::vector<std::string>& paths) override {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& path : paths) urls << QUrl::fromLocalFile(QString::fromStdString(path));
    data.setUrls(urls);
    QWidget* frame = editor_.Frame();
    if (!frame->acceptDrops()) return false;
    QDragEnterEvent enter(QPoint(300, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(frame, &enter);
    if (enter.isAccepted()) {
      QDropEvent drop(QPointF(300, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
      QApplication::sendEvent(frame, &drop);
    }
    QCoreApplication::processEvents();
    return true;
  }

  std::string Title() const override { return editor_.Frame()->windowTitle().toStdString(); }
  std::optional<ShownMenuItem> MenuItem(int id) const override {
    for (const QAction* menu : editor_.Frame()->menuBar()->actions()) {
      if (!menu->menu()) continue;
      for (const QAction* item : menu->menu()->actions()) {
        if (item->data() != QVariant(id)) continue;
        return ShownMenuItem{Bytes(item->text()),
                             Bytes(item->shortcut().toString(QKeySequence::PortableText)),
                             item->isEnabled()};
      }
    }
    return std::nullopt;
  }
  std::optional<std::vector<ListRow>> ListRows() const override {
    const QTreeWidget* list = ShownWidget<QTreeWidget>(editor_.Frame());
    if (!list) return std::nullopt;
    std::vector<ListRow> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      const QTreeWidgetItem* item = list->topLevelItem(i);
      rows.emplace_back(Bytes(item->text(0)), Bytes(item->text(1)));
    }
    return rows;
  }
  std::optional<int> ListRowSelection() const override {
    const QTreeWidget* list = ShownWidget<QTreeWidget>(editor_.Frame());
    if (!list) return std::nullopt;
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.front());
  }
  std::optional<std::string> LineText(std::string_view line) const override {
    return Bytes(editor_.LineText(line));
  }
  std::optional<std::string> EditText(std::string_view slot) const override {
    const QLineEdit* edit = editor_.Edit(slot);
    return edit ? std::optional(Bytes(edit->text())) : std::nullopt;
  }
  std::optional<std::vector<std::string>> ListEntries(std::string_view slot) const override {
    const QComboBox* box = editor_.DropDown(slot);
    if (!box) return std::nullopt;
    std::vector<std::string> entries;
    for (int i = 0; i < box->count(); ++i) entries.push_back(Bytes(box->itemText(i)));
    return entries;
  }
  std::optional<int> ListSelection(std::string_view slot) const override {
    const QComboBox* box = editor_.DropDown(slot);
    return box ? std::optional(box->currentIndex()) : std::nullopt;
  }
  std::optional<std::string> CheckBoxCaption() const override {
    const QCheckBox* box = editor_.CheckBox();
    return box ? std::optional(Bytes(box->text())) : std::nullopt;
  }
  std::optional<bool> IsChecked() const override {
    const QCheckBox* box = editor_.CheckBox();
    return box ? std::optional(box->isChecked()) : std::nullopt;
  }
  std::optional<std::vector<std::string>> PageListEntries() const override {
    const QListWidget* list = editor_.PageList();
    if (!list) return std::nullopt;
    std::vector<std::string> entries;
    for (int i = 0; i < list->count(); ++i) entries.push_back(Bytes(list->item(i)->text()));
    return entries;
  }
  std::optional<int> PageListSelection() const override {
    const QListWidget* list = editor_.PageList();
    if (!list) return std::nullopt;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
  }
  std::optional<ControlPlace> Place(std::string_view slot) const override {
    const QWidget* control = editor_.Control(slot);
    if (!control || !control->isVisible()) return std::nullopt;
    const QPoint at = editor_.ClientPosition(control);
    return ControlPlace{at.x(), at.y(), control->width(), control->height()};
  }
  int ShownPageControls() const override {
    return kalvex::test::ShownPageControls(editor_.Frame());
  }

  void ShowDialogsOnScreen() override { Ui().AlsoShownOn = &onScreen_; }
  const std::vector<ScreenDialog>& ScreenDialogs() const override { return shown_; }

  // The close probe is the editor in a process of its own that closes its
  // window as a user does.
  int CloseEditorInOwnProcess(std::string_view how) override {
    QProcess editor;
    editor.start(QStringLiteral(KALVEX_CLOSE_PROBE), {Latin1(how), "1", "none"});
    if (!editor.waitForFinished(30000) || editor.exitStatus() != QProcess::NormalExit) return -1;
    return editor.exitCode();
  }

 private:
  EditorDriver editor_;
  std::vector<ScreenDialog> shown_;
  OnScreenUserInterface onScreen_{shown_};
};

}  // namespace

std::unique_ptr<WindowDriver> MakeWindowDriver() { return std::make_unique<QtWindowDriver>(); }

}  // namespace kalvex::test
