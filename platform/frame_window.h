// A top-level window with caption, menu bar and icon. Its children are placed
// in the client area, which lies below the menu bar.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/menu_resource.h"
#include "platform/window.h"

class TModule;

// A key combination ("Ctrl+N", "F1", "Ctrl+PgDown": modifiers Ctrl, Shift,
// Alt joined by "+", then a letter, a digit, F1 to F12, PgUp or PgDown)
// that sends a menu command. A command may have several.
struct TAccelerator {
  std::string_view Keys;
  int Id;
};

class TFrameWindow : public TWindow {
 public:
  // `title` is UTF-8. `Attr.W` and `Attr.H` are the outer size, frame
  // included; `Attr.Style` starts as WS_OVERLAPPEDWINDOW. Both may be
  // changed until Create.
  TFrameWindow(TWindow* parent, std::string_view title);
  ~TFrameWindow() override;

  // Uses the program's menu of that name (any case); false when it has none.
  // Each item sends its command identifier to the response table.
  bool AssignMenu(std::string_view menuName);
  // Uses icon `resId` of `module`; false when the module has none.
  bool SetIcon(const TModule* module, int resId);

  // Keys that send menu commands; a menu item with the same command shows
  // the first keys given for it.
  void AssignAccelerators(std::span<const TAccelerator> accelerators);
  // Enables or disables the menu item of command `id`. A disabled item shows
  // greyed, and neither it nor its keys send the command.
  void EnableMenuItem(int id, bool enable);
  // Gives the menu item of command `id` the text `text` (an ampersand marks
  // the mnemonic letter); its keys stay shown beside it.
  void SetMenuItemText(int id, std::string_view text);
  // The caption, UTF-8 (unlike the controls' texts, since it names files).
  void SetTitle(std::string_view title);
  // Files whose name ends in ".`extension`" (any capitals) may be dropped
  // onto the window; EvDropFiles receives them.
  void DragAcceptFiles(std::string_view extension);
  // Whether a file of that name may be dropped onto the window.
  bool AcceptsDroppedFile(std::string_view path) const;

  // Asked before every close: the close box, the window menu, the desktop.
  // The window closes only when it returns true.
  virtual bool CanClose();
  // Files dropped onto the window, in the order given, as local paths
  // (UTF-8). They arrive once the drop is over, from the message loop.
  virtual void EvDropFiles(const std::vector<std::string>& paths);

 protected:
  THandle MakeWindow(THandle container) override;
  void SetupWindow() override;
  THandle ChildContainer() const override;

 private:
  // The implementation's own part: its frame widget or window procedure.
  class TImpl;

  // The item of command `id` in the menu, or nullptr.
  TMenuItem* MenuItemOf(int id);
  // Shows the item as it now stands; the implementation's.
  void ShowMenuItem(const TMenuItem& item);

  struct TKeys {
    std::string Keys;
    int Id;
  };

  std::optional<TMenuResource> menu_;
  std::vector<TKeys> accelerators_;
  std::string dropExtension_;  // empty: nothing may be dropped
  int iconId_ = 0;             // 0: no icon
};
