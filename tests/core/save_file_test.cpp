#include "script/save_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "script/script_writer.h"
#include "test_support.h"

namespace kalvex {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

// Reads a file afresh from the file system; nothing when it cannot be read.
std::optional<std::string> ReadFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  ssize_t n;
  while ((n = read(fd, buffer, sizeof buffer)) > 0) bytes.append(buffer, static_cast<size_t>(n));
  close(fd);
  if (n < 0) return std::nullopt;
  return bytes;
}

void WriteFile(const std::string& path, std::string_view bytes, mode_t mode = 0644) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  ASSERT_GE(fd, 0) << path << ": " << std::strerror(errno);
  ASSERT_EQ(write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  ASSERT_EQ(fchmod(fd, mode), 0);
  ASSERT_EQ(close(fd), 0);
}

struct stat StatOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(lstat(path.c_str(), &st), 0) << path << ": " << std::strerror(errno);
  return st;
}

mode_t CurrentUmask() {
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}

// Everything that a save could change under a folder: type, mode, owner, size
// and contents of regular files, the text of links. Special files are never
// opened.
struct EntryState {
  mode_t mode = 0;
  uid_t uid = 0;
  gid_t gid = 0;
  ino_t inode = 0;
  std::string contents;
  bool operator==(const EntryState&) const = default;
};

std::map<std::string, EntryState> Snapshot(const std::string& folder) {
  std::map<std::string, EntryState> entries;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::string path = entry.path().string();
    const struct stat st = StatOf(path);
    EntryState state{st.st_mode, st.st_uid, st.st_gid, st.st_ino, {}};
    if (S_ISREG(st.st_mode)) state.contents = ReadFile(path).value_or("<unreadable>");
    if (S_ISLNK(st.st_mode)) state.contents = fs::read_symlink(entry.path()).string();
    entries[path.substr(folder.size())] = state;
  }
  return entries;
}

std::set<std::string> Names(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

void ExpectCannotOpen(const SaveResult& result) {
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.status, SaveStatus::kCannotOpen);
  EXPECT_EQ(result.message, "Unable to open file");
  EXPECT_EQ(result.caption, "File Error");
}

void ExpectCannotWrite(const SaveResult& result) {
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.status, SaveStatus::kCannotWrite);
  EXPECT_EQ(result.message, "Unable to write file");
  EXPECT_EQ(result.caption, "File Error");
}

void ExpectSaved(const SaveResult& result) {
  EXPECT_TRUE(result.ok());
  EXPECT_EQ(result.status, SaveStatus::kSaved);
  EXPECT_TRUE(result.message.empty());
  EXPECT_TRUE(result.caption.empty());
  EXPECT_TRUE(result.reason.empty());
}

const std::string& EarlierScript() {
  static const std::string bytes = WriteScript(test::WorkedExample());
  return bytes;
}

const std::string& NewScript() {
  static const std::string bytes = [] {
    WeaponRecord record = test::WorkedExample();
    record.Weapname = "Heavy Rocket Battery";
    record.Weapbeam = 1;
    record.Weapcol2 = 3;
    return WriteScript(record);
  }();
  return bytes;
}

class SaveFileTest : public ::testing::Test {
 protected:
  void SetUp() override { UseFreshFolder(); }

  void TearDown() override {
    for (const std::string& folder : folders_) {
      // Folders made unwritable by a test must be opened up again for removal.
      chmod(folder.c_str(), 0755);
      for (const auto& entry : fs::recursive_directory_iterator(folder, ignore_)) {
        if (entry.is_directory(ignore_) && !entry.is_symlink(ignore_)) {
          chmod(entry.path().c_str(), 0755);
        }
      }
      fs::remove_all(folder, ignore_);
    }
  }

  // Makes dir_ a new, empty folder of its own.
  void UseFreshFolder() {
    std::string pattern = (fs::temp_directory_path() / "kalvex-save-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr) << std::strerror(errno);
    dir_ = pattern;
    folders_.push_back(dir_);
  }

  std::string Path(const std::string& name) const { return dir_ + "/" + name; }

  std::string dir_;
  std::vector<std::string> folders_;
  std::error_code ignore_;
};

// Each way a file can fail to be opened for writing: refused at once, with
// nothing created or changed anywhere in the folder.
struct RefusalCase {
  const char* name;
  std::function<std::string(const std::string& dir)> prepare;  // returns the path to save to
  const char* reason;  // what the user is told after the first line
};

constexpr const char* kReadOnly = "The file is read-only";
constexpr const char* kNoFolder = "The folder does not exist";
constexpr const char* kIsFolder = "It is a folder";
constexpr const char* kSpecial = "It is not a regular file";
constexpr const char* kBadName = "The file name is not valid";
constexpr const char* kTooLong = "File name too long";
constexpr const char* kLinkLoop = "The file name leads through too many links";

std::string MakeFile(const std::string& path, mode_t mode) {
  WriteFile(path, EarlierScript(), mode);
  return path;
}

std::string MakeLink(const std::string& target, const std::string& link) {
  EXPECT_EQ(symlink(target.c_str(), link.c_str()), 0) << std::strerror(errno);
  return link;
}

std::string MakeFifo(const std::string& path) {
  EXPECT_EQ(mkfifo(path.c_str(), 0666), 0) << std::strerror(errno);
  return path;
}

std::string MakeSocket(const std::string& path) {
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  EXPECT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
  EXPECT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0)
      << std::strerror(errno);
  close(fd);
  return path;
}

std::string MakeFolder(const std::string& path) {
  fs::create_directory(path);
  return path;
}

const RefusalCase kRefusals[] = {
    {"read-only file", [](auto& d) { return MakeFile(d + "/w.tdf", 0444); }, kReadOnly},
    {"read-only file for its owner alone", [](auto& d) { return MakeFile(d + "/w.tdf", 0400); },
     kReadOnly},
    {"owner may not write though others may", [](auto& d) { return MakeFile(d + "/w.tdf", 0466); },
     kReadOnly},
    {"no permission bits at all", [](auto& d) { return MakeFile(d + "/w.tdf", 0000); }, kReadOnly},
    {"link to a read-only file",
     [](auto& d) { return MakeLink(MakeFile(d + "/w.tdf", 0444), d + "/link.tdf"); }, kReadOnly},
    {"missing folder", [](auto& d) { return d + "/missing/w.tdf"; }, kNoFolder},
    {"link into a missing folder",
     [](auto& d) { return MakeLink(d + "/missing/w.tdf", d + "/link.tdf"); }, kNoFolder},
    {"path is a folder", [](auto& d) { return MakeFolder(d + "/sub"); }, kIsFolder},
    {"path is a folder, with a slash", [](auto& d) { return MakeFolder(d + "/sub") + "/"; },
     kIsFolder},
    {"missing file named with a slash", [](auto& d) { return d + "/new.tdf/"; }, kNoFolder},
    {"path ends in a dot", [](auto& d) { return d + "/."; }, kIsFolder},
    {"path ends in two dots", [](auto& d) { return MakeFolder(d + "/sub") + "/.."; }, kIsFolder},
    {"file used as a folder", [](auto& d) { return MakeFile(d + "/w.tdf", 0644) + "/x.tdf"; },
     kNoFolder},
    {"empty name", [](auto&) { return std::string(); }, kBadName},
    {"name holding a NUL byte",
     [](auto& d) { return MakeFile(d + "/w.tdf", 0644) + std::string(1, '\0') + "x"; }, kBadName},
    {"name too long", [](auto& d) { return d + "/" + std::string(300, 'n') + ".tdf"; }, kTooLong},
    {"path too long", [](auto& d) { return d + std::string(5000, '/') + "w.tdf"; }, kTooLong},
    {"fifo", [](auto& d) { return MakeFifo(d + "/pipe.tdf"); }, kSpecial},
    {"link to a fifo", [](auto& d) { return MakeLink(MakeFifo(d + "/pipe"), d + "/link.tdf"); },
     kSpecial},
    {"socket", [](auto& d) { return MakeSocket(d + "/sock.tdf"); }, kSpecial},
    {"link to a folder", [](auto& d) { return MakeLink(MakeFolder(d + "/sub"), d + "/link.tdf"); },
     kIsFolder},
    {"links in a loop",
     [](auto& d) {
       MakeLink(d + "/b.tdf", d + "/a.tdf");
       return MakeLink(d + "/a.tdf", d + "/b.tdf");
     },
     kLinkLoop},
};

TEST_F(SaveFileTest, RefusesWhatCannotBeOpenedAndTouchesNothing) {
  for (const RefusalCase& refusal : kRefusals) {
    SCOPED_TRACE(refusal.name);
    UseFreshFolder();
    const std::string path = refusal.prepare(dir_);
    const auto before = Snapshot(dir_);
    const SaveResult result = SaveScriptFile(path, NewScript());
    ExpectCannotOpen(result);
    EXPECT_EQ(result.reason, refusal.reason);
    EXPECT_EQ(Snapshot(dir_), before);
  }
}

TEST_F(SaveFileTest, CreatesMissingFileWithUsualPermissions) {
  const std::string path = Path("new.tdf");
  ExpectSaved(SaveScriptFile(path, NewScript()));
  EXPECT_EQ(ReadFile(path), NewScript());
  EXPECT_EQ(StatOf(path).st_mode & 07777, 0666 & ~CurrentUmask());
  EXPECT_EQ(Names(dir_), std::set<std::string>{"new.tdf"});
}

TEST_F(SaveFileTest, RelativeNameIsSavedInCurrentFolder) {
  const fs::path previous = fs::current_path();
  fs::current_path(dir_);
  const SaveResult result = SaveScriptFile("relative.tdf", NewScript());
  fs::current_path(previous);
  ExpectSaved(result);
  EXPECT_EQ(ReadFile(Path("relative.tdf")), NewScript());
  EXPECT_EQ(Names(dir_), std::set<std::string>{"relative.tdf"});
}

TEST_F(SaveFileTest, ReplacesLongerEarlierFileCompletely) {
  const std::string path = Path("w.tdf");
  WriteFile(path, NewScript() + std::string(5000, 'x'));
  ExpectSaved(SaveScriptFile(path, EarlierScript()));
  EXPECT_EQ(ReadFile(path), EarlierScript());
  EXPECT_EQ(Names(dir_), std::set<std::string>{"w.tdf"});
}

TEST_F(SaveFileTest, SavingTwiceGivesIdenticalFiles) {
  const std::string path = Path("w.tdf");
  ExpectSaved(SaveScriptFile(path, EarlierScript()));
  const auto first = ReadFile(path);
  ExpectSaved(SaveScriptFile(path, EarlierScript()));
  EXPECT_EQ(ReadFile(path), first);
  EXPECT_EQ(first, EarlierScript());
}

TEST_F(SaveFileTest, EmptyBytesGiveEmptyFile) {
  const std::string path = Path("w.tdf");
  WriteFile(path, EarlierScript());
  ExpectSaved(SaveScriptFile(path, ""));
  EXPECT_EQ(ReadFile(path), "");
}

TEST_F(SaveFileTest, ReplacedFileKeepsItsPermissions) {
  for (const mode_t mode : {0600, 0640, 0644, 0664, 0666, 0700, 0755, 0200, 0604, 02664, 04755}) {
    SCOPED_TRACE(testing::Message() << std::oct << mode);
    if (mode == 0200 && geteuid() != 0) continue;  // we could not read it back
    const std::string path = Path("w.tdf");
    WriteFile(path, EarlierScript(), static_cast<mode_t>(mode));
    ExpectSaved(SaveScriptFile(path, NewScript()));
    EXPECT_EQ(ReadFile(path), NewScript());
    EXPECT_EQ(StatOf(path).st_mode & 07777, static_cast<mode_t>(mode));
    EXPECT_EQ(Names(dir_), std::set<std::string>{"w.tdf"});
    unlink(path.c_str());
  }
}

TEST_F(SaveFileTest, ReplacedFileKeepsItsOwnerWhenRootSaves) {
  if (geteuid() != 0) GTEST_SKIP() << "only root may give a file to another owner";
  const std::string path = Path("w.tdf");
  WriteFile(path, EarlierScript(), 0640);
  ASSERT_EQ(chown(path.c_str(), kNobody, kNobody), 0);
  ExpectSaved(SaveScriptFile(path, NewScript()));
  const struct stat st = StatOf(path);
  EXPECT_EQ(st.st_uid, kNobody);
  EXPECT_EQ(st.st_gid, kNobody);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(ReadFile(path), NewScript());
}

// A link is written through to the file it leads to and stays a link.
struct LinkCase {
  const char* name;
  const char* file;                                        // the real file, under the test folder
  std::vector<std::pair<const char*, const char*>> links;  // link name → link text
  const char* save_to;                                     // the name saved to
};

const LinkCase kLinkCases[] = {
    {"relative link", "w.tdf", {{"link.tdf", "w.tdf"}}, "link.tdf"},
    {"link into a sub folder", "sub/w.tdf", {{"link.tdf", "sub/w.tdf"}}, "link.tdf"},
    {"link out of a sub folder", "w.tdf", {{"sub/link.tdf", "../w.tdf"}}, "sub/link.tdf"},
    {"chain of links",
     "sub/w.tdf",
     {{"one.tdf", "sub/two.tdf"}, {"sub/two.tdf", "w.tdf"}},
     "one.tdf"},
    {"absolute link", "sub/w.tdf", {{"link.tdf", ""}}, "link.tdf"},
};

TEST_F(SaveFileTest, WritesThroughSymbolicLinks) {
  for (const LinkCase& c : kLinkCases) {
    SCOPED_TRACE(c.name);
    UseFreshFolder();
    MakeFolder(Path("sub"));
    WriteFile(Path(c.file), EarlierScript(), 0640);
    for (const auto& [link, text] : c.links) {
      MakeLink(*text ? std::string(text) : Path(c.file), Path(link));
    }
    const auto before = Snapshot(dir_);

    ExpectSaved(SaveScriptFile(Path(c.save_to), NewScript()));

    EXPECT_EQ(ReadFile(Path(c.file)), NewScript());
    EXPECT_EQ(StatOf(Path(c.file)).st_mode & 07777, 0640u);
    auto after = Snapshot(dir_);
    for (const auto& [link, text] : c.links) {
      // The link is still the same link, with the same text.
      EXPECT_EQ(after["/" + std::string(link)], before.at("/" + std::string(link))) << link;
    }
    // Nothing else appeared: no temporary files in either folder.
    EXPECT_EQ(after.size(), before.size());
  }
}

TEST_F(SaveFileTest, DanglingLinkCreatesItsTarget) {
  MakeLink("w.tdf", Path("link.tdf"));
  ExpectSaved(SaveScriptFile(Path("link.tdf"), NewScript()));
  EXPECT_TRUE(S_ISLNK(StatOf(Path("link.tdf")).st_mode));
  EXPECT_EQ(ReadFile(Path("w.tdf")), NewScript());
  EXPECT_EQ(Names(dir_), (std::set<std::string>{"link.tdf", "w.tdf"}));
}

// Runs `save` as an unprivileged user (in a child process when we are root)
// and returns the status it got.
SaveStatus SaveAsUnprivileged(const std::function<SaveResult()>& save) {
  if (geteuid() != 0) return save().status;
  const pid_t child = fork();
  if (child == 0) {
    if (setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(100);
    _exit(static_cast<int>(save().status));
  }
  int wait_status = 0;
  EXPECT_EQ(waitpid(child, &wait_status, 0), child);
  EXPECT_TRUE(WIFEXITED(wait_status));
  EXPECT_NE(WEXITSTATUS(wait_status), 100) << "could not drop privileges";
  return static_cast<SaveStatus>(WEXITSTATUS(wait_status));
}

// A folder that refuses us new files, holding a file that we may write.
class LockedFolderTest : public SaveFileTest {
 protected:
  void SetUp() override {
    SaveFileTest::SetUp();
    ASSERT_EQ(chmod(dir_.c_str(), 0755), 0);
    folder_ = MakeFolder(Path("locked"));
  }

  void Lock() { ASSERT_EQ(chmod(folder_.c_str(), 0555), 0); }

  std::string folder_;
};

TEST_F(LockedFolderTest, WritableFileIsRewrittenInPlace) {
  const std::string path = folder_ + "/w.tdf";
  WriteFile(path, NewScript() + std::string(3000, 'x'), 0666);
  const ino_t inode = StatOf(path).st_ino;
  Lock();
  EXPECT_EQ(SaveAsUnprivileged([&] { return SaveScriptFile(path, EarlierScript()); }),
            SaveStatus::kSaved);
  EXPECT_EQ(ReadFile(path), EarlierScript());
  EXPECT_EQ(StatOf(path).st_ino, inode);
  EXPECT_EQ(Names(folder_), std::set<std::string>{"w.tdf"});
}

TEST_F(LockedFolderTest, FileWeMayNotWriteIsRefused) {
  const std::string path = folder_ + "/w.tdf";
  WriteFile(path, EarlierScript(), geteuid() == 0 ? 0644 : 0444);
  Lock();
  const auto before = Snapshot(dir_);
  EXPECT_EQ(SaveAsUnprivileged([&] { return SaveScriptFile(path, NewScript()); }),
            SaveStatus::kCannotOpen);
  EXPECT_EQ(Snapshot(dir_), before);
}

TEST_F(LockedFolderTest, MissingFileIsNotCreated) {
  Lock();
  EXPECT_EQ(SaveAsUnprivileged([&] { return SaveScriptFile(folder_ + "/w.tdf", NewScript()); }),
            SaveStatus::kCannotOpen);
  EXPECT_TRUE(Names(folder_).empty());
}

TEST_F(SaveFileTest, OthersFileIsNotReplacedThoughFolderAllowsIt) {
  if (geteuid() != 0) GTEST_SKIP() << "needs a file of another user";
  ASSERT_EQ(chmod(dir_.c_str(), 0777), 0);
  const std::string path = MakeFile(Path("w.tdf"), 0644);  // root's, not writable for nobody
  const auto before = Snapshot(dir_);
  EXPECT_EQ(SaveAsUnprivileged([&] { return SaveScriptFile(path, NewScript()); }),
            SaveStatus::kCannotOpen);
  EXPECT_EQ(Snapshot(dir_), before);
}

// A small file system of our own, filled to the brim, for real write errors.
class FullDiskTest : public SaveFileTest {
 protected:
  void Mount(const char* options) {
    mount_point_ = Path("disk");
    MakeFolder(mount_point_);
    if (mount("tmpfs", mount_point_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options) != 0) {
      const int error = errno;
      mount_point_.clear();
      GTEST_SKIP() << "mounting a small tmpfs is not permitted here (" << std::strerror(error)
                   << "); the full disk case needs root";
    }
    mounted_ = true;
  }

  void TearDown() override {
    if (mounted_) {
      EXPECT_EQ(umount2(mount_point_.c_str(), MNT_DETACH), 0) << std::strerror(errno);
    }
    SaveFileTest::TearDown();
  }

  // Writes to `path` until the file system has no room left.
  void FillUp(const std::string& path) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0) << std::strerror(errno);
    const std::string block(4096, 'f');
    for (const std::size_t size : {block.size(), std::size_t{1}}) {
      while (write(fd, block.data(), size) > 0) {
      }
      ASSERT_EQ(errno, ENOSPC);
    }
    ASSERT_EQ(close(fd), 0);
  }

  std::string mount_point_;
  bool mounted_ = false;
};

TEST_F(FullDiskTest, EarlierFileStaysWhenDiskIsFull) {
  Mount("size=16k");
  if (!mounted_) return;
  const std::string path = mount_point_ + "/w.tdf";
  WriteFile(path, EarlierScript());
  FillUp(mount_point_ + "/filler");
  ASSERT_GT(NewScript().size(), EarlierScript().size());

  const SaveResult full = SaveScriptFile(path, NewScript());
  ExpectCannotWrite(full);
  EXPECT_EQ(full.reason, "No space left on device");

  EXPECT_EQ(ReadFile(path), EarlierScript());
  EXPECT_EQ(Names(mount_point_), (std::set<std::string>{"filler", "w.tdf"}));

  // With room made again, the same save succeeds.
  ASSERT_EQ(unlink((mount_point_ + "/filler").c_str()), 0);
  ExpectSaved(SaveScriptFile(path, NewScript()));
  EXPECT_EQ(ReadFile(path), NewScript());
  EXPECT_EQ(Names(mount_point_), std::set<std::string>{"w.tdf"});
}

TEST_F(FullDiskTest, NoFileIsCreatedWhenDiskIsFull) {
  Mount("size=16k");
  if (!mounted_) return;
  FillUp(mount_point_ + "/filler");
  ExpectCannotWrite(SaveScriptFile(mount_point_ + "/w.tdf", NewScript()));
  EXPECT_EQ(Names(mount_point_), std::set<std::string>{"filler"});
}

TEST_F(FullDiskTest, EarlierFileStaysWhenNoFileCanBeAdded) {
  Mount("size=64k,nr_inodes=2");  // the root folder and one file
  if (!mounted_) return;
  const std::string path = mount_point_ + "/w.tdf";
  WriteFile(path, EarlierScript());
  ExpectCannotWrite(SaveScriptFile(path, NewScript()));
  EXPECT_EQ(ReadFile(path), EarlierScript());
  EXPECT_EQ(Names(mount_point_), std::set<std::string>{"w.tdf"});
}

}  // namespace
}  // namespace kalvex
