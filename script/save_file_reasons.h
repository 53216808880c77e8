// What both implementations of SaveScriptFile tell the user: the results and
// the reasons that no system error names as a user would.
#pragma once

#include <string>
#include <utility>

#include "script/save_file.h"

namespace kalvex::save_reasons {

inline constexpr const char* kIsFolder = "It is a folder";
inline constexpr const char* kNotRegularFile = "It is not a regular file";
inline constexpr const char* kReadOnly = "The file is read-only";
inline constexpr const char* kNoFolder = "The folder does not exist";
inline constexpr const char* kBadName = "The file name is not valid";
inline constexpr const char* kLinkLoop = "The file name leads through too many links";

inline SaveResult Saved() { return {}; }

inline SaveResult CannotOpen(std::string reason) {
  return {SaveStatus::kCannotOpen, kUnableToOpenFile, kFileErrorCaption, std::move(reason)};
}

inline SaveResult CannotWrite(std::string reason) {
  return {SaveStatus::kCannotWrite, kUnableToWriteFile, kFileErrorCaption, std::move(reason)};
}

}  // namespace kalvex::save_reasons
