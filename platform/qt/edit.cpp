#include "platform/edit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QValidator>

#include "platform/qt/native_window.h"
#include "platform/qt/text_codec.h"

// The edit's widget: hands every change of its text to the TEdit for
// judgement (a refused change is undone by the line edit), pastes, whichever
// way the user pastes, as TEdit::PastedText says, and undoes and redoes with
// the TEdit's own history; the line edit's own is never used.
class TEdit::TImpl : public QLineEdit {
 public:
  TImpl(TEdit& edit, QWidget* container) : QLineEdit(container), edit_(&edit) {
    setValidator(new Filter(edit, this));
    // A file dropped onto an edit goes to the window, not into the text.
    setAcceptDrops(false);
  }

  // The window object is gone; the widget waits for its deferred release.
  void Forget() {
    setValidator(nullptr);
    edit_ = nullptr;
  }

 protected:
  bool event(QEvent* event) override {
    // The keys of undo and redo reach the window's shortcuts unless the edit
    // takes them.
    if (event->type() == QEvent::ShortcutOverride) {
      const TUndoKey key = UndoKeyOf(*static_cast<QKeyEvent*>(event));
      if (key != TUndoKey::None) {
        event->setAccepted(edit_ && edit_->TakesKey(key));
        return true;
      }
    }
    return QLineEdit::event(event);
  }

  void keyPressEvent(QKeyEvent* event) override {
    if (event->matches(QKeySequence::Paste)) {
      Paste(QClipboard::Clipboard);
      event->accept();
      return;
    }
    if (const TUndoKey key = UndoKeyOf(*event); key != TUndoKey::None) {
      if (!edit_ || !edit_->TakesKey(key)) {
        event->ignore();
        return;
      }
      edit_->PressKey(key);
      event->accept();
      return;
    }
    // The platform's other keys for undo and redo do nothing.
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
      event->accept();
      return;
    }
    QLineEdit::keyPressEvent(event);
  }

  void mouseReleaseEvent(QMouseEvent* event) override {
    // The middle button pastes the selection where the desktop has one.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
      deselect();
      Paste(QClipboard::Selection);
      return;
    }
    QLineEdit::mouseReleaseEvent(event);
  }

  void contextMenuEvent(QContextMenuEvent* event) override {
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
      const QString text = action->text().section(QLatin1Char('\t'), 0, 0);
      if (text == QLineEdit::tr("&Paste")) {
        action->disconnect();
        connect(action, &QAction::triggered, this, [this] { Paste(QClipboard::Clipboard); });
      } else if (text == QLineEdit::tr("&Undo") || text == QLineEdit::tr("&Redo")) {
        const TUndoKey key = text == QLineEdit::tr("&Undo") ? TUndoKey::Undo : TUndoKey::Redo;
        action->disconnect();
        action->setEnabled(edit_ && edit_->TakesKey(key));
        connect(action, &QAction::triggered, this, [this, key] {
          if (edit_) edit_->PressKey(key);
        });
      }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
  }

 private:
  class Filter : public QValidator {
   public:
    Filter(const TEdit& edit, QObject* parent) : QValidator(parent), edit_(edit) {}
    State validate(QString& input, int&) const override {
      return edit_.TakesUserChange(Utf16(input)) ? Acceptable : Invalid;
    }

   private:
    const TEdit& edit_;
  };

  static TUndoKey UndoKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    const Qt::KeyboardModifiers held = event.modifiers();
    return TEdit::UndoKeyOf(
        key >= Qt::Key_A && key <= Qt::Key_Z ? char('A' + (key - Qt::Key_A)) : 0,
        held.testFlag(Qt::ControlModifier), held.testFlag(Qt::ShiftModifier),
        held.testFlag(Qt::AltModifier));
  }

  void Paste(QClipboard::Mode mode) {
    if (isReadOnly()) return;
    const QString clipboard = QGuiApplication::clipboard()->text(mode);
    const std::u16string_view pasted = PastedText(Utf16(clipboard));
    insert(QString::fromUtf16(pasted.data(), qsizetype(pasted.size())));
  }

  TEdit* edit_;
};

TEdit::~TEdit() {
  if (auto* edit = WidgetOf<TImpl>(*this)) edit->Forget();
}

void TEdit::ShowText(std::string_view text) {
  Title = text;
  if (auto* edit = WidgetOf<TImpl>(*this)) {
    QScopedValueRollback<bool> programChange(programSetsText_, true);
    edit->setText(ToQString(Title));
  }
}

THandle TEdit::MakeWindow(THandle container) {
  return HandleOf(new TImpl(*this, WidgetOf(container)));
}

void TEdit::SetupWindow() {
  auto* edit = WidgetOf<TImpl>(*this);
  SetText(Title);
  Native().Listen(edit, &QLineEdit::returnPressed, [this] { PressedEnter(); });
  Native().Listen(edit, &QLineEdit::textEdited,
                  [this](const QString& text) { TookUserChange(FromQString(text)); });
  // A menu opened with the mouse takes no focus, one opened with the keyboard
  // gives it to the menu bar; a box or another window is outside this one.
  Native().Listen(qApp, &QApplication::focusChanged, [this, edit](QWidget* old, QWidget* now) {
    if (old == edit && now && now->window() == edit->window() && !qobject_cast<QMenuBar*>(now)) {
      LostFocus();
    }
  });
}
