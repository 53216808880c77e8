// A one-line text field.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "platform/validators.h"
#include "platform/window.h"

class QLineEdit;

class TEdit : public TWindow {
 public:
  // The user can type at most textLen - 1 characters (textLen 0: no limit).
  // A text that the program sets is always shown whole.
  TEdit(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h, int textLen);
  ~TEdit() override;

  // The edit owns its one validator; a second call replaces the first.
  void SetValidator(std::unique_ptr<TValidator> validator);

  // The text shown, kept after the window is destroyed.
  std::string GetText() const { return Title; }
  void SetText(std::string_view text);
  void Clear();

  // Called after every change the user makes to the text; never for SetText.
  void SetUserChangeHandler(std::function<void()> handler);

 protected:
  QWidget* MakeWidget(QWidget* container) override;
  void SetupWindow() override;

 private:
  class InputFilter;

  QLineEdit* LineEdit() const;
  // Whether the user may turn the shown text into `typed`.
  bool AcceptsTyped(const QString& typed) const;

  int textLen_;
  std::unique_ptr<TValidator> validator_;
  std::function<void()> userChanged_;
  bool programSetsText_ = false;
  QString shown_;
};
