// Saving on Windows: the read-only attribute, attributes kept, device names,
// UTF-16 file names and files that another program holds open. These exist on
// Windows only; the tests that every system shares are in save_file_test.cpp.
#include <gtest/gtest.h>
#include <windows.h>

#include "save_file_test_support.h"
#include "script/script_file_reader.h"

namespace kalvex::save_test {

std::string SystemStateOf(const fs::path& path) {
  return std::to_string(GetFileAttributesW(path.c_str()));
}

std::string KeptStateOf(const fs::path& path) { return SystemStateOf(path); }

const int kInjectedError = ERROR_GEN_FAILURE;
const char* const kInjectedReason = "System error 31";

void MakeRemovable(const fs::path& folder) {
  std::error_code ignore;
  for (const auto& entry : fs::recursive_directory_iterator(folder, ignore)) {
    SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

namespace {

DWORD AttributesOf(const std::string& path) { return GetFileAttributesW(fs::path(path).c_str()); }

std::string MakeFileWith(const std::string& path, DWORD attributes) {
  MakeFile(path);
  EXPECT_TRUE(SetFileAttributesW(fs::path(path).c_str(), attributes)) << GetLastError();
  return path;
}

TEST_F(SaveFileTest, ReplacedFileKeepsItsAttributes) {
  for (const DWORD attributes : {DWORD{FILE_ATTRIBUTE_NORMAL}, DWORD{FILE_ATTRIBUTE_ARCHIVE},
                                 DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE}}) {
    SCOPED_TRACE(attributes);
    ExpectReplacedKeepingState(
        [attributes](auto& d) { return MakeFileWith(d + "/w.tdf", attributes); });
  }
}

TEST_F(SaveFileTest, ReadOnlyFileIsWrittenOnceTheAttributeIsCleared) {
  const std::string path = MakeFileWith(Path("w.tdf"), FILE_ATTRIBUTE_READONLY);
  ExpectStatus(SaveScriptFile(path, NewScript()), SaveStatus::kCannotOpen);
  EXPECT_NE(AttributesOf(path) & FILE_ATTRIBUTE_READONLY, 0u);
  ASSERT_TRUE(SetFileAttributesW(fs::path(path).c_str(), FILE_ATTRIBUTE_NORMAL));
  ExpectSaved(SaveScriptFile(path, NewScript()));
  EXPECT_EQ(ReadFile(path), NewScript());
}

// File names reach the system as UTF-16: the same folder seen through the
// wide file API holds exactly the bytes saved and read back.
TEST_F(SaveFileTest, NonAsciiFolderNames) {
  const std::u8string folder = u8"Waffen-\u00C4\u00D6\u00DC\u00DF-\u03A9\u03BC-\u6B66\u5668";
  const fs::path wide_folder = fs::path(dir_) / fs::path(folder);
  ASSERT_TRUE(fs::create_directory(wide_folder));
  const std::string utf8_path =
      dir_ + "/" + std::string(folder.begin(), folder.end()) + "/\u00E9t\u00E9.tdf";

  ExpectSaved(SaveScriptFile(utf8_path, EarlierScript()));
  ExpectSaved(SaveScriptFile(utf8_path, NewScript()));

  const fs::path wide_file = wide_folder / fs::path(u8"\u00E9t\u00E9.tdf");
  EXPECT_EQ(ReadFile(wide_file), NewScript());
  std::string loaded;
  EXPECT_EQ(LoadScriptFile(wide_file, loaded), ScriptFileStatus::kRead);
  EXPECT_EQ(loaded, NewScript());
  EXPECT_EQ(std::distance(fs::directory_iterator(wide_folder), fs::directory_iterator()), 1);
}

// Scripts hold CR LF; they are written as they are, never as CR CR LF.
TEST_F(SaveFileTest, SavedOverExistingScriptByteForByte) {
  const std::string path = Path("w.tdf");
  WriteBytes(path, NewScript());
  ExpectSaved(SaveScriptFile(path, EarlierScript()));
  const std::optional<std::string> saved = ReadFile(path);
  ASSERT_TRUE(saved);
  EXPECT_EQ(*saved, EarlierScript());
  EXPECT_EQ(saved->find("\r\r"), std::string::npos);
  EXPECT_EQ(fs::file_size(path), EarlierScript().size());
}

// A file that another program holds open without letting others write or
// remove it cannot be opened for writing: refused before anything is written,
// and the earlier script stays as it was.
TEST_F(SaveFileTest, LockedFileIsRefusedAndKept) {
  for (const DWORD sharing :
       {DWORD{0}, DWORD{FILE_SHARE_READ}, DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE}}) {
    SCOPED_TRACE(sharing);
    const std::string path = MakeFile(Path("w.tdf"));
    const HANDLE lock = CreateFileW(fs::path(path).c_str(), GENERIC_READ, sharing, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE) << GetLastError();
    const SaveResult result = SaveScriptFile(path, NewScript());
    CloseHandle(lock);

    ExpectStatus(result, SaveStatus::kCannotOpen, "The file is in use by another program");
    EXPECT_EQ(ReadFile(path), EarlierScript());
    EXPECT_EQ(Names(dir_), std::set<std::string>{"w.tdf"});

    // Once the other program lets go, the same save succeeds.
    ExpectSaved(SaveScriptFile(path, NewScript()));
    EXPECT_EQ(ReadFile(path), NewScript());
  }
}

// A small disk of our own, filled to the brim, for real write errors.
// tools/check-windows.sh maps one (a small tmpfs) to a drive and names it in
// KALVEX_SMALL_DISK when it may mount one.
class FullDiskTest : public SaveFileTest {
 protected:
  void SetUp() override {
    const char* disk = std::getenv("KALVEX_SMALL_DISK");
    if (disk == nullptr) GTEST_SKIP() << "needs a small disk of its own in KALVEX_SMALL_DISK";
    disk_ = disk;
    folders_.push_back(MakeFolder(disk_ + "full"));
  }

  // Writes to `path` until the disk has no room left.
  void FillUp(const std::string& path) {
    const HANDLE file = CreateFileW(fs::path(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << GetLastError();
    const std::string block(4096, 'f');
    for (const DWORD size : {DWORD{4096}, DWORD{1}}) {
      DWORD written = 0;
      while (WriteFile(file, block.data(), size, &written, nullptr) && written == size) {
      }
    }
    CloseHandle(file);
  }

  std::string disk_;
};

TEST_F(FullDiskTest, EarlierScriptStaysWhenTheWriteFails) {
  const std::string path = MakeFile(disk_ + "full/w.tdf");
  FillUp(disk_ + "full/filler");
  ExpectFullDiskKeepsEarlierScript(disk_ + "full/", path);
}

}  // namespace

// The refusals that only Windows has.
const std::vector<RefusalCase> kSystemRefusals = {
    {"read-only and hidden file",
     [](auto& d) {
       return MakeFileWith(d + "/w.tdf", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
     },
     kReadOnly},
    {"read-only file named with backslashes",
     [](auto& d) {
       MakeFileWith(d + "/w.tdf", FILE_ATTRIBUTE_READONLY);
       return fs::path(d + "/w.tdf").make_preferred().string();
     },
     kReadOnly},
    {"device name", [](auto& d) { return d + "/CON"; }, kSpecial},
    {"device name with an extension", [](auto& d) { return d + "/nul.tdf"; }, kSpecial},
    {"name that is not UTF-8", [](auto& d) { return d + "/w\xFF.tdf"; }, kBadName},
};

const std::vector<SaveWalk> kSaveWalks = {
    {"new file", [](auto& d) { return d + "/w.tdf"; }, "w.tdf",
     "GetFullPathNameW GetFullPathNameW GetFileAttributesW GetFileAttributesW GetFileAttributesW "
     "CreateFileW WriteFile FlushFileBuffers CloseHandle MoveFileExW"},
    {"existing file, attributes kept",
     [](auto& d) {
       return MakeFileWith(d + "/w.tdf", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
     },
     "w.tdf",
     "GetFullPathNameW GetFullPathNameW GetFileAttributesW GetFileAttributesW GetFileAttributesW "
     "CreateFileW CloseHandle CreateFileW WriteFile FlushFileBuffers CloseHandle ReplaceFileW"},
    // Replacing may take the earlier file away and leave the new one under
    // its own name: it then must take the earlier one's name.
    {"existing file, replaced by a move",
     [](auto& d) { return MakeFileWith(d + "/w.tdf", FILE_ATTRIBUTE_HIDDEN); }, "w.tdf",
     "GetFullPathNameW GetFullPathNameW GetFileAttributesW GetFileAttributesW GetFileAttributesW "
     "CreateFileW CloseHandle CreateFileW WriteFile FlushFileBuffers CloseHandle ReplaceFileW "
     "MoveFileExW",
     "ReplaceFileW", ERROR_UNABLE_TO_MOVE_REPLACEMENT},
};

const char* const kLoadCalls =
    "GetFileAttributesW CreateFileW GetFileType GetFileSizeEx ReadFile ReadFile CloseHandle";

}  // namespace kalvex::save_test
