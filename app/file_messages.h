// The words of the messages about files: their names as the user reads them.
#pragma once

#include <string>
#include <string_view>

#include "platform/platform_constants.h"

namespace kalvex {

inline constexpr unsigned kErrorBox = MB_ICONEXCLAMATION | MB_OK;

// A file's name as a message shows it: in the system's separators, in UTF-8
// whatever bytes the name is made of.
std::string ShownName(const std::string& path);

// The message of a file error: its first line, then the file and why.
std::string FileErrorMessage(std::string_view firstLine, const std::string& path,
                             std::string_view reason);

}  // namespace kalvex
