// The words of the messages about files: their names as the user reads them,
// the boxes that tell a refused file, and the captions of the window's boxes.
#pragma once

#include <string>
#include <string_view>

#include "platform/platform_constants.h"
#include "script/file_refusal.h"

namespace kalvex {

inline constexpr unsigned kErrorBox = MB_ICONEXCLAMATION | MB_OK;
inline constexpr std::string_view kFileErrorCaption = "File Error";
inline constexpr std::string_view kWarningCaption = "Warning...";

// A file's name as a message shows it: in the system's separators, in UTF-8
// whatever bytes the name is made of.
std::string ShownName(const std::string& path);

// The message of a file error: its first line, then the file and why.
std::string FileErrorMessage(std::string_view firstLine, const std::string& path,
                             std::string_view reason);

// The message of the refusal of the file `path`: what failed, the file, why.
std::string FileErrorMessage(const FileRefusal& refusal, const std::string& path);

// The message of a save that failed: as FileErrorMessage, then a line that
// says that nothing was saved.
std::string SaveFailureMessage(std::string_view firstLine, const std::string& path,
                               std::string_view reason);
std::string SaveFailureMessage(const FileRefusal& refusal, const std::string& path);

}  // namespace kalvex
