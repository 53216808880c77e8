// The editor's help window: the help text (rich text, converted from the
// help page when the program is built) in a read-only rich edit, beside the
// main window, its contents links to its sections; it stays open while the
// user goes on editing.
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

// All the text, each paragraph ending in "\r": an index is a character position.
std::wstring AllText(HWND text) {
  GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
  const auto count =
      std::size_t(SendMessageW(text, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
  std::wstring all(count + 1, L'\0');
  GETTEXTEX get{DWORD(all.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
  all.resize(std::size_t(SendMessageW(text, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
                                      reinterpret_cast<LPARAM>(all.data()))));
  return all;
}

bool IsUnderlined(HWND text, LONG at) {
  SendMessageW(text, EM_SETSEL, at, at + 1);
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  SendMessageW(text, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  return (format.dwMask & CFM_UNDERLINE) && (format.dwEffects & CFE_UNDERLINE);
}

// The help's rich text underlines its links and nothing else: each
// underlined run becomes a link that the rich edit tells of when clicked.
void MarkLinks(HWND text) {
  const LONG length = LONG(AllText(text).size());
  LONG start = -1;
  for (LONG at = 0; at <= length; ++at) {
    const bool underlined = at < length && IsUnderlined(text, at);
    if (underlined && start < 0) start = at;
    if (underlined || start < 0) continue;
    SendMessageW(text, EM_SETSEL, start, at);
    CHARFORMAT2W link{};
    link.cbSize = sizeof link;
    link.dwMask = CFM_LINK;
    link.dwEffects = CFE_LINK;
    SendMessageW(text, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&link));
    start = -1;
  }
}

// A link names its section by the section's heading: the last paragraph
// that reads as the link, brought to the top of the window.
void ShowSection(HWND text, CHARRANGE link) {
  std::wstring name(std::size_t(link.cpMax - link.cpMin) + 1, L'\0');
  TEXTRANGEW range{link, name.data()};
  name.resize(
      std::size_t(SendMessageW(text, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range))));
  const std::size_t heading = AllText(text).rfind(L'\r' + name + L'\r');
  if (name.empty() || heading == std::wstring::npos) return;
  const LPARAM at = LPARAM(heading + 1);
  SendMessageW(text, EM_SETSEL, WPARAM(at), at);
  POINT scrolled{};
  SendMessageW(text, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scrolled));
  POINTL place{};
  SendMessageW(text, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&place), at);
  scrolled.y += place.y;
  SendMessageW(text, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scrolled));
}

LRESULT CALLBACK HelpProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == EN_LINK) {
    // A click on a link shows its section, and the rich edit does no more with it.
    const auto* link = reinterpret_cast<const ENLINK*>(lParam);
    if (link->msg != WM_LBUTTONUP) return 0;
    ShowSection(link->nmhdr.hwndFrom, link->chrg);
    return 1;
  }
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
  SendMessageW(text, EM_SETEVENTMASK, 0, ENM_LINK);
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
  MarkLinks(text);
  SendMessageW(text, EM_SETSEL, 0, 0);
  SendMessageW(text, EM_SCROLLCARET, 0, 0);
  SetWindowTextW(window, TitleOf(richText).c_str());
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
}
