// A top-level window with caption, menu bar and icon. Its children are placed
// in the client area, which lies below the menu bar.
#pragma once

#include <QIcon>
#include <optional>
#include <string_view>

#include "platform/menu_resource.h"
#include "platform/window.h"

class TModule;

class TFrameWindow : public TWindow {
 public:
  // `Attr.W` and `Attr.H` are the outer size, frame included; `Attr.Style`
  // starts as WS_OVERLAPPEDWINDOW. Both may be changed until Create.
  TFrameWindow(TWindow* parent, std::string_view title);
  ~TFrameWindow() override;

  // Uses the program's menu of that name (any case); false when it has none.
  bool AssignMenu(std::string_view menuName);
  // Uses icon `resId` of `module`; false when the module has none.
  bool SetIcon(const TModule* module, int resId);

  // Asked before every close: the close box, the window menu, the desktop.
  // The window closes only when it returns true.
  virtual bool CanClose();

 protected:
  QWidget* MakeWidget(QWidget* container) override;
  void SetupWindow() override;
  QWidget* ChildContainer() const override;

 private:
  class FrameWidget;

  void BuildMenuBar();
  // Keeps the outer size at Attr.W by Attr.H once the desktop's frame is known.
  void FitOuterSize();

  std::optional<TMenuResource> menu_;
  QIcon icon_;
  QPointer<QWidget> client_;
};
