// Saving a script file with the Windows file API, by its UTF-16 name.
#include <optional>
#include <utility>

#include "script/save_file.h"
#include "script/save_file_common.h"
#include "script/windows_calls.h"

namespace kalvex {
namespace {

using namespace saving;

constexpr int kMaxTempNameTries = 100;
constexpr DWORD kMaxChunk = 1u << 20;
constexpr std::size_t kMaxNameLength = 255;  // UTF-16 units in one name
// What a replaced file keeps beside its contents; ReplaceFileW keeps them
// too, but not every implementation of it does.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
constexpr const char* kInUse = "The file is in use by another program";
constexpr const char* kTooLong = "File name too long";

// The reasons for the errors a user meets when saving, in the same words as
// on other systems where the cause is the same.
std::string ErrorReason(DWORD error) {
  switch (error) {
    case ERROR_ACCESS_DENIED:
      return "Permission denied";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return "No space left on device";
    case ERROR_FILENAME_EXCED_RANGE:
      return kTooLong;
    case ERROR_WRITE_PROTECT:
      return "Read-only file system";
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return kNoFolder;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
      return kBadName;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT_2:
      return kInUse;
    default:
      return "System error " + std::to_string(error);
  }
}

SaveResult CannotOpenFor(DWORD error) { return CannotOpen(ErrorReason(error)); }
SaveResult CannotWriteFor(DWORD error) { return CannotWrite(ErrorReason(error)); }

bool IsMissing(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// UTF-8 to the UTF-16 of the file API; nothing for bytes that are not UTF-8.
std::optional<std::wstring> Widen(const std::string& utf8) {
  const int size = static_cast<int>(utf8.size());
  const int length =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), length);
  return wide;
}

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// The full path of `path`, resolved against the current folder.
std::optional<std::wstring> FullPath(const std::wstring& path) {
  const DWORD needed = sys::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return std::nullopt;
  std::wstring full(needed, L'\0');
  const DWORD length = sys::GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return std::nullopt;
  full.resize(length);
  return full;
}

// The path that a link at `path` (of these `attributes`) finally leads to,
// or `path` itself, also when the link cannot be followed.
std::wstring FinalPath(const std::wstring& path, DWORD attributes) {
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
    return path;
  }
  const HANDLE file =
      sys::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return path;
  std::wstring final_path(MAX_PATH, L'\0');
  DWORD length = sys::GetFinalPathNameByHandleW(file, final_path.data(),
                                                static_cast<DWORD>(final_path.size()), 0);
  if (length >= final_path.size()) {
    final_path.resize(length);
    length = sys::GetFinalPathNameByHandleW(file, final_path.data(), length, 0);
  }
  sys::CloseHandle(file);
  if (length == 0 || length >= final_path.size()) return path;
  final_path.resize(length);
  return final_path;
}

// A new file in the target's folder that becomes the target on
// ReplaceTarget() and is removed otherwise.
class TempFile {
 public:
  TempFile() = default;
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() { Remove(); }

  // Creates the file with `attributes`; 0 on success, else the error of the
  // last try.
  DWORD Create(const std::wstring& folder, DWORD attributes) {
    for (int attempt = 0; attempt < kMaxTempNameTries; ++attempt) {
      std::string name = TempFileName();  // ASCII alone
      std::wstring path = folder + std::wstring(name.begin(), name.end());
      file_ = sys::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes,
                               nullptr);
      if (file_ != INVALID_HANDLE_VALUE) {
        name_ = std::move(name);
        path_ = std::move(path);
        return 0;
      }
      const DWORD error = GetLastError();
      if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return error;
    }
    return ERROR_FILE_EXISTS;
  }

  // Writes every byte, raw; 0 on success, else the error.
  DWORD WriteAll(std::string_view bytes) {
    while (!bytes.empty()) {
      const DWORD chunk = bytes.size() < kMaxChunk ? static_cast<DWORD>(bytes.size()) : kMaxChunk;
      DWORD written = 0;
      if (!sys::WriteFile(file_, bytes.data(), chunk, &written, nullptr)) return GetLastError();
      if (written == 0) return ERROR_DISK_FULL;
      bytes.remove_prefix(written);
    }
    return 0;
  }

  // Flushes to the disk and closes; 0 when both succeed, else the first error.
  DWORD FlushAndClose() {
    const DWORD flushed = sys::FlushFileBuffers(file_) ? 0 : GetLastError();
    const DWORD closed = sys::CloseHandle(file_) ? 0 : GetLastError();
    file_ = INVALID_HANDLE_VALUE;
    return flushed != 0 ? flushed : closed;
  }

  // Puts the file in the place of `target` in one step. An existing target
  // keeps its attributes and security; a failure leaves it as it was.
  DWORD ReplaceTarget(const std::wstring& target, bool exists) {
    BOOL replaced =
        exists && sys::ReplaceFileW(target.c_str(), path_.c_str(), nullptr,
                                    REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS,
                                    nullptr, nullptr);
    // These two errors tell that the target has gone (under another name)
    // while this file kept its own: it must take the target's name now, or
    // both would be lost once it is removed.
    const DWORD error = replaced ? 0 : GetLastError();
    if (!exists || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT ||
        error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
      replaced = sys::MoveFileExW(path_.c_str(), target.c_str(),
                                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    }
    if (!replaced) return GetLastError();
    path_.clear();
    return 0;
  }

  // Closes and removes the file unless it replaced the target; 0 on success,
  // else the error of the removal. The file is closed only to be removed, so
  // a failure to close it changes nothing.
  DWORD Remove() {
    if (file_ != INVALID_HANDLE_VALUE) sys::CloseHandle(std::exchange(file_, INVALID_HANDLE_VALUE));
    if (path_.empty()) return 0;
    const DWORD error = sys::DeleteFileW(path_.c_str()) ? 0 : GetLastError();
    path_.clear();
    return error;
  }

  const std::string& name() const { return name_; }

 private:
  HANDLE file_ = INVALID_HANDLE_VALUE;
  std::string name_;
  std::wstring path_;
};

// The failure `error` of a save whose temporary file is then removed, or,
// when it cannot be, named in the reason.
SaveResult CannotWriteFor(TempFile& temp, DWORD error) {
  const DWORD kept = temp.Remove();
  if (kept == 0) return CannotWriteFor(error);
  return CannotWrite(TempFileLeft(ErrorReason(error), temp.name(), ErrorReason(kept)));
}

// Where a save goes: the full path of the file and its folder (ending in a
// separator), or why it cannot go anywhere.
struct Target {
  std::wstring path;
  std::wstring folder;
  DWORD attributes = INVALID_FILE_ATTRIBUTES;  // of the existing file

  bool exists() const { return attributes != INVALID_FILE_ATTRIBUTES; }
  DWORD new_attributes() const {
    const DWORD kept = exists() ? attributes & kKeptAttributes : 0;
    return kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL;
  }
};

// Whether the existing file may be written and replaced by us now: not when
// its security forbids it, nor while another program holds it open without
// sharing it.
std::optional<SaveResult> CheckWritable(const std::wstring& path) {
  const HANDLE file = sys::CreateFileW(path.c_str(), GENERIC_WRITE | DELETE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE || !sys::CloseHandle(file)) return CannotOpenFor(GetLastError());
  return std::nullopt;
}

std::optional<SaveResult> FindTarget(const std::string& utf8_path, Target& target) {
  // An embedded NUL would silently save to a shorter name.
  if (utf8_path.empty() || utf8_path.find('\0') != std::string::npos) return CannotOpen(kBadName);
  const std::optional<std::wstring> wide = Widen(utf8_path);
  if (!wide) return CannotOpen(kBadName);
  std::optional<std::wstring> full = FullPath(*wide);
  if (!full) return CannotOpenFor(GetLastError());
  // Device names (CON, NUL, COM1 ...) resolve to the device namespace.
  if (full->rfind(L"\\\\.\\", 0) == 0) return CannotOpen(kNotRegularFile);

  if (IsSeparator(full->back())) {
    const DWORD attributes = sys::GetFileAttributesW(full->c_str());
    const bool folder =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return CannotOpen(folder ? kIsFolder : kNoFolder);
  }
  const DWORD attributes = sys::GetFileAttributesW(full->c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES && !IsMissing(GetLastError())) {
    return CannotOpenFor(GetLastError());
  }
  target.path = FinalPath(*full, attributes);
  const std::size_t name_start = target.path.find_last_of(L"\\/") + 1;
  if (target.path.size() - name_start > kMaxNameLength) return CannotOpen(kTooLong);
  target.folder = target.path.substr(0, name_start);

  const DWORD folder_attributes = sys::GetFileAttributesW(target.folder.c_str());
  if (folder_attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return IsMissing(error) ? CannotOpen(kNoFolder) : CannotOpenFor(error);
  }
  if ((folder_attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return CannotOpen(kNoFolder);

  target.attributes = sys::GetFileAttributesW(target.path.c_str());
  if (target.exists()) {
    if (target.attributes & FILE_ATTRIBUTE_DIRECTORY) return CannotOpen(kIsFolder);
    if (target.attributes & FILE_ATTRIBUTE_READONLY) return CannotOpen(kReadOnly);
    return CheckWritable(target.path);
  } else if (const DWORD error = GetLastError(); !IsMissing(error)) {
    return CannotOpenFor(error);
  }
  return std::nullopt;
}

}  // namespace

SaveResult SaveScriptFile(const std::string& path, std::string_view bytes) {
  Target target;
  if (std::optional<SaveResult> refused = FindTarget(path, target)) return *refused;

  TempFile temp;
  if (const DWORD error = temp.Create(target.folder, target.new_attributes()); error != 0) {
    if (error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT) return CannotOpenFor(error);
    return CannotWriteFor(error);
  }
  DWORD error = temp.WriteAll(bytes);
  if (error == 0) error = temp.FlushAndClose();
  if (error == 0) error = temp.ReplaceTarget(target.path, target.exists());
  return error == 0 ? Saved() : CannotWriteFor(temp, error);
}

}  // namespace kalvex
