// The editor's help window: the help text (rich text, converted from the
// help page when the program is built) in a read-only rich edit, beside the
// main window; it stays open while the user goes on editing.
#include <string>

#include "platform/user_interface.h"
#include "platform/win32/native_window.h"
#include "platform/win32/program_resources.h"
#include "platform/win32/text_codec.h"
// After <windows.h>, which win32.h brings: the rich edit's messages.
#include <richedit.h>

namespace {

constexpr wchar_t kHelpClass[] = L"KalvexHelp";
constexpr int kTextId = 1;

// The text's title, from its information group.
std::wstring TitleOf(std::string_view richText) {
  constexpr std::string_view kTitle = "{\\title ";
  const std::size_t start = richText.find(kTitle);
  if (start == std::string_view::npos) return {};
  const std::size_t end = richText.find('}', start);
  return WideFromBytes(richText.substr(start + kTitle.size(), end - start - kTitle.size()));
}

LRESULT CALLBACK HelpProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) {
    MoveWindow(GetDlgItem(window, kTextId), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
    return 0;
  }
  if (message == WM_SETFOCUS) {
    SetFocus(GetDlgItem(window, kTextId));
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeHelpWindow(HWND owner) {
  static const bool ready = [] {
    LoadLibraryW(L"msftedit.dll");
    WNDCLASSEXW helpClass{};
    helpClass.cbSize = sizeof helpClass;
    helpClass.lpfnWndProc = HelpProc;
    helpClass.hInstance = GetModuleHandleW(nullptr);
    helpClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    helpClass.lpszClassName = kHelpClass;
    return RegisterClassExW(&helpClass) != 0;
  }();
  if (!ready) return nullptr;
  HWND window =
      CreateWindowExW(0, kHelpClass, L"", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                      Scaled(560), Scaled(480), owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window) return nullptr;
  RECT client;
  GetClientRect(window, &client);
  HWND text = CreateWindowExW(
      0, MSFTEDIT_CLASS, L"",
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0,
      client.right, client.bottom, window, reinterpret_cast<HMENU>(INT_PTR(kTextId)),
      GetModuleHandleW(nullptr), nullptr);
  if (!text) {
    DestroyWindow(window);
    return nullptr;
  }
  SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(MessageFont()), FALSE);
  return window;
}

// Hands the rich text to the rich edit.
DWORD CALLBACK ReadRichText(DWORD_PTR cookie, BYTE* buffer, LONG room, LONG* given) {
  auto* rest = reinterpret_cast<std::string_view*>(cookie);
  const std::size_t count = std::min(rest->size(), std::size_t(room));
  std::copy_n(rest->data(), count, buffer);
  rest->remove_prefix(count);
  *given = LONG(count);
  return 0;
}

}  // namespace

// The help text is shown from its start in the one help window of `owner`,
// made when needed; its title is the text's own (\title).
void TPlatformUserInterface::ShowHelp(THandle ownerHandle, const std::string& helpFile, unsigned) {
  const std::optional<std::string_view> help = RawResource(helpFile);
  if (!help) {
    MessageBox(ownerHandle, "Unable to find help file " + helpFile, "File Error",
               MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  const std::string_view richText = *help;
  HWND owner = HwndOf(ownerHandle);
  HWND window = FindWindowExW(nullptr, nullptr, kHelpClass, nullptr);
  while (window && GetWindow(window, GW_OWNER) != owner) {
    window = FindWindowExW(nullptr, window, kHelpClass, nullptr);
  }
  if (!window) window = MakeHelpWindow(owner);
  if (!window) return;
  HWND text = GetDlgItem(window, kTextId);
  std::string_view rest = richText;
  EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&rest), 0, ReadRichText};
  SendMessageW(text, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
  SendMessageW(text, EM_SETSEL, 0, 0);
  SendMessageW(text, EM_SCROLLCARET, 0, 0);
  SetWindowTextW(window, TitleOf(richText).c_str());
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
}
