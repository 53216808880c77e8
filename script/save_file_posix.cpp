// Saving a script file with POSIX calls.
#include <climits>
#include <cstring>
#include <optional>
#include <utility>

#include "script/posix_calls.h"
#include "script/save_file.h"
#include "script/save_file_common.h"

namespace kalvex {
namespace {

constexpr int kMaxLinkHops = 40;
constexpr int kMaxTempNameTries = 100;
constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask, as for any new file

using namespace saving;

std::string ErrnoReason(int error) { return std::strerror(error); }

// The reason for a failure to look up the path of the file or of its folder.
std::string LookUpReason(int error) {
  if (error == ENOENT || error == ENOTDIR) return kNoFolder;
  if (error == ELOOP) return kLinkLoop;
  return ErrnoReason(error);
}

SaveResult CannotWrite(int error) { return saving::CannotWrite(ErrnoReason(error)); }

struct PathParts {
  std::string folder;
  std::string name;
};

PathParts SplitPath(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {".", path};
  if (slash == 0) return {"/", path.substr(1)};
  return {path.substr(0, slash), path.substr(slash + 1)};
}

// The path that symbolic links at the end of `path` finally lead to; the last
// one may be missing. Nothing when a link cannot be read or links loop, with
// errno telling why.
std::optional<std::string> FollowLinks(const std::string& path) {
  std::string current = path;
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    struct stat st;
    if (sys::lstat(current.c_str(), &st) != 0) {
      if (errno == ENOENT) return current;
      return std::nullopt;
    }
    if (!S_ISLNK(st.st_mode)) return current;
    std::string link(PATH_MAX, '\0');
    const ssize_t length = sys::readlink(current.c_str(), link.data(), link.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= link.size()) {
      if (length >= 0) errno = ENAMETOOLONG;
      return std::nullopt;
    }
    link.resize(static_cast<std::size_t>(length));
    current = link.front() == '/' ? link : SplitPath(current).folder + "/" + link;
  }
  errno = ELOOP;
  return std::nullopt;
}

// Why the existing file at `path` may not be replaced by us; nothing when it
// may. A regular file counts as read-only when its owner may not write it,
// even for a user (such as root) whom the system would let write it all the
// same.
std::optional<std::string> Refusal(const std::string& path, const struct stat& st) {
  if (S_ISDIR(st.st_mode)) return kIsFolder;
  if (!S_ISREG(st.st_mode)) return kNotRegularFile;
  if ((st.st_mode & S_IWUSR) == 0) return kReadOnly;
  if (sys::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0) return std::nullopt;
  if (errno == EACCES || errno == EPERM || errno == EROFS) return kReadOnly;
  return ErrnoReason(errno);
}

// Writes every byte; 0 on success, else the errno of the failure.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = sys::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (written == 0) return ENOSPC;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// Syncs and closes `fd`; 0 when both succeed, else the errno of the first
// failure. The descriptor is closed either way.
int SyncAndClose(int fd) {
  const int synced = sys::fsync(fd) == 0 ? 0 : errno;
  const int closed = sys::close(fd) == 0 ? 0 : errno;
  return synced != 0 ? synced : closed;
}

// A new file in the target's folder that becomes the target on
// ReplaceTarget() and is removed otherwise.
class TempFile {
 public:
  TempFile() = default;
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() { Remove(); }

  // Creates the file; 0 on success, else the errno of the last try.
  int Create(const std::string& folder) {
    for (int attempt = 0; attempt < kMaxTempNameTries; ++attempt) {
      std::string name = TempFileName();
      std::string path = folder + "/" + name;
      const int fd = sys::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                               kNewFileMode);
      if (fd >= 0) {
        fd_ = fd;
        name_ = std::move(name);
        path_ = std::move(path);
        return 0;
      }
      if (errno != EEXIST && errno != EINTR) return errno;
    }
    return EEXIST;
  }

  int fd() const { return fd_; }
  const std::string& name() const { return name_; }

  // Gives the file the owner (where we may) and the permission bits of `old`;
  // 0 on success, else the errno of the failure.
  int TakeOwnerAndMode(const struct stat& old) {
    struct stat own;
    if (sys::fstat(fd_, &own) != 0) return errno;
    const bool other_owner = own.st_uid != old.st_uid || own.st_gid != old.st_gid;
    if (other_owner && sys::fchown(fd_, old.st_uid, old.st_gid) != 0) {
      // Only a privileged user may give a file away; for others the new file
      // stays theirs, which is no reason to refuse the save.
    }
    return sys::fchmod(fd_, old.st_mode & 07777) == 0 ? 0 : errno;
  }

  int SyncAndClose() {
    const int fd = fd_;
    fd_ = -1;
    return kalvex::SyncAndClose(fd);
  }

  int ReplaceTarget(const std::string& target) {
    if (sys::rename(path_.c_str(), target.c_str()) != 0) return errno;
    path_.clear();
    return 0;
  }

  // Closes and removes the file unless it replaced the target; 0 on success,
  // else the errno of the removal. The file is closed only to be removed, so
  // a failure to close it changes nothing.
  int Remove() {
    if (fd_ >= 0) sys::close(std::exchange(fd_, -1));
    if (path_.empty()) return 0;
    const int error = sys::unlink(path_.c_str()) == 0 ? 0 : errno;
    path_.clear();
    return error;
  }

 private:
  int fd_ = -1;
  std::string name_;
  std::string path_;
};

// The failure `error` of a save whose temporary file is then removed, or,
// when it cannot be, named in the reason.
SaveResult CannotWrite(TempFile& temp, int error) {
  const int kept = temp.Remove();
  if (kept == 0) return CannotWrite(error);
  return saving::CannotWrite(TempFileLeft(ErrnoReason(error), temp.name(), ErrnoReason(kept)));
}

// Makes the rename lasting; 0 on success, else the errno of the failure. A
// file system that cannot sync folders is no error.
int SyncFolder(const std::string& folder) {
  const int fd = sys::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  const int error = SyncAndClose(fd);
  return error == EINVAL || error == EROFS ? 0 : error;
}

// Rewrites the file itself, for a folder that refuses us a new file.
SaveResult WriteInPlace(const std::string& target, const struct stat& expected,
                        std::string_view bytes) {
  const int fd =
      sys::open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return CannotOpen(ErrnoReason(errno));
  struct stat st;
  if (sys::fstat(fd, &st) != 0) {
    const int error = errno;
    sys::close(fd);  // opened only to be looked at
    return CannotOpen(ErrnoReason(error));
  }
  if (!S_ISREG(st.st_mode) || st.st_dev != expected.st_dev || st.st_ino != expected.st_ino) {
    sys::close(fd);
    return CannotOpen(kNotRegularFile);
  }
  // Writing before truncating leaves the file whole when not a byte fits.
  int error = WriteAll(fd, bytes);
  if (error == 0 && sys::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) error = errno;
  const int closed = SyncAndClose(fd);
  if (error == 0) error = closed;
  return error == 0 ? Saved() : CannotWrite(error);
}

}  // namespace

SaveResult SaveScriptFile(const std::string& path, std::string_view bytes) {
  // An embedded NUL would silently save to a shorter name.
  if (path.empty() || path.find('\0') != std::string::npos) return CannotOpen(kBadName);
  const std::optional<std::string> target = FollowLinks(path);
  if (!target) return CannotOpen(LookUpReason(errno));
  const PathParts parts = SplitPath(*target);

  struct stat folder_st;
  if (sys::stat(parts.folder.c_str(), &folder_st) != 0) {
    return CannotOpen(LookUpReason(errno));
  }
  if (!S_ISDIR(folder_st.st_mode)) return CannotOpen(kNoFolder);

  struct stat old;
  bool exists = false;
  if (sys::lstat(target->c_str(), &old) == 0) {
    exists = true;
    if (std::optional<std::string> refusal = Refusal(*target, old)) return CannotOpen(*refusal);
  } else if (errno != ENOENT) {
    return CannotOpen(ErrnoReason(errno));
  }

  TempFile temp;
  if (const int error = temp.Create(parts.folder); error != 0) {
    const bool refused = error == EACCES || error == EPERM;
    if (refused && exists) return WriteInPlace(*target, old, bytes);
    if (refused || error == EROFS) return CannotOpen(ErrnoReason(error));
    return CannotWrite(error);
  }
  int error = exists ? temp.TakeOwnerAndMode(old) : 0;
  if (error == 0) error = WriteAll(temp.fd(), bytes);
  if (error == 0) error = temp.SyncAndClose();
  if (error == 0) error = temp.ReplaceTarget(*target);
  if (error != 0) return CannotWrite(temp, error);
  // The new file has taken the old one's place.
  error = SyncFolder(parts.folder);
  return error == 0 ? Saved() : SavedUnconfirmed(ErrnoReason(error));
}

}  // namespace kalvex
