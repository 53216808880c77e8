// Loading a script file with the Windows file API, by its UTF-16 name.
#include <windows.h>

#include "script/script_file_reader.h"

namespace kalvex {
namespace {

constexpr DWORD kChunk = 64 * 1024;

// Closes a file handle when it goes out of scope.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

ScriptFileStatus CannotOpen(std::error_code* error) {
  if (error) *error = std::error_code(static_cast<int>(GetLastError()), std::system_category());
  return ScriptFileStatus::kCannotOpen;
}

ScriptFileStatus LoadOpenFile(HANDLE file, std::string& bytes, std::error_code* error) {
  // Consoles, pipes and devices are refused before a byte is read.
  if (GetFileType(file) != FILE_TYPE_DISK) return ScriptFileStatus::kNotAFile;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size)) return CannotOpen(error);
  if (size.QuadPart < 0 || static_cast<unsigned long long>(size.QuadPart) > kMaxScriptFileSize) {
    return ScriptFileStatus::kTooLarge;
  }
  // The limit is checked on what arrives: the file may grow while read.
  bytes.reserve(static_cast<std::size_t>(size.QuadPart));
  char chunk[kChunk];
  while (true) {
    DWORD got = 0;
    if (!ReadFile(file, chunk, kChunk, &got, nullptr)) return CannotOpen(error);
    if (got == 0) return ScriptFileStatus::kRead;
    if (bytes.size() + got > kMaxScriptFileSize) return ScriptFileStatus::kTooLarge;
    bytes.append(chunk, got);
  }
}

}  // namespace

ScriptFileStatus LoadScriptFile(const std::filesystem::path& path, std::string& bytes,
                                std::error_code* error) {
  bytes.clear();
  if (path.empty()) {
    if (error) *error = std::make_error_code(std::errc::no_such_file_or_directory);
    return ScriptFileStatus::kCannotOpen;
  }
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return ScriptFileStatus::kNotAFile;
  }
  const FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return CannotOpen(error);
  const ScriptFileStatus status = LoadOpenFile(file.get(), bytes, error);
  if (status != ScriptFileStatus::kRead) bytes.clear();
  return status;
}

}  // namespace kalvex
