// The window cases' driver over Qt: Qt Test's mouse and key events, sent as
// a user's input arrives, and what the real widgets show.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
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
#include <QWindow>
#include <functional>

#include "platform/qt/native_window.h"
#include "tests/window/close_probe.h"
#include "tests/window/window_driver.h"
#include "tests/window/window_slots.h"

namespace kalvex::test {
namespace {

// The editor's texts are single bytes, shown as Latin-1.
QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

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

// The letter after the ampersand, in lower case; 0 when there is none.
char MnemonicOf(const QString& text) {
  const qsizetype at = text.indexOf(QLatin1Char('&'));
  if (at < 0 || at + 1 >= text.size()) return 0;
  return text.at(at + 1).toLower().toLatin1();
}

// Clicks into the edit and deletes all it holds, as a user starts over.
QLineEdit* EmptiedEdit(QLineEdit* edit) {
  if (!edit) return nullptr;
  QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  if (!edit->text().isEmpty()) QTest::keyClick(edit, Qt::Key_Backspace);
  return edit;
}

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
  bool Start() override {
    if (!window_.Create()) return false;
    window_.Show();
    MainWidget()->activateWindow();
    return QTest::qWaitForWindowActive(MainWidget());
  }
  RecordingWindow& Window() override { return window_; }
  ScriptedUserInterface& Ui() override { return ui_; }

  // Alt and the menu's mnemonic letter open the menu, the item's letter
  // chooses the item.
  bool ChooseMenuItem(std::string_view menu, std::string_view item) override {
    QTest::keyClick(MainWidget(), MnemonicOf(Latin1(menu)), Qt::AltModifier);
    auto* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!shown || shown->title() != Latin1(menu)) return false;
    QTest::keyClick(shown, MnemonicOf(Latin1(item)));
    // A letter that chooses nothing leaves the menu open; a user closes it.
    if (QWidget* open = QApplication::activePopupWidget()) open->close();
    // As a desktop does once the menu has gone; the headless platform would
    // leave the closed menu the active window.
    MainWidget()->activateWindow();
    return QTest::qWaitForWindowActive(MainWidget());
  }
  bool ClickPage(int page) override {
    QListWidget* list = PageList();
    if (!list || page < 0 || page >= list->count()) return false;
    QListWidgetItem* item = list->item(page);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    return true;
  }
  bool Type(std::string_view slot, std::string_view text) override {
    QLineEdit* edit = EmptiedEdit(Edit(slot));
    if (!edit) return false;
    for (const QChar c : Latin1(text)) TypeCharacter(edit, c);
    return true;
  }
  bool Paste(std::string_view slot, std::string_view text) override {
    QLineEdit* edit = EmptiedEdit(Edit(slot));
    if (!edit) return false;
    QGuiApplication::clipboard()->setText(Latin1(text));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    return true;
  }
  bool Pick(std::string_view slot, int position) override {
    QComboBox* box = DropDown(slot);
    if (!box || position < 0 || position >= box->count()) return false;
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    QAbstractItemView* view = box->view();
    if (!QTest::qWaitForWindowExposed(view->window())) return false;
    const QModelIndex entry = view->model()->index(position, box->modelColumn());
    view->scrollTo(entry);
    // The list takes a release as a choice only once the mouse has moved away
    // from the click that opened it; a user moves the mouse to the entry.
    QWidget* area = view->viewport();
    const QPoint target(area->width() / 2, view->visualRect(entry).center().y());
    for (const QPoint via : {QPoint(1, 1), QPoint(area->width() - 2, area->height() - 2), target}) {
      QTest::mouseMove(area, via);
    }
    QTest::mouseClick(area, Qt::LeftButton, {}, target);
    return !view->window()->isVisible();
  }
  bool ClickCheckBox() override {
    QCheckBox* box = CheckBox();
    if (!box) return false;
    // The box itself, at the left end of the caption.
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
    return true;
  }
  bool PressKeys(std::string_view keys) override {
    QWidget* focused = MainWidget()->focusWidget();
    if (keys.size() == 1) {
      TypeCharacter(focused ? focused : MainWidget(), QChar(Latin1(keys).front()));
    } else if (keys == "Keypad Enter") {
      QTest::keyClick(focused ? focused : MainWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    } else if (keys.starts_with("Ctrl+") || keys.starts_with('F')) {
      // The command keys to the focused widget, where the window's
      // shortcuts take them.
      QTest::keySequence(focused ? focused : MainWidget(), QKeySequence(Latin1(keys)));
    } else {
      // Through the window, as the desktop hands keys over: to the focused
      // widget, Tab and Shift+Tab to the focus chain.
      const QKeySequence sequence(keys == "Enter"    ? QStringLiteral("Return")
                                  : keys == "Delete" ? QStringLiteral("Del")
                                                     : Latin1(keys));
      QTest::keySequence(MainWidget()->windowHandle(), sequence);
    }
    QCoreApplication::processEvents();
    return true;
  }
  bool ClickListRow(int row) override {
    QTreeWidget* list = ShownWidget<QTreeWidget>(MainWidget());
    QTreeWidgetItem* item = list ? list->topLevelItem(row) : nullptr;
    if (!item) return false;
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    return true;
  }
  bool ClickButton(std::string_view caption) override {
    const QString text = Latin1(caption);
    QPushButton* button = ShownWidget<QPushButton>(
        MainWidget(), [&](QPushButton* shown) { return shown->text() == text; });
    if (!button) return false;
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    return true;
  }
  // As a file manager gives them: each name's bytes in %XX.
  bool DropFiles(const std::vector<std::string>& paths) override {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& path : paths) {
      urls << QUrl::fromEncoded("file://" + QByteArray(path.c_str()).toPercentEncoding("/"));
    }
    data.setUrls(urls);
    if (!MainWidget()->acceptDrops()) return false;
    QDragEnterEvent enter(QPoint(300, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(MainWidget(), &enter);
    if (enter.isAccepted()) {
      QDropEvent drop(QPointF(300, 200), Qt::CopyAction, &data, Qt::LeftButton, {});
      QApplication::sendEvent(MainWidget(), &drop);
    }
    QCoreApplication::processEvents();
    return true;
  }

  std::string Title() const override { return MainWidget()->windowTitle().toStdString(); }
  std::optional<ShownMenuItem> MenuItem(int id) const override {
    for (const QAction* menu : MainWidget()->menuBar()->actions()) {
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
    const QTreeWidget* list = ShownWidget<QTreeWidget>(MainWidget());
    if (!list) return std::nullopt;
    std::vector<ListRow> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      const QTreeWidgetItem* item = list->topLevelItem(i);
      rows.emplace_back(Bytes(item->text(0)), Bytes(item->text(1)));
    }
    return rows;
  }
  std::optional<int> ListRowSelection() const override {
    const QTreeWidget* list = ShownWidget<QTreeWidget>(MainWidget());
    if (!list) return std::nullopt;
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.front());
  }
  std::optional<std::string> LineText(std::string_view line) const override {
    return TextOf(*LabelLine(window_, line));
  }
  std::optional<std::string> EditText(std::string_view slot) const override {
    const QLineEdit* edit = Edit(slot);
    return edit ? std::optional(Bytes(edit->text())) : std::nullopt;
  }
  std::optional<std::vector<std::string>> ListEntries(std::string_view slot) const override {
    const QComboBox* box = DropDown(slot);
    if (!box) return std::nullopt;
    std::vector<std::string> entries;
    for (int i = 0; i < box->count(); ++i) entries.push_back(Bytes(box->itemText(i)));
    return entries;
  }
  std::optional<int> ListSelection(std::string_view slot) const override {
    const QComboBox* box = DropDown(slot);
    return box ? std::optional(box->currentIndex()) : std::nullopt;
  }
  std::optional<std::string> CheckBoxCaption() const override {
    const QCheckBox* box = CheckBox();
    return box ? std::optional(Bytes(box->text())) : std::nullopt;
  }
  std::optional<bool> IsChecked() const override {
    const QCheckBox* box = CheckBox();
    return box ? std::optional(box->isChecked()) : std::nullopt;
  }
  std::optional<std::vector<std::string>> PageListEntries() const override {
    const QListWidget* list = PageList();
    if (!list) return std::nullopt;
    std::vector<std::string> entries;
    for (int i = 0; i < list->count(); ++i) entries.push_back(Bytes(list->item(i)->text()));
    return entries;
  }
  std::optional<int> PageListSelection() const override {
    const QListWidget* list = PageList();
    if (!list) return std::nullopt;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
  }
  std::optional<ControlPlace> Place(std::string_view slot) const override {
    const TWindow* control = SlotControl(window_, slot);
    return control ? PlaceOf(*control) : std::nullopt;
  }
  int ShownPageControls() const override {
    int shown = 0;
    for (const QWidget* widget : MainWidget()->findChildren<QWidget*>()) {
      const bool control = qobject_cast<const QLineEdit*>(widget) ||
                           qobject_cast<const QComboBox*>(widget) ||
                           qobject_cast<const QCheckBox*>(widget);
      if (control && widget->isVisible()) ++shown;
    }
    return shown;
  }

  void ShowDialogsOnScreen() override { ui_.AlsoShownOn = &onScreen_; }
  const std::vector<ScreenDialog>& ScreenDialogs() const override { return shown_; }

  int CloseEditorInOwnProcess(std::string_view how) override {
    return CloseInOwnProcess({.How = std::string(how)}).Status;
  }

  FrameShown Frame() const override {
    const QMainWindow* frame = MainWidget();
    const Qt::WindowFlags flags = frame->windowFlags();
    QSize icon;
    for (const QSize size : frame->windowIcon().availableSizes()) icon = icon.expandedTo(size);
    return {.OuterW = frame->frameGeometry().width(),
            .OuterH = frame->frameGeometry().height(),
            .Sizable = frame->minimumSize() != frame->maximumSize(),
            .MinimizeBox = flags.testFlag(Qt::WindowMinimizeButtonHint),
            .MaximizeBox = flags.testFlag(Qt::WindowMaximizeButtonHint),
            .CloseBox = flags.testFlag(Qt::WindowCloseButtonHint),
            .IconW = icon.width(),
            .IconH = icon.height()};
  }
  std::vector<MenuItemShown> MenuItems() const override {
    std::vector<MenuItemShown> items;
    for (const QAction* menu : MainWidget()->menuBar()->actions()) {
      for (const QAction* item : menu->menu()->actions()) {
        items.push_back({Bytes(menu->text()), Bytes(item->text()),
                         Bytes(item->shortcut().toString(QKeySequence::PortableText)),
                         item->isEnabled() && !item->isSeparator()});
      }
    }
    return items;
  }
  std::optional<ControlPlace> PlaceOf(const TWindow& control) const override {
    const QWidget* widget = WidgetOf(control);
    if (!widget || !widget->isVisible()) return std::nullopt;
    const int menuBottom = MainWidget()->menuBar()->geometry().bottom() + 1;
    const QPoint at = widget->mapTo(MainWidget(), QPoint(0, 0)) - QPoint(0, menuBottom);
    return ControlPlace{at.x(), at.y(), widget->width(), widget->height()};
  }
  std::optional<std::string> TextOf(const TWindow& control) const override {
    const QWidget* widget = WidgetOf(control);
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return Bytes(label->text());
    if (const auto* box = qobject_cast<const QGroupBox*>(widget)) return Bytes(box->title());
    return std::nullopt;
  }
  std::string KindOf(std::string_view slot) const override {
    const TWindow* control = SlotControl(window_, slot);
    const QWidget* widget = control ? WidgetOf(*control) : nullptr;
    if (qobject_cast<const QLineEdit*>(widget)) return "edit";
    if (const auto* box = qobject_cast<const QComboBox*>(widget)) {
      return box->isEditable() ? "editable list" : "drop-down list";
    }
    if (qobject_cast<const QCheckBox*>(widget)) return "check box";
    return "";
  }
  std::optional<std::string> ListText(std::string_view slot) const override {
    const QComboBox* box = DropDown(slot);
    return box ? std::optional(Bytes(box->currentText())) : std::nullopt;
  }
  std::string Focused() const override {
    const QWidget* focused = MainWidget()->focusWidget();
    if (!focused) return "";
    if (focused == PageList()) return "ComboBox";
    for (const std::string_view slot : AllSlots()) {
      if (Control(slot) == focused) return std::string(slot);
    }
    return "";
  }

  bool ClickIntoEdit(std::string_view slot) override {
    QLineEdit* edit = Edit(slot);
    if (!edit) return false;
    QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
    QTest::keyClick(edit, Qt::Key_End);
    return edit->hasFocus();
  }
  bool PutOnClipboard(std::string_view text) override {
    QGuiApplication::clipboard()->setText(Latin1(text));
    return true;
  }
  bool ClickCloseBox() override {
    MainWidget()->windowHandle()->close();  // what the close box and the window menu send
    return true;
  }

  ClosedProcess CloseInOwnProcess(const CloseRequest& request) override {
    QStringList arguments;
    for (const std::string& argument : CloseProbeArguments(request)) {
      arguments << QString::fromStdString(argument);
    }
    QProcess probe;
    probe.start(QCoreApplication::applicationFilePath(), arguments);
    if (!probe.waitForFinished(60000) || probe.exitStatus() != QProcess::NormalExit) return {};
    return {probe.exitCode(), probe.readAllStandardOutput().toStdString()};
  }

 private:
  QMainWindow* MainWidget() const { return WidgetOf<QMainWindow>(window_); }
  QListWidget* PageList() const {
    return window_.PageList() ? WidgetOf<QListWidget>(*window_.PageList()) : nullptr;
  }
  QWidget* Control(std::string_view slot) const {
    const TWindow* control = SlotControl(window_, slot);
    return control ? WidgetOf(*control) : nullptr;
  }
  QLineEdit* Edit(std::string_view slot) const { return qobject_cast<QLineEdit*>(Control(slot)); }
  QComboBox* DropDown(std::string_view slot) const {
    return qobject_cast<QComboBox*>(Control(slot));
  }
  QCheckBox* CheckBox() const { return qobject_cast<QCheckBox*>(Control("Check1")); }

  static void TypeCharacter(QWidget* widget, QChar c) {
    if (c == QLatin1Char('\n')) {
      QTest::keyClick(widget, Qt::Key_Return);  // a line end is typed with the Enter key
    } else if (c.unicode() > 0x7E) {
      // A character beyond ASCII comes as text from a key the test cannot name.
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    } else {
      QTest::keyClicks(widget, QString(c));
    }
  }

  ScriptedUserInterface ui_;
  RecordingWindow window_;  // destroyed before the interface it uses
  std::vector<ScreenDialog> shown_;
  OnScreenUserInterface onScreen_{shown_};
};

}  // namespace

std::unique_ptr<WindowDriver> MakeWindowDriver() { return std::make_unique<QtWindowDriver>(); }

}  // namespace kalvex::test
