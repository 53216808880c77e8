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

inline HANDLE CreateFileW(LPCWSTR path, DWORD access, DWORD sharing, LPSECURITY_ATTRIBUTES security,
                          DWORD creation, DWORD flags, HANDLE model) {
  return Fails("CreateFileW")
             ? INVALID_HANDLE_VALUE
             : ::CreateFileW(path, access, sharing, security, creation, flags, model);
}
// A handle is given up even by a close that fails, so it is closed in any
// case.
inline BOOL CloseHandle(HANDLE handle) {
  const BOOL closed = ::CloseHandle(handle);
  return Fails("CloseHandle") ? FALSE : closed;
}
inline DWORD GetFileAttributesW(LPCWSTR path) {
  return Fails("GetFileAttributesW") ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(path);
}
inline DWORD GetFullPathNameW(LPCWSTR path, DWORD size, LPWSTR full, LPWSTR* name) {
  return Fails("GetFullPathNameW") ? 0 : ::GetFullPathNameW(path, size, full, name);
}
inline DWORD GetFinalPathNameByHandleW(HANDLE file, LPWSTR path, DWORD size, DWORD flags) {
  return Fails("GetFinalPathNameByHandleW") ? 0
                                            : ::GetFinalPathNameByHandleW(file, path, size, flags);
}
inline DWORD GetFileType(HANDLE file) {
  return Fails("GetFileType") ? FILE_TYPE_UNKNOWN : ::GetFileType(file);
}
inline BOOL GetFileSizeEx(HANDLE file, PLARGE_INTEGER size) {
  return Fails("GetFileSizeEx") ? FALSE : ::GetFileSizeEx(file, size);
}
inline BOOL ReadFile(HANDLE file, LPVOID bytes, DWORD size, LPDWORD got, LPOVERLAPPED overlapped) {
  return Fails("ReadFile") ? FALSE : ::ReadFile(file, bytes, size, got, overlapped);
}
inline BOOL WriteFile(HANDLE file, LPCVOID bytes, DWORD size, LPDWORD written,
                      LPOVERLAPPED overlapped) {
  return Fails("WriteFile") ? FALSE : ::WriteFile(file, bytes, size, written, overlapped);
}
inline BOOL FlushFileBuffers(HANDLE file) {
  return Fails("FlushFileBuffers") ? FALSE : ::FlushFileBuffers(file);
}
inline BOOL MoveFileExW(LPCWSTR from, LPCWSTR to, DWORD flags) {
  return Fails("MoveFileExW") ? FALSE : ::MoveFileExW(from, to, flags);
}
inline BOOL ReplaceFileW(LPCWSTR replaced, LPCWSTR replacement, LPCWSTR backup, DWORD flags,
                         LPVOID exclude, LPVOID reserved) {
  return Fails("ReplaceFileW")
             ? FALSE
             : ::ReplaceFileW(replaced, replacement, backup, flags, exclude, reserved);
}
inline BOOL DeleteFileW(LPCWSTR path) { return Fails("DeleteFileW") ? FALSE : ::DeleteFileW(path); }

}  // namespace kalvex::sys
