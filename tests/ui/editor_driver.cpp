#include "tests/ui/editor_driver.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <cstdlib>
#include <utility>

#include "pages/control_ids.h"
#include "platform/qt/native_window.h"
#include "record/record_fields.h"
#include "tests/ui/menu_driver.h"

namespace kalvex::test {
namespace {

const RecordField& FieldNamed(std::string_view member) {
  const RecordField* field = FindRecordField(member);
  if (!field) qFatal("no record member %.*s", int(member.size()), member.data());
  return *field;
}

// Clicks into the edit and deletes all it holds, as a user starts over.
QLineEdit* EmptiedEdit(QLineEdit* edit) {
  if (!edit) return nullptr;
  QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  if (!edit->text().isEmpty()) QTest::keyClick(edit, Qt::Key_Backspace);
  return edit;
}

}  // namespace

bool EditorWindow::Find(TEventInfo& info) {
  if (info.Kind == TEventKind::ChildNotify && info.Id == ID_SIMPLE_COMBOBOX &&
      info.NotifyCode == CBN_SELCHANGE) {
    ++PageSwitches;
  }
  return RecordingWindow::Find(info);
}

EditorDriver::EditorDriver()
    : ui_(std::make_unique<ScriptedUserInterface>()), window_(std::make_unique<EditorWindow>()) {}

bool EditorDriver::Start() {
  if (!window_->Create()) return false;
  window_->Show();
  Frame()->activateWindow();
  return QTest::qWaitForWindowActive(Frame());
}

QMainWindow* EditorDriver::Frame() const { return WidgetOf<QMainWindow>(*window_); }

bool EditorDriver::FileNew() { return ChooseMenuItem(Frame(), "&File", "&New"); }
bool EditorDriver::FileOpen() { return ChooseMenuItem(Frame(), "&File", "O&pen"); }
bool EditorDriver::FileSave() { return ChooseMenuItem(Frame(), "&File", "Sa&ve"); }
bool EditorDriver::HelpContents() { return ChooseMenuItem(Frame(), "&Help", "&Contents"); }
bool EditorDriver::HelpAbout() { return ChooseMenuItem(Frame(), "&Help", "&About"); }

QListWidget* EditorDriver::PageList() const {
  return window_->PageList() ? WidgetOf<QListWidget>(*window_->PageList()) : nullptr;
}

bool EditorDriver::ClickPage(int page) {
  QListWidget* list = PageList();
  if (!list || page < 0 || page >= list->count()) return false;
  QListWidgetItem* item = list->item(page);
  list->scrollToItem(item);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
  return true;
}

bool EditorDriver::PressInPageList(int key) {
  QListWidget* list = PageList();
  if (!list) return false;
  QTest::keyClick(list, static_cast<Qt::Key>(key));
  return true;
}

const TWindow* EditorDriver::SlotControl(std::string_view slot) const {
  return kalvex::test::SlotControl(*window_, slot);
}

QWidget* EditorDriver::Control(std::string_view slot) const {
  const TWindow* control = SlotControl(slot);
  return control ? WidgetOf(*control) : nullptr;
}

QLineEdit* EditorDriver::Edit(std::string_view slot) const {
  return qobject_cast<QLineEdit*>(Control(slot));
}

QComboBox* EditorDriver::DropDown(std::string_view slot) const {
  return qobject_cast<QComboBox*>(Control(slot));
}

QCheckBox* EditorDriver::CheckBox() const { return qobject_cast<QCheckBox*>(Control("Check1")); }

QString EditorDriver::LineText(std::string_view line) const {
  return WidgetOf<const QLabel>(*LabelLine(*window_, line))->text();
}

QPoint EditorDriver::ClientPosition(const QWidget* widget) const {
  const int menuBottom = Frame()->menuBar()->geometry().bottom() + 1;
  return widget->mapTo(Frame(), QPoint(0, 0)) - QPoint(0, menuBottom);
}

bool EditorDriver::Type(std::string_view slot, const QString& text) {
  QLineEdit* edit = EmptiedEdit(Edit(slot));
  if (!edit) return false;
  for (const QChar c : text) {
    if (c == QLatin1Char('\n')) {
      QTest::keyClick(edit, Qt::Key_Return);  // a line end is typed with the Enter key
    } else if (c.unicode() > 0x7E) {
      // A character beyond ASCII comes as text from a key the test cannot name.
      QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    } else {
      QTest::keyClicks(edit, QString(c));
    }
  }
  return true;
}

bool EditorDriver::Paste(std::string_view slot, const QString& text) {
  QLineEdit* edit = EmptiedEdit(Edit(slot));
  if (!edit) return false;
  QGuiApplication::clipboard()->setText(text);
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  return true;
}

bool EditorDriver::Pick(std::string_view slot, int position) {
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

bool EditorDriver::PressInDropDown(std::string_view slot, int key) {
  QComboBox* box = DropDown(slot);
  if (!box) return false;
  QTest::keyClick(box, static_cast<Qt::Key>(key));
  return true;
}

bool EditorDriver::ClickCheckBox() {
  QCheckBox* box = CheckBox();
  if (!box) return false;
  // The box itself, at the left end of the caption.
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
  return true;
}

bool EditorDriver::StartFreshWeapon() {
  ui_->Answers.push_back(IDNO);  // taken only if the weapon has changed
  const bool started = FileNew() && window_->SaveFlag() == 1;
  ui_->Answers.clear();
  return started;
}

std::unique_ptr<EditorDriver> StartEditorWithNewWeapon() {
  auto driver = std::make_unique<EditorDriver>();
  if (!driver->Start() || !driver->FileNew() || !driver->PageList()) return nullptr;
  return driver;
}

std::string& TextMember(WeaponRecord& record, std::string_view member) {
  const RecordField& field = FieldNamed(member);
  if (!field.IsText()) qFatal("%.*s is no text member", int(member.size()), member.data());
  return record.*field.text;
}

int& NumberMember(WeaponRecord& record, std::string_view member) {
  const RecordField& field = FieldNamed(member);
  if (field.IsText()) qFatal("%.*s is no number member", int(member.size()), member.data());
  return record.*field.number;
}

}  // namespace kalvex::test
