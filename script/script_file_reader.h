// Reads a weapon script file into memory and opens it as a document, or
// tells why it was refused.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "script/file_refusal.h"
#include "script/script_document.h"

namespace kalvex {

enum class ScriptFileStatus {
  kRead,        // the whole file was read
  kCannotOpen,  // missing, no permission, or a read error
  kNotAFile,    // a directory, pipe, device or other special file
  kTooLarge,    // larger than kMaxScriptFileSize
};

// Weapon scripts are a few kilobytes; a file above this size is refused.
inline constexpr std::size_t kMaxScriptFileSize = 16 * 1024 * 1024;

// Reads the regular file at `path` into `bytes`. Never blocks on a pipe or
// device: such files are refused before a byte is read. `bytes` is emptied
// unless the status is kRead. On kCannotOpen, `error` (when given) receives
// the system's reason.
ScriptFileStatus LoadScriptFile(const std::filesystem::path& path, std::string& bytes,
                                std::error_code* error = nullptr);

// Why LoadScriptFile did not read the file at `path`, with its reason in
// words ("It is a folder"); `error` is what it gave. Not for kRead.
FileRefusal LoadRefusal(ScriptFileStatus status, const std::filesystem::path& path,
                        const std::error_code& error);

// Why `document`, the bytes of a file, holds no weapon ("It is UTF-16 text,
// ..."); nothing when it holds one.
std::optional<FileRefusal> NoWeaponRefusal(const ScriptDocument& document);

// Loads the file at `path` and opens it as `document`; nothing when it holds
// a weapon, else why it was refused.
std::optional<FileRefusal> OpenScriptFile(const std::filesystem::path& path,
                                          ScriptDocument& document);

}  // namespace kalvex
