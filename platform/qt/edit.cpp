#include "platform/edit.h"

#include <QLineEdit>
#include <QScopedValueRollback>
#include <QValidator>
#include <algorithm>

#include "platform/qt/text_codec.h"

namespace {

// Characters that a one-line single-byte text cannot hold.
qsizetype UnfitCharacters(const QString& text) {
  return std::ranges::count_if(text, [](QChar c) { return !FitsOneLineText(c); });
}

}  // namespace

// Hands every change of the line edit to the TEdit for judgement; a refused
// change is undone by the line edit.
class TEdit::InputFilter : public QValidator {
 public:
  InputFilter(const TEdit& edit, QObject* parent) : QValidator(parent), edit_(edit) {}
  State validate(QString& input, int&) const override {
    return edit_.AcceptsTyped(input) ? Acceptable : Invalid;
  }

 private:
  const TEdit& edit_;
};

TEdit::TEdit(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h,
             int textLen)
    : TWindow(parent, id, text, x, y, w, h), textLen_(textLen) {}

TEdit::~TEdit() {
  // The widget may outlive this object until its deferred release.
  if (QLineEdit* edit = LineEdit()) edit->setValidator(nullptr);
}

void TEdit::SetValidator(std::unique_ptr<TValidator> validator) {
  validator_ = std::move(validator);
}

void TEdit::SetText(std::string_view text) {
  Title = text;
  if (QLineEdit* edit = LineEdit()) {
    QScopedValueRollback<bool> programChange(programSetsText_, true);
    edit->setText(ToQString(text));
  }
}

void TEdit::Clear() { SetText({}); }

void TEdit::SetUserChangeHandler(std::function<void()> handler) {
  userChanged_ = std::move(handler);
}

QWidget* TEdit::MakeWidget(QWidget* container) {
  auto* edit = new QLineEdit(container);
  edit->setValidator(new InputFilter(*this, edit));
  // A file dropped onto an edit goes to the window, not into the text.
  edit->setAcceptDrops(false);
  return edit;
}

void TEdit::SetupWindow() {
  QLineEdit* edit = LineEdit();
  SetText(Title);
  shown_ = edit->text();
  Listen(edit, &QLineEdit::textChanged, [this](const QString& text) {
    shown_ = text;
    Title = FromQString(text);
  });
  Listen(edit, &QLineEdit::textEdited, [this] {
    if (userChanged_) userChanged_();
  });
}

QLineEdit* TEdit::LineEdit() const { return static_cast<QLineEdit*>(GetHandle()); }

namespace {

// Whether `after` is `before` with one run of characters taken out.
bool IsDeletionFrom(const QString& after, const QString& before) {
  if (after.size() >= before.size()) return false;
  qsizetype same = 0;
  while (same < after.size() && after[same] == before[same]) ++same;
  return after.mid(same) == before.right(after.size() - same);
}

}  // namespace

bool TEdit::AcceptsTyped(const QString& typed) const {
  if (programSetsText_) return true;
  if (UnfitCharacters(typed) > UnfitCharacters(shown_)) return false;
  const bool grows = typed.size() > shown_.size();
  if (textLen_ > 0 && grows && typed.size() > textLen_ - 1) return false;
  if (!validator_ || validator_->IsValidInput(FromQString(typed))) return true;
  // A text the program set may be one the validator refuses (a long value
  // read from a script); the user may still cut it down, one deletion at a time.
  return IsDeletionFrom(typed, shown_) && !validator_->IsValidInput(FromQString(shown_));
}
