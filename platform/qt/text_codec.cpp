#include "platform/qt/text_codec.h"

QString ToQString(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQString(const QString& text) { return text.toLatin1().toStdString(); }

bool FitsOneLineText(QChar c) {
  const char16_t code = c.unicode();
  return code <= 0xFF && code >= 0x20 && !(code >= 0x7F && code < 0xA0);
}
