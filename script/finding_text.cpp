#include "script/finding_text.h"

namespace kalvex {
namespace {

// The key the reader gives for the code between the header's brackets.
constexpr std::string_view kHeaderKey = "[]";

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

}  // namespace

std::string Quoted(std::string_view text) {
  constexpr char kHexDigits[] = "0123456789ABCDEF";
  std::string quoted = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (IsControl(byte)) {
      quoted += "\\x";
      quoted += kHexDigits[byte >> 4];
      quoted += kHexDigits[byte & 0xF];
    } else {
      quoted += c;
    }
  }
  quoted += '"';
  return quoted;
}

std::string DescribeFinding(const ReadFinding& finding) {
  switch (finding.kind) {
    case FindingKind::kSkippedKey:
      return "skipped unknown key " + Quoted(finding.key) +
             (finding.value.empty() ? "" : " with value " + Quoted(finding.value));
    case FindingKind::kCutValue:
      return "cut overlong " +
             (finding.key == kHeaderKey ? "weapon code" : "value of key " + Quoted(finding.key)) +
             " to " + Quoted(finding.value);
    case FindingKind::kUnmatchedValue:
      return "could not match " + Quoted(finding.value) + " of key " + Quoted(finding.key);
  }
  return {};
}

}  // namespace kalvex
