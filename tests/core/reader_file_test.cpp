// Opening a script from a file: regular files are read, everything else is
// refused at once with the reason.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>  // mkfifo
#endif

#include <filesystem>
#include <fstream>
#include <optional>

#include "reader_test_support.h"
#include "script/script_file_reader.h"
#include "script/script_reader.h"
#include "script/script_writer.h"
#include "test_support.h"
#include "tests/temp_folder.h"

namespace kalvex::test {
namespace {

namespace fs = std::filesystem;

class ReaderFileTest : public testing::Test {
 protected:
  void SetUp() override { folder_ = MakeTempFolder("kalvex_reader_"); }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path Write(const std::string& name, const std::string& bytes) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  // Opens `path`, checks it is refused with a reason and leaves no bytes.
  ScriptFileStatus Refused(const fs::path& path) {
    ScriptDocument document;
    const std::optional<FileRefusal> refusal = OpenScriptFile(path, document);
    EXPECT_TRUE(refusal && refusal->failure == FileFailure::kCannotOpen);
    EXPECT_FALSE(refusal && refusal->reason.empty());  // the user is told why
    std::string bytes = "left over";
    const ScriptFileStatus status = LoadScriptFile(path, bytes);
    EXPECT_EQ(bytes, "");
    return status;
  }

  // The first weapon of the script at `path`, which must hold one.
  WeaponRecord Opened(const fs::path& path) {
    ScriptDocument document;
    const std::optional<FileRefusal> refusal = OpenScriptFile(path, document);
    EXPECT_FALSE(refusal) << refusal->reason;
    WeaponRecord record;
    if (!refusal) ReadWeapon(document, 0, record);
    return record;
  }

  fs::path folder_;
};

TEST_F(ReaderFileTest, ReadsAWrittenScript) {
  const WeaponRecord record = Opened(Write("rocket.tdf", WriteScript(WorkedExample())));
  EXPECT_EQ(record.Weapname, "Light Rocket Launcher");
  EXPECT_EQ(WriteScript(record), WriteScript(WorkedExample()));
}

TEST_F(ReaderFileTest, ReadsThroughASymbolicLink) {
  const fs::path path = Write("rocket.tdf", InBody("range=5;"));
  std::error_code refused;
  fs::create_symlink(path, folder_ / "link.tdf", refused);
  if (refused) GTEST_SKIP() << "no symbolic links here (Windows needs a privilege for them)";
  EXPECT_EQ(Opened(folder_ / "link.tdf").Weaprange, "5");
}

TEST_F(ReaderFileTest, EmptyFileHoldsNoWeapon) {
  ScriptDocument document;
  const std::optional<FileRefusal> refusal = OpenScriptFile(Write("empty.tdf", ""), document);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->failure, FileFailure::kNoWeapon);
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
  const fs::path path = Write("large.tdf", InBody("range=5;"));
  fs::resize_file(path, kMaxScriptFileSize);
  EXPECT_EQ(Opened(path).Weaprange, "5");
}

}  // namespace
}  // namespace kalvex::test
