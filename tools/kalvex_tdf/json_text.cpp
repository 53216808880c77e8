#include "tools/kalvex_tdf/json_text.h"

namespace kalvex::tdf {
namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 sequence of two or more bytes that
// begins `text`, or 0. Overlong forms, surrogates and values past U+10FFFF
// are not well-formed.
std::size_t Utf8SequenceLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80;  // the range of the second byte
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (!IsContinuation(byte(i))) return 0;
  }
  return length;
}

void AppendEscaped(std::string& out, unsigned char c) {
  constexpr char kHexDigits[] = "0123456789ABCDEF";
  out += "\\u00";
  out += kHexDigits[c >> 4];
  out += kHexDigits[c & 0xF];
}

}  // namespace

std::string JsonString(std::string_view bytes) {
  std::string out = "\"";
  std::size_t at = 0;
  while (at < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[at]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7F) {
      AppendEscaped(out, c);
    } else if (c >= 0x80) {
      const std::size_t length = Utf8SequenceLength(bytes.substr(at));
      if (length == 0) {
        AppendEscaped(out, c);
      } else {
        out += bytes.substr(at, length);
        at += length;
        continue;
      }
    } else {
      out += static_cast<char>(c);
    }
    ++at;
  }
  out += '"';
  return out;
}

}  // namespace kalvex::tdf
