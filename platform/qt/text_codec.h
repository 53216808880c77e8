// The layer's two kinds of text (platform/platform.h) on their way to Qt's
// Unicode and back, each through its one pair of functions: the texts of
// windows and controls byte for byte (byte n is U+00nn, so every text comes
// back unchanged); the texts of boxes and dialogs, and file names, as UTF-8.
#pragma once

#include <QString>
#include <string>
#include <string_view>

// Texts of windows and controls.
QString ToQString(std::string_view text);
std::string FromQString(const QString& text);

// Texts of boxes and dialogs, and file names.
QString Utf8ToQString(std::string_view text);
std::string Utf8FromQString(const QString& text);

// A Qt text as the layer's common code judges it, in UTF-16.
std::u16string_view Utf16(const QString& text);
