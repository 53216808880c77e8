// Saving on POSIX systems: permission bits, owners, symbolic links, special
// files, folders that refuse new files and a full disk. These exist on POSIX
// systems only; the tests that every system shares are in save_file_test.cpp.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <sstream>
#include <utility>

#include "save_file_test_support.h"
#include "tools/kalvex_tdf/command_output.h"

namespace kalvex::save_test {

std::string KeptStateOf(const fs::path& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0) return "missing";
  std::ostringstream state;
  state << std::oct << st.st_mode << std::dec << " " << st.st_uid << ":" << st.st_gid;
  return state.str();
}

std::string SystemStateOf(const fs::path& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0) return "missing";
  return KeptStateOf(path) + " " + std::to_string(st.st_ino);
}

const int kInjectedError = EIO;
const char* const kInjectedReason = "Input/output error";

void MakeRemovable(const fs::path& folder) {
  // Folders made unwritable by a test must be opened up again for removal.
  std::error_code ignore;
  chmod(folder.c_str(), 0755);
  for (const auto& entry : fs::recursive_directory_iterator(folder, ignore)) {
    if (entry.is_directory(ignore) && !entry.is_symlink(ignore)) {
      chmod(entry.path().c_str(), 0755);
    }
  }
}

namespace {

constexpr uid_t kNobody = 65534;

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

constexpr const char* kLinkLoop = "The file name leads through too many links";

std::string MakeFile(const std::string& path, mode_t mode) {
  WriteBytes(path, EarlierScript());
  EXPECT_EQ(chmod(path.c_str(), mode), 0) << std::strerror(errno);
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

TEST_F(SaveFileTest, CreatesMissingFileWithUsualPermissions) {
  ExpectSaved(SaveScriptFile(Path("new.tdf"), NewScript()));
  EXPECT_EQ(StatOf(Path("new.tdf")).st_mode & 07777, 0666 & ~CurrentUmask());
}

TEST_F(SaveFileTest, ReplacedFileKeepsItsPermissions) {
  for (const mode_t mode : {0600, 0640, 0644, 0664, 0666, 0700, 0755, 0200, 0604, 02664, 04755}) {
    SCOPED_TRACE(testing::Message() << std::oct << mode);
    if (mode == 0200 && geteuid() != 0) continue;  // we could not read it back
    ExpectReplacedKeepingState([mode](auto& d) { return MakeFile(d + "/w.tdf", mode); });
    EXPECT_EQ(StatOf(Path("w.tdf")).st_mode & 07777, mode);
  }
}

TEST_F(SaveFileTest, ReplacedFileKeepsItsOwnerWhenRootSaves) {
  if (geteuid() != 0) GTEST_SKIP() << "only root may give a file to another owner";
  // Another user and group; another user alone; another group alone.
  const std::pair<uid_t, gid_t> owners[] = {
      {kNobody, kNobody}, {kNobody, getegid()}, {geteuid(), kNobody}};
  for (const auto& [uid, gid] : owners) {
    SCOPED_TRACE(testing::Message() << uid << ":" << gid);
    ExpectReplacedKeepingState([uid = uid, gid = gid](auto& d) {
      const std::string path = MakeFile(d + "/w.tdf", 0640);
      EXPECT_EQ(chown(path.c_str(), uid, gid), 0);
      return path;
    });
  }
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
    MakeFile(Path(c.file), 0640);
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
      EXPECT_EQ(after[std::string("/").append(link)], before.at(std::string("/").append(link)))
          << link;
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
  WriteBytes(path, NewScript() + std::string(3000, 'x'));
  ASSERT_EQ(chmod(path.c_str(), 0666), 0);
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
  MakeFile(path, geteuid() == 0 ? 0644 : 0444);
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

// The new file took the old one's place, but syncing its folder failed: the
// companion says so, and succeeds.
TEST_F(SaveFileTest, CompanionTellsAnUnconfirmedSaveAndSucceeds) {
  const std::string path = MakeFile(Path("w.tdf"), 0640);
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  int status = -1;
  {
    const test::NamedCallFault unsynced("fsync", 2, EIO);  // the folder's
    status = tdf::WriteScriptTo({{}, in, out, err}, path, NewScript());
  }
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(), "Saved " + path +
                           ", but the system could not confirm that it reached the disk: "
                           "Input/output error\n");
  EXPECT_EQ(ReadFile(path), NewScript());
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
  const std::string path = MakeFile(mount_point_ + "/w.tdf", 0644);
  FillUp(mount_point_ + "/filler");
  ExpectFullDiskKeepsEarlierScript(mount_point_, path);
}

TEST_F(FullDiskTest, NoFileIsCreatedWhenDiskIsFull) {
  Mount("size=16k");
  if (!mounted_) return;
  FillUp(mount_point_ + "/filler");
  ExpectStatus(SaveScriptFile(mount_point_ + "/w.tdf", NewScript()), SaveStatus::kCannotWrite);
  EXPECT_EQ(Names(mount_point_), std::set<std::string>{"filler"});
}

TEST_F(FullDiskTest, EarlierFileStaysWhenNoFileCanBeAdded) {
  Mount("size=64k,nr_inodes=2");  // the root folder and one file
  if (!mounted_) return;
  const std::string path = MakeFile(mount_point_ + "/w.tdf", 0644);
  ExpectStatus(SaveScriptFile(path, NewScript()), SaveStatus::kCannotWrite);
  EXPECT_EQ(ReadFile(path), EarlierScript());
  EXPECT_EQ(Names(mount_point_), std::set<std::string>{"w.tdf"});
}

}  // namespace

// The refusals that only POSIX systems have.
const std::vector<RefusalCase> kSystemRefusals = {
    {"read-only file for its owner alone", [](auto& d) { return MakeFile(d + "/w.tdf", 0400); },
     kReadOnly},
    {"owner may not write though others may", [](auto& d) { return MakeFile(d + "/w.tdf", 0466); },
     kReadOnly},
    {"no permission bits at all", [](auto& d) { return MakeFile(d + "/w.tdf", 0000); }, kReadOnly},
    {"link to a read-only file",
     [](auto& d) { return MakeLink(MakeFile(d + "/w.tdf", 0444), d + "/link.tdf"); }, kReadOnly},
    {"link into a missing folder",
     [](auto& d) { return MakeLink(d + "/missing/w.tdf", d + "/link.tdf"); }, kNoFolder},
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

const std::vector<SaveWalk> kSaveWalks = {
    {"new file", [](auto& d) { return d + "/w.tdf"; }, "w.tdf",
     "lstat stat lstat open write fsync close rename open fsync close"},
    {"existing file, permissions kept", [](auto& d) { return MakeFile(d + "/w.tdf", 0640); },
     "w.tdf",
     "lstat stat lstat faccessat open fstat fchmod write fsync close rename open fsync close"},
    {"through a symbolic link",
     [](auto& d) {
       MakeFile(MakeFolder(d + "/sub") + "/w.tdf", 0604);
       return MakeLink("sub/w.tdf", d + "/link.tdf");
     },
     "sub/w.tdf",
     "lstat readlink lstat stat lstat faccessat open fstat fchmod write fsync close rename open "
     "fsync close"},
    {"in place, the folder refusing new files",
     [](auto& d) { return MakeFile(d + "/w.tdf", 0640); }, "w.tdf",
     "lstat stat lstat faccessat open open fstat write ftruncate fsync close", "open", EACCES,
     true},
};

const char* const kLoadCalls = "open fstat read read close";

}  // namespace kalvex::save_test
