// Texts of the editor are single-byte characters; Qt works in Unicode.
// Each byte maps to the Unicode character of the same number, so every text
// survives the way to a widget and back unchanged.
#pragma once

#include <QString>
#include <string>
#include <string_view>

QString ToQString(std::string_view text);
std::string FromQString(const QString& text);

// True when `c` has a single-byte form and is not a control character, that
// is, when it may stand in a one-line text.
bool FitsOneLineText(QChar c);
