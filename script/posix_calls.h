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

// A call that the seam fails returns -1, as the system's own failures do.
#define KALVEX_POSIX_CALL(call)                                            \
  template <typename... Args>                                              \
  auto call(Args... args) {                                                \
    return Fails(#call) ? decltype(::call(args...))(-1) : ::call(args...); \
  }
KALVEX_POSIX_CALL(open)
KALVEX_POSIX_CALL(stat)
KALVEX_POSIX_CALL(lstat)
KALVEX_POSIX_CALL(fstat)
KALVEX_POSIX_CALL(readlink)
KALVEX_POSIX_CALL(faccessat)
KALVEX_POSIX_CALL(fchown)
KALVEX_POSIX_CALL(fchmod)
KALVEX_POSIX_CALL(read)
KALVEX_POSIX_CALL(write)
KALVEX_POSIX_CALL(ftruncate)
KALVEX_POSIX_CALL(fsync)
KALVEX_POSIX_CALL(rename)
KALVEX_POSIX_CALL(unlink)
#undef KALVEX_POSIX_CALL

// A descriptor is released even by a close that fails, so it is closed
// in any case.
inline int close(int fd) {
  const int closed = ::close(fd);
  return Fails("close") ? -1 : closed;
}

}  // namespace kalvex::sys
