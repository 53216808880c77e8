// The system's dialogs for choosing a file to open or to save to.
#pragma once

#include <optional>
#include <string>

#include "platform/user_interface.h"
#include "platform/win32/win32.h"

// The chosen path (UTF-8), or nothing when the user cancelled. A save dialog
// takes new names and replaces nothing itself: the editor asks before it
// replaces a file.
std::optional<std::string> ChooseFile(HWND owner, const TFileRequest& request, bool save);

// The filter the dialogs take: "caption\0pattern;pattern\0" for each entry,
// then a second '\0'.
std::wstring DialogFilter(const std::vector<TFileFilter>& filters);
