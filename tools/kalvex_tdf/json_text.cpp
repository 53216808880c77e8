#include "tools/kalvex_tdf/json_text.h"

#include "script/utf8_text.h"

namespace kalvex::tdf {
namespace {

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
