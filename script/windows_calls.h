// The Windows calls of the save and load code, each made through the seam of
// system_call_faults.h: a call that the seam fails returns what the system's
// own failures return, with GetLastError() giving the error, and (but for
// CloseHandle) is not made.
#pragma once

#include <windows.h>

#include "script/system_call_faults.h"

namespace kalvex::sys {

// Whether the seam fails this call of `name`; GetLastError() then gives the
// error.
inline bool Fails(const char* name) {
  const int error = system_calls::InjectedError(name);
  if (error != 0) SetLastError(static_cast<DWORD>(error));
  return error != 0;
}

// A call that the seam fails returns `failed`, as the system's own failures do.
#define KALVEX_WINDOWS_CALL(call, failed)                                      \
  template <typename... Args>                                                  \
  auto call(Args... args) {                                                    \
    return Fails(#call) ? decltype(::call(args...))(failed) : ::call(args...); \
  }
KALVEX_WINDOWS_CALL(CreateFileW, INVALID_HANDLE_VALUE)
KALVEX_WINDOWS_CALL(GetFileAttributesW, INVALID_FILE_ATTRIBUTES)
KALVEX_WINDOWS_CALL(GetFullPathNameW, 0)
KALVEX_WINDOWS_CALL(GetFinalPathNameByHandleW, 0)
KALVEX_WINDOWS_CALL(GetFileType, FILE_TYPE_UNKNOWN)
KALVEX_WINDOWS_CALL(GetFileSizeEx, FALSE)
KALVEX_WINDOWS_CALL(ReadFile, FALSE)
KALVEX_WINDOWS_CALL(WriteFile, FALSE)
KALVEX_WINDOWS_CALL(FlushFileBuffers, FALSE)
KALVEX_WINDOWS_CALL(MoveFileExW, FALSE)
KALVEX_WINDOWS_CALL(ReplaceFileW, FALSE)
KALVEX_WINDOWS_CALL(DeleteFileW, FALSE)
#undef KALVEX_WINDOWS_CALL

// A handle is given up even by a close that fails, so it is closed in any
// case.
inline BOOL CloseHandle(HANDLE handle) {
  const BOOL closed = ::CloseHandle(handle);
  return Fails("CloseHandle") ? FALSE : closed;
}

}  // namespace kalvex::sys
