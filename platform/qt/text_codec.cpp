#include "platform/qt/text_codec.h"

QString ToQString(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQString(const QString& text) { return text.toLatin1().toStdString(); }

QString Utf8ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Utf8FromQString(const QString& text) { return text.toUtf8().toStdString(); }

std::u16string_view Utf16(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size())};
}
