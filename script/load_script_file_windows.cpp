// Loading a script file with the Windows file API, by its UTF-16 name.
#include "script/script_file_reader.h"
#include "script/windows_calls.h"

namespace kalvex {
namespace {

constexpr DWORD kChunk = 64 * 1024;

ScriptFileStatus CannotOpen(std::error_code* error) {
  if (error) *error = std::error_code(static_cast<int>(GetLastError()), std::system_category());
  return ScriptFileStatus::kCannotOpen;
}

ScriptFileStatus LoadOpenFile(HANDLE file, std::string& bytes, std::error_code* error) {
  // Consoles, pipes and devices are refused before a byte is read.
  SetLastError(NO_ERROR);
  const DWORD type = sys::GetFileType(file);
  if (type == FILE_TYPE_UNKNOWN && GetLastError() != NO_ERROR) return CannotOpen(error);
  if (type != FILE_TYPE_DISK) return ScriptFileStatus::kNotAFile;
  LARGE_INTEGER size{};
  if (!sys::GetFileSizeEx(file, &size)) return CannotOpen(error);
  if (size.QuadPart < 0 || static_cast<unsigned long long>(size.QuadPart) > kMaxScriptFileSize) {
    return ScriptFileStatus::kTooLarge;
  }
  // The limit is checked on what arrives: the file may grow while read.
  bytes.reserve(static_cast<std::size_t>(size.QuadPart));
  char chunk[kChunk];
  while (true) {
    DWORD got = 0;
    if (!sys::ReadFile(file, chunk, kChunk, &got, nullptr)) return CannotOpen(error);
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
  // A missing name may still be a device, which opening tells apart.
  const DWORD attributes = sys::GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD lookup = GetLastError();
    if (lookup != ERROR_FILE_NOT_FOUND && lookup != ERROR_PATH_NOT_FOUND) return CannotOpen(error);
  } else if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return ScriptFileStatus::kNotAFile;
  }
  const HANDLE file = sys::CreateFileW(path.c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return CannotOpen(error);
  ScriptFileStatus status = LoadOpenFile(file, bytes, error);
  // A failure to close is reported like any other: what was read is not
  // trusted.
  if (!sys::CloseHandle(file) && status == ScriptFileStatus::kRead) status = CannotOpen(error);
  if (status != ScriptFileStatus::kRead) bytes.clear();
  return status;
}

}  // namespace kalvex
