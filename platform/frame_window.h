// A top-level window with caption, menu bar and icon. Its children are placed
// in the client area, which lies below the menu bar.
#pragma once

#include <QIcon>
#include <QKeySequence>
#include <QList>
#include <QUrl>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/menu_resource.h"
#include "platform/window.h"

class TModule;

// A key combination ("Ctrl+N", "F1") that sends a menu command.
struct TAccelerator {
  std::string_view Keys;
  int Id;
};

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

  // Keys that send menu commands; a menu item with the same command shows its keys.
  void AssignAccelerators(std::span<const TAccelerator> accelerators);
  // Files whose name ends in ".`extension`" (any capitals) may be dropped
  // onto the window; EvDropFiles receives them.
  void DragAcceptFiles(std::string_view extension);

  // Asked before every close: the close box, the window menu, the desktop.
  // The window closes only when it returns true.
  virtual bool CanClose();
  // Files dropped onto the window, in the order given, as local paths.
  virtual void EvDropFiles(const std::vector<std::string>& paths);

 protected:
  QWidget* MakeWidget(QWidget* container) override;
  void SetupWindow() override;
  QWidget* ChildContainer() const override;

 private:
  class FrameWidget;

  void BuildMenuBar();
  // The local files among `urls` that the window accepts.
  std::vector<std::string> AcceptedFiles(const QList<QUrl>& urls) const;
  // Keeps the outer size at Attr.W by Attr.H once the desktop's frame is known.
  void FitOuterSize();

  std::optional<TMenuResource> menu_;
  std::vector<std::pair<int, QKeySequence>> shortcuts_;  // command, keys
  std::string dropExtension_;                            // empty: nothing may be dropped
  QIcon icon_;
  QPointer<QWidget> client_;
};
