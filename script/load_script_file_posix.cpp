// Loading a script file with POSIX calls.
#include "script/posix_calls.h"
#include "script/script_file_reader.h"

namespace kalvex {
namespace {

ScriptFileStatus CannotOpen(std::error_code* error) {
  if (error) *error = std::error_code(errno, std::generic_category());
  return ScriptFileStatus::kCannotOpen;
}

ScriptFileStatus LoadOpenFile(int fd, std::string& bytes, std::error_code* error) {
  struct stat info {};
  if (sys::fstat(fd, &info) != 0) return CannotOpen(error);
  if (!S_ISREG(info.st_mode)) return ScriptFileStatus::kNotAFile;
  if (info.st_size < 0 || static_cast<std::size_t>(info.st_size) > kMaxScriptFileSize) {
    return ScriptFileStatus::kTooLarge;
  }
  // Read as a stream: the size told may be wrong (files that grow, or report
  // no size), so the limit is checked on what arrives.
  bytes.reserve(static_cast<std::size_t>(info.st_size));
  char chunk[64 * 1024];
  while (true) {
    const ssize_t got = sys::read(fd, chunk, sizeof chunk);
    if (got < 0) {
      if (errno == EINTR) continue;
      return CannotOpen(error);
    }
    if (got == 0) return ScriptFileStatus::kRead;
    if (bytes.size() + static_cast<std::size_t>(got) > kMaxScriptFileSize) {
      return ScriptFileStatus::kTooLarge;
    }
    bytes.append(chunk, static_cast<std::size_t>(got));
  }
}

}  // namespace

ScriptFileStatus LoadScriptFile(const std::filesystem::path& path, std::string& bytes,
                                std::error_code* error) {
  bytes.clear();
  // Non-blocking, so that opening a pipe without a writer returns at once.
  const int fd = sys::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return CannotOpen(error);
  ScriptFileStatus status = LoadOpenFile(fd, bytes, error);
  // A failure to close is reported like any other: what was read is not
  // trusted.
  if (sys::close(fd) != 0 && status == ScriptFileStatus::kRead) status = CannotOpen(error);
  if (status != ScriptFileStatus::kRead) bytes.clear();
  return status;
}

}  // namespace kalvex
