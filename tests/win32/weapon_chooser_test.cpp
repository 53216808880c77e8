// The weapon-choosing dialog as Windows lays it out: every heading and cell
// shown whole, however short, and the buttons apart.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/user_interface.h"
#include "platform/win32/native_window.h"
#include "tests/win32/screen_dialog.h"

namespace kalvex::test {
namespace {

// How the dialog came up.
struct Layout {
  std::vector<std::wstring> cutTexts;  // headings and cells narrower than their text
  RECT ok{};
  RECT cancel{};
};

HWND ChildOfClass(HWND parent, const wchar_t* className, const wchar_t* text = nullptr) {
  return FindWindowExW(parent, nullptr, className, text);
}

std::wstring HeadingText(HWND header, int column) {
  wchar_t text[64] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT;
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(header, HDM_GETITEMW, column, reinterpret_cast<LPARAM>(&item));
  return text;
}

std::wstring CellText(HWND list, int row, int column) {
  wchar_t text[64] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  return text;
}

// A heading's text is drawn with a margin of three edges on either side; a
// column narrower than that cuts it to "...". A cell takes no more room.
bool ShownWhole(HWND list, const std::wstring& text, int columnWidth) {
  const int textWidth =
      int(SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text.c_str())));
  return columnWidth >= textWidth + 6 * GetSystemMetrics(SM_CXEDGE);
}

Layout ReadLayout(HWND dialog) {
  Layout layout;
  HWND list = ChildOfClass(dialog, WC_LISTVIEWW);
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  const int columns = int(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  const int rows = int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int column = 0; column < columns; ++column) {
    const int width = int(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
    std::vector<std::wstring> texts = {HeadingText(header, column)};
    for (int row = 0; row < rows; ++row) texts.push_back(CellText(list, row, column));
    for (const std::wstring& text : texts) {
      if (!ShownWhole(list, text, width)) layout.cutTexts.push_back(text);
    }
  }
  GetWindowRect(ChildOfClass(dialog, L"Button", L"OK"), &layout.ok);
  GetWindowRect(ChildOfClass(dialog, L"Button", L"Cancel"), &layout.cancel);
  return layout;
}

std::string Narrow(const std::vector<std::wstring>& texts) {
  std::string joined;
  for (const std::wstring& text : texts) joined += std::string(text.begin(), text.end()) + " ";
  return joined;
}

TEST(WeaponChooser, ShowsShortHeadingsAndCellsWholeWithItsButtonsApart) {
  const TWeaponChoice choice{
      "Open Weapon",
      "This file holds 3 weapons. Which one do you want to edit?",
      {{"A", "", "7", 1}, {"ARM_BERTHACANNON", "Big Bertha", "8", 12}, {"B", "B", "", 40}}};
  Layout layout;
  WhenDialogShown([&](HWND dialog) {
    layout = ReadLayout(dialog);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  TPlatformUserInterface platform;
  EXPECT_EQ(platform.ChooseWeapon(nullptr, choice), std::nullopt);
  EXPECT_TRUE(layout.cutTexts.empty()) << Narrow(layout.cutTexts);
  EXPECT_EQ(layout.ok.top, layout.cancel.top);
  EXPECT_GE(layout.cancel.left - layout.ok.right, Scaled(6));
}

}  // namespace
}  // namespace kalvex::test
