// The POSIX calls of the save and load code, each made through the seam of
// system_call_faults.h: a call that the seam fails returns -1 with errno set,
// as the system's own failures do, and (but for close) is not made.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "script/system_call_faults.h"

namespace kalvex::sys {

// Whether the seam fails this call of `name`; errno then holds the error.
inline bool Fails(const char* name) {
  const int error = system_calls::InjectedError(name);
  if (error != 0) errno = error;
  return error != 0;
}

inline int open(const char* path, int flags, mode_t mode = 0) {
  return Fails("open") ? -1 : ::open(path, flags, mode);
}
// A descriptor is released even by a close that fails, so it is closed
// in any case.
inline int close(int fd) {
  const int closed = ::close(fd);
  return Fails("close") ? -1 : closed;
}
inline int stat(const char* path, struct stat* st) { return Fails("stat") ? -1 : ::stat(path, st); }
inline int lstat(const char* path, struct stat* st) {
  return Fails("lstat") ? -1 : ::lstat(path, st);
}
inline int fstat(int fd, struct stat* st) { return Fails("fstat") ? -1 : ::fstat(fd, st); }
inline ssize_t readlink(const char* path, char* text, size_t size) {
  return Fails("readlink") ? -1 : ::readlink(path, text, size);
}
inline int faccessat(int folder, const char* path, int mode, int flags) {
  return Fails("faccessat") ? -1 : ::faccessat(folder, path, mode, flags);
}
inline int fchown(int fd, uid_t owner, gid_t group) {
  return Fails("fchown") ? -1 : ::fchown(fd, owner, group);
}
inline int fchmod(int fd, mode_t mode) { return Fails("fchmod") ? -1 : ::fchmod(fd, mode); }
inline ssize_t read(int fd, void* bytes, size_t size) {
  return Fails("read") ? -1 : ::read(fd, bytes, size);
}
inline ssize_t write(int fd, const void* bytes, size_t size) {
  return Fails("write") ? -1 : ::write(fd, bytes, size);
}
inline int ftruncate(int fd, off_t size) { return Fails("ftruncate") ? -1 : ::ftruncate(fd, size); }
inline int fsync(int fd) { return Fails("fsync") ? -1 : ::fsync(fd); }
inline int rename(const char* from, const char* to) {
  return Fails("rename") ? -1 : ::rename(from, to);
}
inline int unlink(const char* path) { return Fails("unlink") ? -1 : ::unlink(path); }

}  // namespace kalvex::sys
