// The window cases' driver over Win32: the mouse and keyboard messages a
// user's input makes, posted to the real controls and handled as the
// program's message loop handles them, and what the real controls show.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>
#include <string>
#include <utility>

#include "platform/win32/accelerator_keys.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/native_window.h"
#include "platform/win32/text_codec.h"
#include "tests/win32/screen_dialog.h"
#include "tests/window/close_probe.h"
#include "tests/window/window_driver.h"
#include "tests/window/window_slots.h"
// After the layer's headers, which bring <windows.h>: the shell's drop record.
#include <shlobj.h>

namespace kalvex::test {
namespace {

constexpr wchar_t kFrameClass[] = L"KalvexFrame";
// The bit of a key message's lParam that says the Alt key is down.
constexpr LPARAM kAltDown = LPARAM(1) << 29;

// Handles every message waiting, as the message loop would.
void HandleWaitingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message != WM_QUIT) HandleMessage(message);
  }
}

void PostClick(HWND window, POINT at) {
  const LPARAM place = MAKELPARAM(at.x, at.y);
  PostMessageW(window, WM_MOUSEMOVE, 0, place);
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, place);
  PostMessageW(window, WM_LBUTTONUP, 0, place);
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

POINT ClientCentre(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return Centre(client);
}

// The letter after the ampersand, as the keyboard types it.
wchar_t Mnemonic(std::string_view text) {
  const std::size_t at = text.find('&');
  if (at == std::string_view::npos || at + 1 >= text.size()) return 0;
  const char letter = text[at + 1];
  return wchar_t(letter >= 'A' && letter <= 'Z' ? letter - 'A' + 'a' : letter);
}

// Choosing from a menu as a user does: Alt with the menu's letter opens
// it; once it shows, the item's letter chooses the item. A menu left open
// (a letter that chooses nothing) is closed after a while.
struct MenuChoice {
  wchar_t item = 0;
  int opened = 0;
};
MenuChoice menuChoice;

LRESULT CALLBACK TypeItemLetterWhenOpen(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && sent->message == WM_INITMENUPOPUP) {
    ++menuChoice.opened;
    if (menuChoice.item) PostMessageW(sent->hwnd, WM_CHAR, std::exchange(menuChoice.item, 0), 1);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  EndMenu();
}

void PostMenuKey(HWND frame, wchar_t menu) { PostMessageW(frame, WM_SYSCHAR, menu, kAltDown | 1); }

// A menu of the editor's process `process` that shows, waited for up to 10 s.
bool MenuShows(DWORD process) {
  for (int wait = 0; wait < 200; ++wait) {
    for (HWND menu = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); menu;
         menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(menu, &owner);
      if (owner == process && IsWindowVisible(menu)) return true;
    }
    Sleep(50);
  }
  return false;
}

// The bit of a key message's lParam that says the key is one of the extended
// keyboard's, such as the keypad's Enter.
constexpr LPARAM kExtendedKey = LPARAM(1) << 24;

// The key and the modifiers that `keys` names ("Ctrl+S", "F1", "Enter").
std::optional<ACCEL> KeysNamed(std::string_view keys) {
  const std::pair<std::string_view, ACCEL> named[] = {{"Enter", {FVIRTKEY, VK_RETURN, 0}},
                                                      {"Keypad Enter", {FVIRTKEY, VK_RETURN, 0}},
                                                      {"Space", {FVIRTKEY, VK_SPACE, 0}},
                                                      {"Down", {FVIRTKEY, VK_DOWN, 0}},
                                                      {"Up", {FVIRTKEY, VK_UP, 0}},
                                                      {"Tab", {FVIRTKEY, VK_TAB, 0}},
                                                      {"Shift+Tab", {FVIRTKEY | FSHIFT, VK_TAB, 0}},
                                                      {"Delete", {FVIRTKEY, VK_DELETE, 0}},
                                                      {"Backspace", {FVIRTKEY, VK_BACK, 0}},
                                                      {"Home", {FVIRTKEY, VK_HOME, 0}},
                                                      {"End", {FVIRTKEY, VK_END, 0}}};
  for (const auto& [name, press] : named) {
    if (keys == name) return press;
  }
  return AcceleratorFor(keys, 0);
}

// Holds the modifier keys down, as the system records them for the thread,
// while the keys pressed with them are handled.
class HeldModifiers {
 public:
  explicit HeldModifiers(BYTE modifiers) {
    GetKeyboardState(saved_);
    BYTE held[256];
    std::copy(std::begin(saved_), std::end(saved_), held);
    const std::pair<BYTE, int> keys[] = {
        {FCONTROL, VK_CONTROL}, {FSHIFT, VK_SHIFT}, {FALT, VK_MENU}};
    for (const auto& [flag, key] : keys) {
      if (modifiers & flag) held[key] = 0x80;
    }
    SetKeyboardState(held);
  }
  ~HeldModifiers() { SetKeyboardState(saved_); }

 private:
  BYTE saved_[256];
};

bool SetClipboardText(HWND owner, const std::wstring& text) {
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  auto* chars = static_cast<wchar_t*>(GlobalLock(data));
  std::copy(text.c_str(), text.c_str() + text.size() + 1, chars);
  GlobalUnlock(data);
  const bool put = SetClipboardData(CF_UNICODETEXT, data) != nullptr;
  CloseClipboard();
  return put;
}

// The window's text, or nothing when there is no window.
std::optional<std::string> Text(HWND window) {
  return window ? std::optional(BytesFromWide(WindowText(window))) : std::nullopt;
}

std::optional<std::vector<std::string>> Entries(HWND list, UINT count, UINT length, UINT text) {
  if (!list) return std::nullopt;
  std::vector<std::string> entries;
  const int n = int(SendMessageW(list, count, 0, 0));
  for (int i = 0; i < n; ++i) {
    std::wstring entry(std::size_t(SendMessageW(list, length, i, 0)) + 1, L'\0');
    entry.resize(std::size_t(SendMessageW(list, text, i, reinterpret_cast<LPARAM>(entry.data()))));
    entries.push_back(BytesFromWide(entry));
  }
  return entries;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

// The first shown child of `frame` of the class `className` for which
// `fits` holds, or nullptr.
HWND ShownChild(HWND frame, const wchar_t* className, std::function<bool(HWND)> fits = {}) {
  struct Search {
    const wchar_t* className;
    std::function<bool(HWND)> fits;
    HWND found = nullptr;
  } search{className, std::move(fits)};
  EnumChildWindows(
      frame,
      [](HWND child, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        if (!IsWindowVisible(child) || lstrcmpiW(ClassOf(child).c_str(), s->className) ||
            (s->fits && !s->fits(child))) {
          return TRUE;
        }
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string CellText(HWND list, int row, int column) {
  wchar_t text[256] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 256;
  SendMessageW(list, LVM_GETITEMTEXTW, WPARAM(row), reinterpret_cast<LPARAM>(&item));
  return BytesFromWide(text);
}

bool IsPageControl(HWND window) {
  const std::wstring name = ClassOf(window);
  if (!lstrcmpiW(name.c_str(), L"Edit") || !lstrcmpiW(name.c_str(), L"ComboBox")) return true;
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  return !lstrcmpiW(name.c_str(), L"Button") && (style & BS_TYPEMASK) == BS_AUTOCHECKBOX;
}

// The visible top-level frame of process `process`, waited for up to 30 s.
HWND FrameOfProcess(DWORD process, HANDLE running) {
  struct Search {
    DWORD process;
    HWND found = nullptr;
  } search{process};
  for (int wait = 0; wait < 600 && !search.found; ++wait) {
    if (WaitForSingleObject(running, 50) == WAIT_OBJECT_0) return nullptr;
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
          auto* s = reinterpret_cast<Search*>(data);
          DWORD owner = 0;
          GetWindowThreadProcessId(window, &owner);
          if (owner != s->process || !IsWindowVisible(window) || ClassOf(window) != kFrameClass) {
            return TRUE;
          }
          s->found = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
  }
  return search.found;
}

// The system's own boxes and dialogs, each read as it comes up and then closed.
class OnScreenUserInterface : public TPlatformUserInterface {
 public:
  explicit OnScreenUserInterface(std::vector<ScreenDialog>& shown) : shown_(shown) {}

  int MessageBox(THandle owner, const std::string& text, const std::string& caption,
                 unsigned type) override {
    ReadWhenShown();
    return TPlatformUserInterface::MessageBox(owner, text, caption, type);
  }
  int LabelledMessageBox(THandle owner, const std::string& text, const std::string& caption,
                         unsigned type, const std::vector<std::string>& labels,
                         int defaultButton) override {
    ReadWhenShown();
    return TPlatformUserInterface::LabelledMessageBox(owner, text, caption, type, labels,
                                                      defaultButton);
  }
  std::optional<std::size_t> ChooseWeapon(THandle owner, const TWeaponChoice& choice) override {
    ReadWhenShown();
    return TPlatformUserInterface::ChooseWeapon(owner, choice);
  }

 private:
  void ReadWhenShown() {
    WhenDialogShown([this](HWND dialog) {
      shown_.push_back(ReadDialog(dialog));
      PressFirstButton(dialog);
    });
  }

  std::vector<ScreenDialog>& shown_;
};

class Win32WindowDriver : public WindowDriver {
 public:
  Win32WindowDriver()
      : hook_(SetWindowsHookExW(WH_CALLWNDPROC, TypeItemLetterWhenOpen, nullptr,
                                GetCurrentThreadId())) {}
  ~Win32WindowDriver() override {
    window_.Destroy();
    HandleWaitingMessages();
    if (hook_) UnhookWindowsHookEx(hook_);
  }

  bool Start() override {
    if (!window_.Create()) return false;
    window_.Show();
    SetForegroundWindow(MainHwnd());
    HandleWaitingMessages();
    return IsWindowVisible(MainHwnd()) && GetActiveWindow() == MainHwnd();
  }
  RecordingWindow& Window() override { return window_; }
  ScriptedUserInterface& Ui() override { return ui_; }

  bool ChooseMenuItem(std::string_view menu, std::string_view item) override {
    const int before = menuChoice.opened;
    menuChoice.item = Mnemonic(item);
    SetTimer(nullptr, 0, 5000, CloseMenu);
    PostMenuKey(MainHwnd(), Mnemonic(menu));
    HandleWaitingMessages();
    menuChoice.item = 0;
    return menuChoice.opened > before;
  }

  bool ClickPage(int page) override {
    HWND list = Hwnd(window_.PageList());
    if (!list || page < 0 || page >= int(SendMessageW(list, LB_GETCOUNT, 0, 0))) return false;
    RECT item, client;
    GetClientRect(list, &client);
    SendMessageW(list, LB_GETITEMRECT, page, reinterpret_cast<LPARAM>(&item));
    if (item.top < client.top || item.bottom > client.bottom) {
      // Scrolled as the user drags the scroll box there.
      PostMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, page), 0);
      HandleWaitingMessages();
      SendMessageW(list, LB_GETITEMRECT, page, reinterpret_cast<LPARAM>(&item));
    }
    PostClick(list, Centre(item));
    HandleWaitingMessages();
    return true;
  }

  bool Type(std::string_view slot, std::string_view text) override {
    HWND edit = EmptiedEdit(slot);
    if (!edit) return false;
    for (const char c : text) PostMessageW(edit, WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 1);
    HandleWaitingMessages();
    return true;
  }

  bool Paste(std::string_view slot, std::string_view text) override {
    HWND edit = EmptiedEdit(slot);
    if (!edit || !SetClipboardText(MainHwnd(), WideFromBytes(text))) return false;
    HeldModifiers control(FCONTROL);
    PostMessageW(edit, WM_KEYDOWN, 'V', 1);
    PostMessageW(edit, WM_KEYUP, 'V', 1 | (LPARAM(3) << 30));
    HandleWaitingMessages();
    return true;
  }

  bool Pick(std::string_view slot, int position) override {
    HWND combo = Hwnd(SlotControl(window_, slot));
    if (!combo) return false;
    PostClick(combo, ClientCentre(combo));
    HandleWaitingMessages();
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(combo, &info) || !IsWindowVisible(info.hwndList)) return false;
    SendMessageW(info.hwndList, LB_SETTOPINDEX, position, 0);
    RECT item;
    if (SendMessageW(info.hwndList, LB_GETITEMRECT, position, reinterpret_cast<LPARAM>(&item)) ==
        LB_ERR) {
      return false;
    }
    PostClick(info.hwndList, Centre(item));
    HandleWaitingMessages();
    return true;
  }

  bool ClickCheckBox() override {
    HWND box = Hwnd(window_.Page().Check1);
    if (!box) return false;
    PostClick(box, ClientCentre(box));
    HandleWaitingMessages();
    return true;
  }

  bool PressKeys(std::string_view keys) override {
    HWND focused = GetFocus();
    HWND target = focused ? focused : MainHwnd();
    if (keys.size() == 1) {  // a character, as the keyboard types it
      PostMessageW(target, WM_CHAR, WPARAM(static_cast<unsigned char>(keys.front())), 1);
      HandleWaitingMessages();
      return true;
    }
    const std::optional<ACCEL> press = KeysNamed(keys);
    if (!press) return false;
    const bool alt = press->fVirt & FALT;
    const LPARAM flags = 1 | (alt ? kAltDown : 0) | (keys == "Keypad Enter" ? kExtendedKey : 0);
    HeldModifiers held(press->fVirt);
    PostMessageW(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, press->key, flags);
    PostMessageW(target, alt ? WM_SYSKEYUP : WM_KEYUP, press->key, flags | (LPARAM(3) << 30));
    HandleWaitingMessages();
    return true;
  }

  bool ClickListRow(int row) override {
    HWND list = ShownChild(MainHwnd(), WC_LISTVIEWW);
    if (!list || row < 0 || row >= int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0))) return false;
    SendMessageW(list, LVM_ENSUREVISIBLE, WPARAM(row), FALSE);
    RECT item{};
    item.left = LVIR_LABEL;
    SendMessageW(list, LVM_GETITEMRECT, WPARAM(row), reinterpret_cast<LPARAM>(&item));
    PostClick(list, Centre(item));
    HandleWaitingMessages();
    return true;
  }

  bool ClickButton(std::string_view caption) override {
    HWND button = ShownChild(MainHwnd(), L"Button", [caption](HWND shown) {
      const LONG_PTR type = GetWindowLongPtrW(shown, GWL_STYLE) & BS_TYPEMASK;
      return (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) && Text(shown) == caption;
    });
    if (!button) return false;
    PostClick(button, ClientCentre(button));
    HandleWaitingMessages();
    return true;
  }

  bool DropFiles(const std::vector<std::string>& paths) override {
    if (!(GetWindowLongPtrW(MainHwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES)) return false;
    std::wstring names;
    for (const std::string& path : paths) names += WideFromUtf8(path) + L'\0';
    names += L'\0';
    // What the shell hands over: the file list after its header, the window
    // releasing it (DragFinish).
    HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    std::copy(names.begin(), names.end(), reinterpret_cast<wchar_t*>(files + 1));
    GlobalUnlock(drop);
    PostMessageW(MainHwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    HandleWaitingMessages();
    return true;
  }

  std::string Title() const override { return Utf8FromWide(WindowText(MainHwnd())); }
  std::optional<ShownMenuItem> MenuItem(int id) const override {
    HMENU bar = GetMenu(MainHwnd());
    const UINT state = bar ? GetMenuState(bar, UINT(id), MF_BYCOMMAND) : UINT(-1);
    if (state == UINT(-1)) return std::nullopt;
    wchar_t text[256] = {};
    GetMenuStringW(bar, UINT(id), text, 256, MF_BYCOMMAND);
    const std::wstring shown = text;
    const std::size_t tab = std::min(shown.find(L'\t'), shown.size());
    return ShownMenuItem{BytesFromWide(shown.substr(0, tab)),
                         BytesFromWide(shown.substr(std::min(tab + 1, shown.size()))),
                         !(state & (MF_GRAYED | MF_DISABLED))};
  }
  std::optional<std::vector<ListRow>> ListRows() const override {
    HWND list = ShownChild(MainHwnd(), WC_LISTVIEWW);
    if (!list) return std::nullopt;
    std::vector<ListRow> rows;
    const int count = int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
      rows.emplace_back(CellText(list, row, 0), CellText(list, row, 1));
    }
    return rows;
  }
  std::optional<int> ListRowSelection() const override {
    HWND list = ShownChild(MainHwnd(), WC_LISTVIEWW);
    if (!list) return std::nullopt;
    return int(SendMessageW(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
  }
  std::optional<std::string> LineText(std::string_view line) const override {
    return Text(Hwnd(LabelLine(window_, line)));
  }
  std::optional<std::string> EditText(std::string_view slot) const override {
    return Text(Hwnd(SlotControl(window_, slot)));
  }
  std::optional<std::vector<std::string>> ListEntries(std::string_view slot) const override {
    return Entries(Hwnd(SlotControl(window_, slot)), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
  }
  std::optional<int> ListSelection(std::string_view slot) const override {
    HWND combo = Hwnd(SlotControl(window_, slot));
    return combo ? std::optional(int(SendMessageW(combo, CB_GETCURSEL, 0, 0))) : std::nullopt;
  }
  std::optional<std::string> CheckBoxCaption() const override {
    return Text(Hwnd(window_.Page().Check1));
  }
  std::optional<bool> IsChecked() const override {
    HWND box = Hwnd(window_.Page().Check1);
    if (!box) return std::nullopt;
    return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  std::optional<std::vector<std::string>> PageListEntries() const override {
    return Entries(Hwnd(window_.PageList()), LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
  }
  std::optional<int> PageListSelection() const override {
    HWND list = Hwnd(window_.PageList());
    return list ? std::optional(int(SendMessageW(list, LB_GETCURSEL, 0, 0))) : std::nullopt;
  }
  std::optional<ControlPlace> Place(std::string_view slot) const override {
    const TWindow* control = SlotControl(window_, slot);
    return control ? PlaceOf(*control) : std::nullopt;
  }
  int ShownPageControls() const override {
    int shown = 0;
    EnumChildWindows(
        MainHwnd(),
        [](HWND child, LPARAM count) -> BOOL {
          if (IsWindowVisible(child) && IsPageControl(child)) ++*reinterpret_cast<int*>(count);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&shown));
    return shown;
  }

  void ShowDialogsOnScreen() override { ui_.AlsoShownOn = &onScreen_; }
  const std::vector<ScreenDialog>& ScreenDialogs() const override { return shown_; }

  FrameShown Frame() const override {
    RECT outer;
    GetWindowRect(MainHwnd(), &outer);
    const LONG_PTR style = GetWindowLongPtrW(MainHwnd(), GWL_STYLE);
    FrameShown shown{.OuterW = outer.right - outer.left,
                     .OuterH = outer.bottom - outer.top,
                     .Sizable = (style & WS_THICKFRAME) != 0,
                     .MinimizeBox = (style & WS_MINIMIZEBOX) != 0,
                     .MaximizeBox = (style & WS_MAXIMIZEBOX) != 0,
                     .CloseBox = (style & WS_SYSMENU) != 0};
    ICONINFO icon{};
    if (auto* big = reinterpret_cast<HICON>(SendMessageW(MainHwnd(), WM_GETICON, ICON_BIG, 0));
        big && GetIconInfo(big, &icon)) {
      BITMAP image{};
      GetObjectW(icon.hbmMask, sizeof image, &image);
      shown.IconW = image.bmWidth;
      shown.IconH = icon.hbmColor ? image.bmHeight : image.bmHeight / 2;  // mask over image
      DeleteObject(icon.hbmMask);
      if (icon.hbmColor) DeleteObject(icon.hbmColor);
    }
    return shown;
  }
  std::vector<MenuItemShown> MenuItems() const override {
    std::vector<MenuItemShown> items;
    HMENU bar = GetMenu(MainHwnd());
    for (int m = 0; m < GetMenuItemCount(bar); ++m) {
      HMENU menu = GetSubMenu(bar, m);
      for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        const std::wstring text = MenuText(menu, i);
        const std::size_t tab = std::min(text.find(L'\t'), text.size());
        const UINT state = GetMenuState(menu, UINT(i), MF_BYPOSITION);
        items.push_back({BytesFromWide(MenuText(bar, m)), BytesFromWide(text.substr(0, tab)),
                         BytesFromWide(text.substr(std::min(tab + 1, text.size()))),
                         (state & (MF_DISABLED | MF_GRAYED | MF_SEPARATOR)) == 0});
      }
    }
    return items;
  }
  std::optional<ControlPlace> PlaceOf(const TWindow& control) const override {
    HWND window = HwndOf(control);
    if (!window || !IsWindowVisible(window)) return std::nullopt;
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, MainHwnd(), reinterpret_cast<POINT*>(&r), 2);
    return ControlPlace{r.left, r.top, r.right - r.left, r.bottom - r.top};
  }
  std::optional<std::string> TextOf(const TWindow& control) const override {
    return Text(HwndOf(control));
  }
  std::string KindOf(std::string_view slot) const override {
    HWND control = Hwnd(SlotControl(window_, slot));
    if (!control) return "";
    const std::wstring name = ClassOf(control);
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
    if (!lstrcmpiW(name.c_str(), L"Edit")) return "edit";
    if (!lstrcmpiW(name.c_str(), L"ComboBox")) {
      return (style & 3) == CBS_DROPDOWNLIST ? "drop-down list" : "editable list";
    }
    return IsPageControl(control) ? "check box" : "";
  }
  std::optional<std::string> ListText(std::string_view slot) const override {
    return Text(Hwnd(SlotControl(window_, slot)));
  }
  std::string Focused() const override {
    HWND focused = GetFocus();
    if (!focused) return "";
    if (focused == Hwnd(window_.PageList())) return "ComboBox";
    for (const std::string_view slot : AllSlots()) {
      if (focused == Hwnd(SlotControl(window_, slot))) return std::string(slot);
    }
    return "";
  }

  bool ClickIntoEdit(std::string_view slot) override {
    HWND edit = Hwnd(SlotControl(window_, slot));
    if (!edit) return false;
    PostClick(edit, ClientCentre(edit));
    PostMessageW(edit, WM_KEYDOWN, VK_END, 1);
    PostMessageW(edit, WM_KEYUP, VK_END, 1 | (LPARAM(3) << 30));
    HandleWaitingMessages();
    return GetFocus() == edit;
  }
  bool PutOnClipboard(std::string_view text) override {
    return SetClipboardText(MainHwnd(), WideFromBytes(text));
  }
  bool ClickCloseBox() override {
    PostMessageW(MainHwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    HandleWaitingMessages();
    return true;
  }

  // This program again, as the close probe, through the command interpreter,
  // which gives back what it prints, in text, and its exit status.
  ClosedProcess CloseInOwnProcess(const CloseRequest& request) override {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"\"" + std::wstring(self) + L"\"";
    for (const std::string& argument : CloseProbeArguments(request)) {
      command += L" \"" + WideFromUtf8(argument) + L"\"";
    }
    FILE* probe = _wpopen((command + L"\"").c_str(), L"rt");
    if (!probe) return {};
    ClosedProcess closed;
    for (int c; (c = std::fgetc(probe)) != EOF;) closed.Told += char(c);
    closed.Status = _pclose(probe);
    return closed;
  }

  // The editor itself, started with nothing unsaved and closed as a user does.
  int CloseEditorInOwnProcess(std::string_view how) override {
    std::wstring command = L"\"" + WideFromUtf8(KALVEX_EDITOR) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION editor{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &editor)) {
      return -1;
    }
    int status = -1;
    if (HWND frame = FrameOfProcess(editor.dwProcessId, editor.hProcess)) {
      if (how == "file-exit") {
        PostMenuKey(frame, L'f');
        if (MenuShows(editor.dwProcessId)) PostMessageW(frame, WM_CHAR, L'x', 1);
      }
      if (how == "close-box") PostMessageW(frame, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    DWORD exitCode = 0;
    if (WaitForSingleObject(editor.hProcess, 30000) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(editor.hProcess, &exitCode)) {
      status = int(exitCode);
    } else {
      TerminateProcess(editor.hProcess, 99);
    }
    CloseHandle(editor.hThread);
    CloseHandle(editor.hProcess);
    return status;
  }

 private:
  static HWND Hwnd(const TWindow* window) { return window ? HwndOf(*window) : nullptr; }
  static std::wstring MenuText(HMENU menu, int position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, UINT(position), text, 128, MF_BYPOSITION);
    return text;
  }

  // The edit of the slot, clicked into and emptied as a user does: the End
  // key, then Backspace for every character.
  HWND EmptiedEdit(std::string_view slot) {
    HWND edit = Hwnd(SlotControl(window_, slot));
    if (!edit) return nullptr;
    PostClick(edit, ClientCentre(edit));
    PostMessageW(edit, WM_KEYDOWN, VK_END, 1);
    const int shown = GetWindowTextLengthW(edit);
    for (int i = 0; i < shown; ++i) PostMessageW(edit, WM_CHAR, VK_BACK, 1);
    HandleWaitingMessages();  // before any modifier key is held for what follows
    return edit;
  }
  HWND MainHwnd() const { return HwndOf(window_); }

  HHOOK hook_;
  std::vector<ScreenDialog> shown_;
  OnScreenUserInterface onScreen_{shown_};
  ScriptedUserInterface ui_;
  RecordingWindow window_;
};

}  // namespace

std::unique_ptr<WindowDriver> MakeWindowDriver() { return std::make_unique<Win32WindowDriver>(); }

}  // namespace kalvex::test
