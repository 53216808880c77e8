// Texts of the editor are single-byte characters; Qt works in Unicode.
// Each byte maps to the Unicode character of the same number, so every text
// survives the way to a widget and back unchanged.
#pragma once

#include <QString>
#include <string>
#include <string_view>

QString ToQString(std::string_view text);
std::string FromQString(const QString& text);

// A Qt text as the layer's common code judges it, in UTF-16.
std::u16string_view Utf16(const QString& text);
