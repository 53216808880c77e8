// Texts on their way to the system and back. The editor's texts are
// single-byte characters: byte n becomes the UTF-16 character U+00nn, so
// "Fus\xE9e" shows as "Fusée". File names are UTF-8 in the layer and UTF-16 at
// the system, unchanged either way.
#pragma once

#include <string>
#include <string_view>

#include "platform/win32/win32.h"

std::wstring WideFromBytes(std::string_view bytes);
// Characters above U+00FF, which no edit of the editor lets in, become '?'.
std::string BytesFromWide(std::wstring_view text);

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view text);

// The text a window shows.
std::wstring WindowText(HWND window);
