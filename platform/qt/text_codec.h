// The texts of the controls are single-byte characters; Qt works in Unicode.
// Each byte maps to the Unicode character of the same number, so every text
// survives the way to a widget and back unchanged. The texts of boxes and
// dialogs, and file names, are UTF-8.
#pragma once

#include <QString>
#include <string>
#include <string_view>

QString ToQString(std::string_view text);
std::string FromQString(const QString& text);

QString Utf8ToQString(std::string_view text);
std::string Utf8FromQString(const QString& text);

// A Qt text as the layer's common code judges it, in UTF-16.
std::u16string_view Utf16(const QString& text);
