// Reading a script from a file: regular files are read, everything else is
// refused at once and leaves the record untouched.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>  // mkfifo
#endif

#include <filesystem>
#include <fstream>

#include "reader_test_support.h"
#include "script/script_file_reader.h"
#include "script/script_writer.h"
#include "test_support.h"
#include "tests/temp_folder.h"

namespace kalvex {
namespace {

namespace fs = std::filesystem;

class ReaderFileTest : public testing::Test {
 protected:
  void SetUp() override { folder_ = test::MakeTempFolder("kalvex_reader_"); }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path Write(const std::string& name, const std::string& bytes) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  // Reads `path` into a dirty record and checks the record is left as it was
  // and a reason is given.
  ScriptFileStatus Refused(const fs::path& path) {
    WeaponRecord record = test::DirtyRecord();
    const ScriptFileResult result = ReadScriptFile(path, record);
    EXPECT_FALSE(result.opened());
    EXPECT_FALSE(result.reason.empty());  // the user is told why
    EXPECT_EQ(test::Differences(test::DirtyRecord(), record), "");
    std::string bytes = "left over";
    EXPECT_EQ(LoadScriptFile(path, bytes), result.status);
    EXPECT_EQ(bytes, "");
    return result.status;
  }

  fs::path folder_;
};

TEST_F(ReaderFileTest, ReadsAWrittenScript) {
  const fs::path path = Write("rocket.tdf", WriteScript(test::WorkedExample()));
  WeaponRecord record;
  const ScriptFileResult result = ReadScriptFile(path, record);
  ASSERT_TRUE(result.opened());
  EXPECT_TRUE(result.read.header_found);
  EXPECT_EQ(record.Weapname, "Light Rocket Launcher");
  EXPECT_EQ(WriteScript(record), WriteScript(test::WorkedExample()));
}

TEST_F(ReaderFileTest, ReadsThroughASymbolicLink) {
  const fs::path path = Write("rocket.tdf", test::InBody("range=5;"));
  std::error_code refused;
  fs::create_symlink(path, folder_ / "link.tdf", refused);
  if (refused) GTEST_SKIP() << "no symbolic links here (Windows needs a privilege for them)";
  WeaponRecord record;
  ASSERT_TRUE(ReadScriptFile(folder_ / "link.tdf", record).opened());
  EXPECT_EQ(record.Weaprange, "5");
}

TEST_F(ReaderFileTest, EmptyFileHoldsNoWeapon) {
  WeaponRecord record;
  const ScriptFileResult result = ReadScriptFile(Write("empty.tdf", ""), record);
  EXPECT_TRUE(result.opened());
  EXPECT_FALSE(result.read.header_found);
}

TEST_F(ReaderFileTest, MissingFileCannotBeOpened) {
  EXPECT_EQ(Refused(folder_ / "missing.tdf"), ScriptFileStatus::kCannotOpen);
  EXPECT_EQ(Refused(""), ScriptFileStatus::kCannotOpen);
}

TEST_F(ReaderFileTest, DirectoryRefused) {
  EXPECT_EQ(Refused(folder_), ScriptFileStatus::kNotAFile);
}

// Pipes and devices: each system has its own.
#ifndef _WIN32
TEST_F(ReaderFileTest, PipeWithoutWriterRefusedAtOnce) {
  const fs::path pipe = folder_ / "pipe.tdf";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(Refused(pipe), ScriptFileStatus::kNotAFile);
}

TEST_F(ReaderFileTest, EndlessDeviceRefused) {
  EXPECT_EQ(Refused("/dev/zero"), ScriptFileStatus::kNotAFile);
}
#else
TEST_F(ReaderFileTest, DevicesRefused) {
  for (const char* device : {"NUL", "CON", "CONIN$", "COM1"}) {
    SCOPED_TRACE(device);
    EXPECT_NE(Refused(device), ScriptFileStatus::kRead);
  }
  EXPECT_EQ(Refused("NUL"), ScriptFileStatus::kNotAFile);
}
#endif

TEST_F(ReaderFileTest, FileAboveTheLimitRefused) {
  const fs::path path = Write("huge.tdf", "");
  fs::resize_file(path, kMaxScriptFileSize + 1);
  EXPECT_EQ(Refused(path), ScriptFileStatus::kTooLarge);
}

TEST_F(ReaderFileTest, FileAtTheLimitRead) {
  const fs::path path = Write("large.tdf", test::InBody("range=5;"));
  fs::resize_file(path, kMaxScriptFileSize);
  WeaponRecord record;
  const ScriptFileResult result = ReadScriptFile(path, record);
  ASSERT_TRUE(result.opened());
  EXPECT_EQ(record.Weaprange, "5");
}

}  // namespace
}  // namespace kalvex
