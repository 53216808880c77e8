// The system's file dialogs open where the request says: in the folder of
// the name proposed, else in the folder given, also one whose name is not
// ASCII.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "platform/user_interface.h"
#include "platform/win32/text_codec.h"
#include "script/utf8_path.h"
#include "tests/temp_folder.h"
#include "tests/win32/screen_dialog.h"

namespace kalvex::test {
namespace {

struct FolderRow {
  const char* name;
  bool save;
  const char* fileName;  // under the test's folder; "" for none
  const char* folder;    // under the test's folder
  const char* opensIn;   // under the test's folder
};

const FolderRow kFolderRows[] = {
    {"open, a folder alone", false, "", "a", "a"},
    {"save, a folder alone", true, "", "a", "a"},
    {"save, a folder not ASCII", true, "",
     "Fus\xC3\xA9"
     "e",
     "Fus\xC3\xA9"
     "e"},
    {"save, a name in another folder", true, "b/gun.tdf", "a", "b"},
};

void PrintTo(const FolderRow& row, std::ostream* out) { *out << row.name; }

class FileChooserTest : public ::testing::TestWithParam<FolderRow> {};

TEST_P(FileChooserTest, OpensInTheFolderAsked) {
  const FolderRow& row = GetParam();
  const std::filesystem::path top = MakeTempFolder("kalvex-chooser-");
  for (const char* folder : {row.folder, row.opensIn}) {
    std::filesystem::create_directories(top / PathFromUtf8(folder));
  }
  TFileRequest request;
  request.Folder = Utf8FromPath(top / PathFromUtf8(row.folder));
  if (*row.fileName) request.FileName = Utf8FromPath(top / PathFromUtf8(row.fileName));
  request.Filters = {{"Weapon Files (*.TDF)", {"*.tdf"}}};
  std::wstring shownFolder(MAX_PATH, L'\0');
  WhenDialogShown([&](HWND dialog) {
    const LRESULT length = SendMessageW(dialog, CDM_GETFOLDERPATH, shownFolder.size(),
                                        reinterpret_cast<LPARAM>(shownFolder.data()));
    shownFolder.resize(length > 0 ? std::size_t(length - 1) : 0);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  TPlatformUserInterface platform;
  const std::optional<std::string> chosen = row.save ? platform.ChooseFileToSave(nullptr, request)
                                                     : platform.ChooseFileToOpen(nullptr, request);
  EXPECT_EQ(chosen, std::nullopt);
  std::error_code failed;
  EXPECT_TRUE(std::filesystem::equivalent(shownFolder, top / PathFromUtf8(row.opensIn), failed))
      << Utf8FromWide(shownFolder);
  std::filesystem::remove_all(top, failed);
}

INSTANTIATE_TEST_SUITE_P(Rows, FileChooserTest, ::testing::ValuesIn(kFolderRows),
                         [](const auto& row) {
                           std::string name;
                           for (const char c : std::string(row.param.name)) {
                             name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace kalvex::test
