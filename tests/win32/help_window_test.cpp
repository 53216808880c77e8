// The help window as Windows shows it: the title and the introduction, then
// the contents, each page's entry a link that brings its section to the top;
// and the ways of opening a script that Windows has.
#include <gtest/gtest.h>

#include <string>

#include "platform/user_interface.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/native_window.h"
#include "platform/win32/text_codec.h"
#include "tests/window/page_expectations.h"
// After <windows.h>, which the layer's headers bring: the rich edit's messages.
#include <richedit.h>

namespace kalvex::test {
namespace {

// All the rich edit holds, each paragraph ending in "\r", so that an index
// is a character position.
std::wstring AllText(HWND edit) {
  GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
  const auto count =
      std::size_t(SendMessageW(edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
  std::wstring text(count + 1, L'\0');
  GETTEXTEX get{DWORD(text.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
  text.resize(std::size_t(SendMessageW(edit, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
                                       reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

bool IsLink(HWND edit, std::size_t at) {
  SendMessageW(edit, EM_SETSEL, at, at + 1);
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  SendMessageW(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  return (format.dwMask & CFM_LINK) && (format.dwEffects & CFE_LINK);
}

void HandleWaitingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) HandleMessage(message);
}

void Click(HWND edit, std::size_t at) {
  POINTL place{};
  SendMessageW(edit, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&place), LPARAM(at));
  const LPARAM point = MAKELPARAM(place.x + 2, place.y + 2);
  PostMessageW(edit, WM_MOUSEMOVE, 0, point);
  PostMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageW(edit, WM_LBUTTONUP, 0, point);
  HandleWaitingMessages();
}

int LineOf(HWND edit, std::size_t at) {
  return int(SendMessageW(edit, EM_EXLINEFROMCHAR, 0, LPARAM(at)));
}

// Whether the character at `at` stands within the window.
bool IsShown(HWND edit, std::size_t at) {
  POINTL place{};
  SendMessageW(edit, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&place), LPARAM(at));
  RECT client;
  GetClientRect(edit, &client);
  return place.y >= 0 && place.y < client.bottom;
}

std::wstring Wide(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

class HelpWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform_.ShowHelp(nullptr, "Kalvex.hlp", HELP_CONTENTS);
    window_ = FindWindowW(L"KalvexHelp", nullptr);
    ASSERT_TRUE(window_);
    edit_ = GetDlgItem(window_, 1);
    ASSERT_TRUE(edit_);
    text_ = AllText(edit_);
  }
  void TearDown() override {
    if (window_) DestroyWindow(window_);
  }

  TPlatformUserInterface platform_;
  HWND window_ = nullptr;
  HWND edit_ = nullptr;
  std::wstring text_;
};

TEST_F(HelpWindowTest, TheContentsFollowTheIntroductionAsLinksToTheSections) {
  const std::size_t introduction = text_.find(L"The editor writes the weapons");
  const std::size_t contents = text_.find(L"\rContents\r");
  ASSERT_NE(introduction, std::wstring::npos);
  ASSERT_NE(contents, std::wstring::npos);
  EXPECT_LT(introduction, contents);
  for (const ExpectedPage& page : kExpectedPages) {
    const std::wstring name = Wide(page.listEntry);
    const std::size_t entry = text_.find(L"\t" + name + L"\r", contents) + 1;
    const std::size_t section = text_.rfind(L"\r" + name + L"\r") + 1;
    ASSERT_NE(entry, 0u) << page.listEntry;
    ASSERT_GT(section, entry) << page.listEntry;
    EXPECT_TRUE(IsLink(edit_, entry)) << page.listEntry;
    EXPECT_FALSE(IsLink(edit_, section)) << page.listEntry;
    SendMessageW(edit_, EM_SETSEL, entry, entry);
    SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
    Click(edit_, entry);
    // The last sections cannot come to the top: the text then shows its end.
    const bool atTop = SendMessageW(edit_, EM_GETFIRSTVISIBLELINE, 0, 0) == LineOf(edit_, section);
    EXPECT_TRUE(atTop || (IsShown(edit_, section) && IsShown(edit_, text_.size() - 1)))
        << page.listEntry;
  }
}

TEST_F(HelpWindowTest, TellsTheWaysOfOpeningAScriptThatWindowsHas) {
  for (const wchar_t* said : {L"File, Open", L"dropping it onto the window", L"kalvex.exe gun.tdf",
                              L"\"Open with\", choosing kalvex.exe"}) {
    EXPECT_NE(text_.find(said), std::wstring::npos) << Utf8FromWide(said);
  }
  for (const wchar_t* unsaid : {L"kalvex gun.tdf", L"file manager"}) {
    EXPECT_EQ(text_.find(unsaid), std::wstring::npos) << Utf8FromWide(unsaid);
  }
}

}  // namespace
}  // namespace kalvex::test
