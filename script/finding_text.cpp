#include "script/finding_text.h"

namespace kalvex {
namespace {

// The key the reader gives for the code between the header's brackets.
constexpr std::string_view kHeaderKey = "[]";

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

bool HasQuoteOrControl(std::string_view text) {
  for (const char c : text) {
    if (c == '"' || c == '\\' || IsControl(static_cast<unsigned char>(c))) return true;
  }
  return false;
}

// A weapon's header as written, quoted only where it holds what a line of
// output must not.
std::string QuotedIfOdd(std::string_view text) {
  return HasQuoteOrControl(text) ? Quoted(text) : std::string(text);
}

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
    case FindingKind::kMissingSemicolon:
      return "missing \";\" after value " + Quoted(finding.value) + " of key " +
             Quoted(finding.key) + "; the next line is read as an entry";
    case FindingKind::kUnclosedSection:
      return "section name " + Quoted("[" + finding.key) +
             " has no \"]\"; the entries after it are read";
    case FindingKind::kUnknownSection:
      return finding.key.empty() ? "skipped \"{\" without a section name, and its entries"
                                 : "skipped unknown section " + Quoted("[" + finding.key + "]") +
                                       " and its entries";
    case FindingKind::kAfterWeapon:
      return "the file goes on after the weapon at line " + std::to_string(finding.line) + ": " +
             (finding.key.starts_with('[') ? "another weapon " + QuotedIfOdd(finding.key)
                                           : Quoted(finding.key)) +
             " ...; it is not kept";
    case FindingKind::kBeforeHeader:
      return "passed over " + Quoted(finding.value) + " before the weapon header";
    case FindingKind::kUnclosedComment:
      return "comment \"/*\" is not closed; the rest of the file is not read";
    case FindingKind::kUnpairedColour:
      return "value " + Quoted(finding.value) + " of key " + Quoted(finding.key) +
             " is not the pair of the beam colour before it";
  }
  return {};
}

std::string_view FindingKindName(FindingKind kind) {
  switch (kind) {
    case FindingKind::kSkippedKey:
      return "skipped_key";
    case FindingKind::kCutValue:
      return "cut_value";
    case FindingKind::kUnmatchedValue:
      return "unmatched_value";
    case FindingKind::kMissingSemicolon:
      return "missing_semicolon";
    case FindingKind::kUnclosedSection:
      return "unclosed_section";
    case FindingKind::kUnknownSection:
      return "unknown_section";
    case FindingKind::kAfterWeapon:
      return "after_weapon";
    case FindingKind::kBeforeHeader:
      return "before_header";
    case FindingKind::kUnclosedComment:
      return "unclosed_comment";
    case FindingKind::kUnpairedColour:
      return "unpaired_colour";
  }
  return {};
}

}  // namespace kalvex
