// The layer's two kinds of text (platform/platform.h) on their way to the
// system's UTF-16 and back, each through its one pair of functions: the
// texts of windows and controls byte for byte (byte n is U+00nn, so
// "Fus\xE9e" shows as "Fusée"); the texts of boxes and dialogs, and file
// names, as UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "platform/win32/win32.h"

// Texts of windows and controls.
std::wstring WideFromBytes(std::string_view bytes);
// Characters above U+00FF, which no edit of the editor lets in, become '?'.
std::string BytesFromWide(std::wstring_view text);

// Texts of boxes and dialogs, and file names.
std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view text);

// The text a window shows.
std::wstring WindowText(HWND window);
