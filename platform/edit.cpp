#include "platform/edit.h"

#include <algorithm>
#include <utility>

#include "platform/user_interface.h"

namespace {

// Whether `c` may stand in a one-line text of single-byte characters: it has
// a single-byte form and is no control character.
bool FitsOneLineText(char16_t c) { return c >= 0x20 && c <= 0xFF && !(c >= 0x7F && c < 0xA0); }

bool IsSingleByte(char16_t c) { return c <= 0xFF; }

std::ptrdiff_t UnfitCharacters(std::u16string_view text) {
  return std::ranges::count_if(text, [](char16_t c) { return !FitsOneLineText(c); });
}

// The single-byte text behind a UTF-16 text whose characters all have one.
std::string SingleBytes(std::u16string_view text) {
  std::string bytes(text.size(), '\0');
  std::ranges::transform(text, bytes.begin(), [](char16_t c) { return char(c); });
  return bytes;
}

std::u16string Utf16FromSingleBytes(std::string_view bytes) {
  std::u16string text(bytes.size(), u'\0');
  std::ranges::transform(bytes, text.begin(), [](char c) {
    return static_cast<char16_t>(static_cast<unsigned char>(c));
  });
  return text;
}

// Whether `after` is `before` with one run of characters taken out.
bool IsDeletionFrom(std::u16string_view after, std::u16string_view before) {
  if (after.size() >= before.size()) return false;
  std::size_t same = 0;
  while (same < after.size() && after[same] == before[same]) ++same;
  return after.substr(same) == before.substr(before.size() - (after.size() - same));
}

bool IsBlankOrLineEnd(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

}  // namespace

TEdit::TEdit(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h,
             int textLen)
    : TWindow(parent, id, text, x, y, w, h), textLen_(textLen) {}

void TEdit::SetValidator(std::unique_ptr<TValidator> validator) {
  validator_ = std::move(validator);
}

void TEdit::SetText(std::string_view text) {
  undoTexts_.clear();
  redoTexts_.clear();
  ShowText(text);
}

void TEdit::Clear() { SetText({}); }

void TEdit::SetUserChangeHandler(std::function<void()> handler) {
  userChanged_ = std::move(handler);
}

void TEdit::SetEnterHandler(std::function<void()> handler) { enterPressed_ = std::move(handler); }

void TEdit::SetFocusLostHandler(std::function<void()> handler) { focusLost_ = std::move(handler); }

void TEdit::UserChanged() const {
  if (userChanged_) userChanged_();
}

void TEdit::TookUserChange(std::string text) {
  undoTexts_.push_back(std::exchange(Title, std::move(text)));
  redoTexts_.clear();
  UserChanged();
}

void TEdit::LostFocus() {
  undoTexts_.clear();
  redoTexts_.clear();
  // A copy: the handler may delete the edit.
  if (const std::function<void()> handler = focusLost_) handler();
}

void TEdit::PressedEnter() {
  // A copy: the handler may delete the edit.
  if (const std::function<void()> handler = enterPressed_) handler();
}

TEdit::TUndoKey TEdit::UndoKeyOf(char key, bool control, bool shift, bool alt) {
  if (!control || alt) return TUndoKey::None;
  if (key == 'Z') return shift ? TUndoKey::Redo : TUndoKey::Undo;
  if (key == 'Y' && !shift) return TUndoKey::Redo;
  return TUndoKey::None;
}

bool TEdit::TakesKey(TUndoKey key) const {
  return (key == TUndoKey::Undo && CanUndo()) || (key == TUndoKey::Redo && CanRedo());
}

void TEdit::PressKey(TUndoKey key) {
  if (!TakesKey(key)) return;
  if (key == TUndoKey::Undo) {
    MoveBack(undoTexts_, redoTexts_);
  } else {
    MoveBack(redoTexts_, undoTexts_);
  }
  UserChanged();
}

void TEdit::MoveBack(std::vector<std::string>& from, std::vector<std::string>& to) {
  std::string text = std::move(from.back());
  from.pop_back();
  to.push_back(Title);
  ShowText(text);
}

bool TEdit::TakesUserChange(std::u16string_view changed) const {
  if (programSetsText_) return true;
  if (Accepts(changed)) return true;
  UserInterface().Beep();
  return false;
}

bool TEdit::Accepts(std::u16string_view changed) const {
  const std::u16string shown = Utf16FromSingleBytes(Title);
  // The text as it stands is never refused, whatever the program put there
  // (a value read from a script that the validator would not let be typed).
  if (changed == shown) return true;
  // The text holds single-byte characters only; control characters that the
  // program put there (a tab read from a script) may stay, no new one comes.
  if (!std::ranges::all_of(changed, IsSingleByte)) return false;
  if (UnfitCharacters(changed) > UnfitCharacters(shown)) return false;
  const bool grows = changed.size() > shown.size();
  if (textLen_ > 0 && grows && changed.size() > std::size_t(textLen_ - 1)) return false;
  if (!validator_ || validator_->IsValidInput(SingleBytes(changed))) return true;
  // A text the program set may be one the validator refuses (a long value
  // read from a script); the user may still cut it down, one deletion at a time.
  return IsDeletionFrom(changed, shown) && !validator_->IsValidInput(Title);
}

std::u16string_view TEdit::PastedText(std::u16string_view clipboard) {
  while (!clipboard.empty() && IsBlankOrLineEnd(clipboard.front())) clipboard.remove_prefix(1);
  while (!clipboard.empty() && IsBlankOrLineEnd(clipboard.back())) clipboard.remove_suffix(1);
  return clipboard;
}
