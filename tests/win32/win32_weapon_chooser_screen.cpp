// Windows' weapon-choosing dialog used as a user uses it: the keyboard and
// mouse messages a user's input makes, posted to the real dialog and handled
// by its own message loop, and what its controls show.
#include <string>
#include <utility>

#include "platform/win32/text_codec.h"
#include "tests/win32/screen_dialog.h"
#include "tests/window/weapon_chooser_screen.h"

namespace kalvex::test {
namespace {

// How long the dialog's loop is given to handle what a step posted.
constexpr UINT kSettle = 30;  // ms

// The dialog's controls, found as the user sees them.
struct ChooserControls {
  HWND filter;
  HWND list;
  HWND ok;
  HWND cancel;
};

ChooserControls ControlsOf(HWND dialog) {
  return {FindWindowExW(dialog, nullptr, L"Edit", nullptr),
          FindWindowExW(dialog, nullptr, WC_LISTVIEWW, nullptr),
          FindWindowExW(dialog, nullptr, L"Button", L"OK"),
          FindWindowExW(dialog, nullptr, L"Button", L"Cancel")};
}

ControlPlace PlaceIn(HWND dialog, HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// Whether the list's row `row` stands wholly in the list's view, below its
// headings.
bool RowInView(HWND list, int row) {
  RECT item{};
  item.left = LVIR_BOUNDS;
  if (!SendMessageW(list, LVM_GETITEMRECT, WPARAM(row), reinterpret_cast<LPARAM>(&item))) {
    return false;
  }
  RECT view, headings;
  GetClientRect(list, &view);
  GetWindowRect(reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)), &headings);
  return item.top >= headings.bottom - headings.top && item.bottom <= view.bottom;
}

ChooserShown Read(HWND dialog) {
  const ChooserControls c = ControlsOf(dialog);
  ChooserShown shown;
  shown.Filter = Utf8FromWide(WindowText(c.filter));
  shown.Rows = ReadDialog(dialog).Rows;
  shown.Highlighted = int(SendMessageW(c.list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
  shown.HighlightedInView = shown.Highlighted >= 0 && RowInView(c.list, shown.Highlighted);
  shown.OkEnabled = IsWindowEnabled(c.ok);
  const HWND focused = GetFocus();
  shown.Focused = focused == c.filter   ? "filter"
                  : focused == c.list   ? "list"
                  : focused == c.ok     ? "OK"
                  : focused == c.cancel ? "Cancel"
                                        : "";
  RECT client;
  GetClientRect(dialog, &client);
  shown.Client = {0, 0, client.right, client.bottom};
  shown.FilterBox = PlaceIn(dialog, c.filter);
  shown.List = PlaceIn(dialog, c.list);
  shown.Ok = PlaceIn(dialog, c.ok);
  shown.Cancel = PlaceIn(dialog, c.cancel);
  return shown;
}

void PostClick(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  const LPARAM centre = MAKELPARAM(client.right / 2, client.bottom / 2);
  PostMessageW(window, WM_MOUSEMOVE, 0, centre);
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, centre);
  PostMessageW(window, WM_LBUTTONUP, 0, centre);
}

UINT KeyNamed(const std::string& name) {
  const std::pair<const char*, UINT> keys[] = {{"Down", VK_DOWN},    {"Up", VK_UP},
                                               {"Enter", VK_RETURN}, {"Escape", VK_ESCAPE},
                                               {"Tab", VK_TAB},      {"Backspace", VK_BACK}};
  for (const auto& [named, key] : keys) {
    if (name == named) return key;
  }
  return 0;
}

void Do(HWND dialog, const ChooserStep& step) {
  const ChooserControls c = ControlsOf(dialog);
  if (!step.Type.empty()) {
    PostClick(c.filter);
    for (const wchar_t unit : WideFromUtf8(step.Type)) PostMessageW(c.filter, WM_CHAR, unit, 1);
  }
  if (const UINT key = KeyNamed(step.Keys)) {
    HWND focused = GetFocus();
    PostMessageW(focused, WM_KEYDOWN, key, 1);
    PostMessageW(focused, WM_KEYUP, key, 1 | (LPARAM(3) << 30));
  }
  // A disabled button takes no click: the system hands it none.
  HWND button = step.Click == "OK" ? c.ok : step.Click == "Cancel" ? c.cancel : nullptr;
  if (button && IsWindowEnabled(button)) PostClick(button);
  if (step.Width > 0) {
    RECT outer{0, 0, step.Width, step.Height};
    AdjustWindowRectEx(&outer, DWORD(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                       DWORD(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
    SetWindowPos(dialog, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER);
  }
}

// The use under way: each step is done once the dialog's loop has handled
// what the one before posted.
struct Use {
  HWND dialog = nullptr;
  const std::vector<ChooserStep>* steps = nullptr;
  std::size_t next = 0;
  ChooserUse* use = nullptr;
  UINT_PTR timer = 0;
  bool cancelledAfterTheSteps = false;
};
Use current;

void CALLBACK ReadThenActOnTime(HWND, UINT, UINT_PTR timer, DWORD);

// Reads what the dialog shows, then does the next step, or cancels the
// dialog after the last.
void ReadThenAct() {
  if (!IsWindowVisible(current.dialog)) return;  // closed by the last step
  current.use->Shown.push_back(Read(current.dialog));
  if (current.next == current.steps->size()) {
    current.cancelledAfterTheSteps = true;
    PostMessageW(current.dialog, WM_COMMAND, IDCANCEL, 0);
    return;
  }
  Do(current.dialog, (*current.steps)[current.next++]);
  current.timer = SetTimer(nullptr, 0, kSettle, ReadThenActOnTime);
}

void CALLBACK ReadThenActOnTime(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  current.timer = 0;
  ReadThenAct();
}

}  // namespace

ChooserUse UseWeaponChooser(THandle owner, const TWeaponChoice& choice,
                            const std::vector<ChooserStep>& steps) {
  ChooserUse use;
  current = {nullptr, &steps, 0, &use, 0, false};
  WhenDialogShown([](HWND dialog) {
    current.dialog = dialog;
    ReadThenAct();
  });
  TPlatformUserInterface platform;
  use.Taken = platform.ChooseWeapon(owner, choice);
  if (current.timer) KillTimer(nullptr, current.timer);
  use.ClosedByTheSteps = !current.cancelledAfterTheSteps;
  current = {};
  return use;
}

}  // namespace kalvex::test
