// Why a script file was not read or not saved, as data: what failed and why,
// which the window and the companion tell in the same words.
#pragma once

#include <string>
#include <string_view>

namespace kalvex {

enum class FileFailure {
  kCannotOpen,   // not read, or not saved with nothing created or changed
  kCannotWrite,  // saving failed after the file was opened
  kNoWeapon,     // read, but it holds no weapon
};

struct FileRefusal {
  FileFailure failure = FileFailure::kCannotOpen;
  std::string reason;  // in words: the system's ("Permission denied") or one below
};

// What failed, as the first words of its message.
constexpr std::string_view FailureMessage(FileFailure failure) {
  switch (failure) {
    case FileFailure::kCannotOpen:
      return "Unable to open file";
    case FileFailure::kCannotWrite:
      return "Unable to write file";
    case FileFailure::kNoWeapon:
      return "No weapon found in file";
  }
  return {};
}

// Reasons that no system error names as a user would.
inline constexpr const char* kIsFolder = "It is a folder";
inline constexpr const char* kNotRegularFile = "It is not a regular file";

}  // namespace kalvex
