#include "platform/edit.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QValidator>

#include "platform/qt/native_window.h"
#include "platform/qt/text_codec.h"

// The edit's widget: hands every change of its text to the TEdit for
// judgement (a refused change is undone by the line edit), and pastes,
// whichever way the user pastes, as TEdit::PastedText says.
class TEdit::TImpl : public QLineEdit {
 public:
  TImpl(const TEdit& edit, QWidget* container) : QLineEdit(container) {
    setValidator(new Filter(edit, this));
    // A file dropped onto an edit goes to the window, not into the text.
    setAcceptDrops(false);
  }

  // The window object is gone; the widget waits for its deferred release.
  void Forget() { setValidator(nullptr); }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->matches(QKeySequence::Paste)) {
      Paste(QClipboard::Clipboard);
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
      if (action->text().section(QLatin1Char('\t'), 0, 0) != QLineEdit::tr("&Paste")) continue;
      action->disconnect();
      connect(action, &QAction::triggered, this, [this] { Paste(QClipboard::Clipboard); });
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

  void Paste(QClipboard::Mode mode) {
    if (isReadOnly()) return;
    const QString clipboard = QGuiApplication::clipboard()->text(mode);
    const std::u16string_view pasted = PastedText(Utf16(clipboard));
    insert(QString::fromUtf16(pasted.data(), qsizetype(pasted.size())));
  }
};

TEdit::~TEdit() {
  if (auto* edit = WidgetOf<TImpl>(*this)) edit->Forget();
}

void TEdit::SetText(std::string_view text) {
  Title = text;
  if (auto* edit = WidgetOf<TImpl>(*this)) {
    QScopedValueRollback<bool> programChange(programSetsText_, true);
    edit->setText(ToQString(text));
  }
}

THandle TEdit::MakeWindow(THandle container) {
  return HandleOf(new TImpl(*this, WidgetOf(container)));
}

void TEdit::SetupWindow() {
  auto* edit = WidgetOf<TImpl>(*this);
  SetText(Title);
  Native().Listen(edit, &QLineEdit::textChanged,
                  [this](const QString& text) { Title = FromQString(text); });
  Native().Listen(edit, &QLineEdit::textEdited, [this] { UserChanged(); });
}
