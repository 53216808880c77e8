#include "script/script_file_reader.h"

namespace kalvex {

std::string DescribeLoadFailure(ScriptFileStatus status, const std::filesystem::path& path,
                                const std::error_code& error) {
  switch (status) {
    case ScriptFileStatus::kRead:
      break;
    case ScriptFileStatus::kCannotOpen:
      return error.message();
    case ScriptFileStatus::kNotAFile: {
      std::error_code ignored;
      return std::filesystem::is_directory(path, ignored) ? "It is a folder"
                                                          : "It is not a regular file";
    }
    case ScriptFileStatus::kTooLarge:
      return "The file is larger than 16 MiB";
  }
  return {};
}

ScriptFileResult ReadScriptFile(const std::filesystem::path& path, WeaponRecord& record) {
  ScriptFileResult result;
  std::string bytes;
  std::error_code error;
  result.status = LoadScriptFile(path, bytes, &error);
  if (result.opened()) {
    result.read = ReadScript(bytes, record);
  } else {
    result.reason = DescribeLoadFailure(result.status, path, error);
  }
  return result;
}

}  // namespace kalvex
