// A check box with its caption.
#pragma once

#include <functional>

#include "platform/window.h"

class TCheckBox : public TWindow {
 public:
  TCheckBox(TWindow* parent, int id, std::string_view title, int x, int y, int w, int h);

  // BF_CHECKED or BF_UNCHECKED; no change note is sent.
  void SetCheck(int state);
  int GetCheck() const { return state_; }
  // Answers BM_GETCHECK with the check state.
  long SendMessage(unsigned message, unsigned long wParam = 0, long lParam = 0) override;

  // Called after every click of the user; never for SetCheck.
  void SetUserChangeHandler(std::function<void()> handler);

 protected:
  THandle MakeWindow(THandle container) override;
  void SetupWindow() override;

 private:
  int state_ = BF_UNCHECKED;
  std::function<void()> userChanged_;
};
