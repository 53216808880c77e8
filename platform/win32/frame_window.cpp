#include "platform/frame_window.h"

#include <vector>

#include "platform/module.h"
#include "platform/win32/accelerator_keys.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/native_window.h"
#include "platform/win32/text_codec.h"
#include "platform/win32/window_release.h"

namespace {

constexpr wchar_t kFrameClass[] = L"KalvexFrame";
constexpr wchar_t kFocusProperty[] = L"Kalvex.Focus";

// The control that had the keyboard focus when the frame was left gets it
// back when the frame is active again; true when it did.
bool KeepFocus(HWND frame, WPARAM activation) {
  if (LOWORD(activation) == WA_INACTIVE) {
    HWND focused = GetFocus();
    if (focused && IsChild(frame, focused)) SetPropW(frame, kFocusProperty, focused);
    return false;
  }
  HWND kept = static_cast<HWND>(GetPropW(frame, kFocusProperty));
  if (!kept || !IsChild(frame, kept) || !IsWindowVisible(kept)) return false;
  SetFocus(kept);
  return true;
}

}  // namespace

// The frame's window procedure: menu commands and control notifications,
// the question before closing, dropped files; and the frame's menu bar,
// accelerators and icon, made from what the window object holds.
class TFrameWindow::TImpl {
 public:
  static bool RegisterClass() {
    static const bool registered = [] {
      WNDCLASSEXW frameClass{};
      frameClass.cbSize = sizeof frameClass;
      frameClass.lpfnWndProc = Proc;
      frameClass.hInstance = GetModuleHandleW(nullptr);
      frameClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
      frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
      frameClass.lpszClassName = kFrameClass;
      return RegisterClassExW(&frameClass) != 0;
    }();
    return registered;
  }

  static void BuildMenuBar(TFrameWindow& window) {
    HWND frame = HwndOf(window);
    if (!frame || !window.menu_) return;
    HMENU bar = CreateMenu();
    for (const TMenuPopup& popup : window.menu_->Popups) {
      HMENU menu = CreatePopupMenu();
      for (const TMenuItem& item : popup.Items) {
        AppendMenuW(menu, MF_STRING | (item.Enabled ? MF_ENABLED : MF_GRAYED), UINT_PTR(item.Id),
                    ItemText(window, item).c_str());
      }
      AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu),
                  WideFromBytes(popup.Text).c_str());
    }
    HMENU previous = GetMenu(frame);
    SetMenu(frame, bar);
    if (previous) DestroyMenu(previous);
  }

  // The item's text with the first keys of its command after a tab.
  static std::wstring ItemText(const TFrameWindow& window, const TMenuItem& item) {
    std::wstring text = WideFromBytes(item.Text);
    for (const TKeys& keys : window.accelerators_) {
      if (keys.Id == item.Id) return text + L'\t' + WideFromBytes(keys.Keys);
    }
    return text;
  }

  static void BuildAccelerators(const TFrameWindow& window) {
    HWND frame = HwndOf(window);
    if (!frame) return;
    std::vector<ACCEL> table;
    for (const TKeys& keys : window.accelerators_) {
      if (const std::optional<ACCEL> accel = AcceleratorFor(keys.Keys, keys.Id)) {
        table.push_back(*accel);
      }
    }
    DropAccelerators(frame);
    if (!table.empty()) {
      SetWindowAccelerators(frame, CreateAcceleratorTableW(table.data(), int(table.size())));
    }
  }

  static void ShowIcon(const TFrameWindow& window) {
    HWND frame = HwndOf(window);
    if (!frame || !window.iconId_) return;
    for (const auto& [which, size] : {std::pair{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}}) {
      const int pixels = GetSystemMetrics(size);
      HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(window.iconId_),
                               IMAGE_ICON, pixels, pixels, LR_SHARED);
      SendMessageW(frame, WM_SETICON, WPARAM(which), reinterpret_cast<LPARAM>(icon));
    }
  }

 private:
  static void DropAccelerators(HWND frame) {
    if (HACCEL old = WindowAccelerators(frame)) {
      SetWindowAccelerators(frame, nullptr);
      DestroyAcceleratorTable(old);
    }
  }

  static std::vector<std::string> DroppedFiles(const TFrameWindow& window, HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      std::wstring path(std::size_t(DragQueryFileW(drop, i, nullptr, 0)) + 1, L'\0');
      path.resize(DragQueryFileW(drop, i, path.data(), UINT(path.size())));
      std::string utf8 = Utf8FromWide(path);
      if (!utf8.empty() && window.AcceptsDroppedFile(utf8)) paths.push_back(std::move(utf8));
    }
    DragFinish(drop);
    return paths;
  }

  static LRESULT CALLBACK Proc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    if (message == WM_NCDESTROY) {
      DropAccelerators(frame);
      RemovePropW(frame, kFocusProperty);
    }
    if (HandleReleaseRequest(frame, message, lParam)) return 0;
    auto* owner = reinterpret_cast<TFrameWindow*>(GetWindowLongPtrW(frame, GWLP_USERDATA));
    if (!owner) return DefWindowProcW(frame, message, wParam, lParam);
    switch (message) {
      case WM_COMMAND:
        if (lParam) {
          TNative::Notify(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        } else {
          owner->Dispatch({TEventKind::Command, LOWORD(wParam), 0, {}});
        }
        return 0;
      case WM_ACTIVATE:
        if (KeepFocus(frame, wParam)) return 0;
        break;
      case WM_CLOSE:
        if (owner->CanClose()) owner->Destroy();
        return 0;
      case WM_DROPFILES: {
        const std::vector<std::string> paths =
            DroppedFiles(*owner, reinterpret_cast<HDROP>(wParam));
        if (!paths.empty()) owner->EvDropFiles(paths);
        return 0;
      }
    }
    return DefWindowProcW(frame, message, wParam, lParam);
  }
};

TFrameWindow::~TFrameWindow() { Destroy(); }

bool TFrameWindow::AssignMenu(std::string_view menuName) {
  menu_ = GetModule()->LoadMenu(menuName);
  TImpl::BuildMenuBar(*this);
  return menu_.has_value();
}

bool TFrameWindow::SetIcon(const TModule* module, int resId) {
  iconId_ = module->HasIcon(resId) ? resId : 0;
  TImpl::ShowIcon(*this);
  return iconId_ != 0;
}

void TFrameWindow::AssignAccelerators(std::span<const TAccelerator> accelerators) {
  accelerators_.clear();
  for (const TAccelerator& accelerator : accelerators) {
    accelerators_.push_back({std::string(accelerator.Keys), accelerator.Id});
  }
  TImpl::BuildMenuBar(*this);
  TImpl::BuildAccelerators(*this);
}

void TFrameWindow::ShowMenuItem(const TMenuItem& item) {
  HWND frame = HwndOf(*this);
  HMENU bar = frame ? GetMenu(frame) : nullptr;
  if (!bar) return;
  std::wstring text = TImpl::ItemText(*this, item);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING | MIIM_STATE;
  info.fState = item.Enabled ? MFS_ENABLED : MFS_GRAYED;
  info.dwTypeData = text.data();
  SetMenuItemInfoW(bar, UINT(item.Id), FALSE, &info);
  DrawMenuBar(frame);
}

void TFrameWindow::SetTitle(std::string_view title) {
  Title = title;
  if (HWND frame = HwndOf(*this)) SetWindowTextW(frame, WideFromUtf8(Title).c_str());
}

void TFrameWindow::DragAcceptFiles(std::string_view extension) {
  dropExtension_ = extension;
  if (HWND frame = HwndOf(*this)) ::DragAcceptFiles(frame, !dropExtension_.empty());
}

THandle TFrameWindow::MakeWindow(THandle) {
  if (!TImpl::RegisterClass()) return nullptr;
  // The styles of the layer have the system's values.
  return HandleOf(CreateWindowExW(WS_EX_CONTROLPARENT, kFrameClass, WideFromUtf8(Title).c_str(),
                                  Attr.Style, CW_USEDEFAULT, CW_USEDEFAULT, Scaled(Attr.W),
                                  Scaled(Attr.H), nullptr, nullptr, GetModuleHandleW(nullptr),
                                  this));
}

void TFrameWindow::SetupWindow() {
  TImpl::BuildMenuBar(*this);
  TImpl::BuildAccelerators(*this);
  TImpl::ShowIcon(*this);
  DragAcceptFiles(dropExtension_);
}

THandle TFrameWindow::ChildContainer() const { return GetHandle(); }
