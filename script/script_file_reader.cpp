#include "script/script_file_reader.h"

#include "script/script_reader.h"

namespace kalvex {
namespace {

constexpr std::size_t kMebibyte = 1024 * 1024;
constexpr const char* kUtf16 =
    "It is UTF-16 text, which the editor does not read; save it as ANSI or UTF-8";
constexpr const char* kNoHeader = "It has no line with a weapon code in brackets, such as [GUN]";

}  // namespace

FileRefusal LoadRefusal(ScriptFileStatus status, const std::filesystem::path& path,
                        const std::error_code& error) {
  switch (status) {
    case ScriptFileStatus::kRead:
    case ScriptFileStatus::kCannotOpen:
      // In the same words on every system that knows the cause.
      return {FileFailure::kCannotOpen, error.default_error_condition().message()};
    case ScriptFileStatus::kNotAFile: {
      std::error_code ignored;
      const bool folder = std::filesystem::is_directory(path, ignored);
      return {FileFailure::kCannotOpen, folder ? kIsFolder : kNotRegularFile};
    }
    case ScriptFileStatus::kTooLarge:
      return {FileFailure::kCannotOpen,
              "The file is larger than " + std::to_string(kMaxScriptFileSize / kMebibyte) + " MiB"};
  }
  return {};
}

std::optional<FileRefusal> NoWeaponRefusal(const ScriptDocument& document) {
  if (!document.weapons.empty()) return std::nullopt;
  return FileRefusal{FileFailure::kNoWeapon, document.utf16 ? kUtf16 : kNoHeader};
}

std::optional<FileRefusal> OpenScriptFile(const std::filesystem::path& path,
                                          ScriptDocument& document) {
  std::string bytes;
  std::error_code error;
  const ScriptFileStatus status = LoadScriptFile(path, bytes, &error);
  if (status != ScriptFileStatus::kRead) return LoadRefusal(status, path, error);
  document = OpenScript(std::move(bytes));
  return NoWeaponRefusal(document);
}

}  // namespace kalvex
