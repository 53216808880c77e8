#include "script/finding_text.h"

namespace kalvex {
namespace {

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

// The letter spelling of an old digit spelling: "h20boom1" is "h2oboom1",
// "bombre1" is "bombrel".
std::string LetterSpelling(std::string_view old) {
  std::string text(old);
  if (text.size() >= 3 && text[2] == '0') text[2] = 'o';
  if (text.size() == 7 && text[6] == '1') text[6] = 'l';
  return text;
}

// " in [SECTION]" after a key of a section; nothing for one of the body.
std::string InSection(std::string_view section) {
  return section.empty() ? std::string() : " in [" + std::string(section) + "]";
}

// What a value of the kind `kind` is, after "is not".
std::string_view KindWords(ValueKind kind) {
  switch (kind) {
    case ValueKind::kFlag:
      return "0 or 1";
    case ValueKind::kWhole:
      return "a whole number";
    case ValueKind::kNumber:
      return "a number";
    case ValueKind::kText:
      return "a text";
    case ValueKind::kTriple:
      return "three numbers with blanks between them";
    case ValueKind::kQuadruple:
      return "four numbers with blanks between them";
    case ValueKind::kSection:
      break;
  }
  return "a value";
}

constexpr std::string_view kReadByNone = "neither the game nor the later engine reads it";

// "[" name "]", built by appending: GCC 12 sees a false overlap in
// `"[" + std::string(name)` at -O3.
std::string Bracketed(std::string_view name) {
  std::string text = "[";
  text += name;
  text += "]";
  return text;
}

}  // namespace

bool ShownAfterOpen(FindingKind kind) {
  switch (kind) {
    case FindingKind::kMissingSemicolon:
    case FindingKind::kUnclosedSection:
    case FindingKind::kUnclosedComment:
    case FindingKind::kRepeatedKey:
    case FindingKind::kNotANumber:
    case FindingKind::kOldSpelling:
      return true;
    case FindingKind::kSkippedKey:
    case FindingKind::kUnmatchedValue:
    case FindingKind::kUnknownSection:
    case FindingKind::kAfterWeapon:
    case FindingKind::kBeforeHeader:
      return false;
  }
  return false;
}

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
    case FindingKind::kRepeatedKey:
      return "key " + Quoted(finding.key) + " is given again further on; its value " +
             Quoted(finding.value) + " here does not count";
    case FindingKind::kNotANumber:
      return "value " + Quoted(finding.value) + " of key " + Quoted(finding.key) +
             " is not a number";
    case FindingKind::kOldSpelling:
      return "old spelling " + Quoted(finding.value) + " of key " + Quoted(finding.key) +
             " will be saved as " + Quoted(LetterSpelling(finding.value));
  }
  return {};
}

std::string DescribeUnknownKey(std::string_view section, std::string_view key,
                               std::string_view value, const KnownKey* nearest) {
  std::string words = "unknown key " + Quoted(key) + InSection(section);
  if (!value.empty()) words += " with value " + Quoted(value);
  words += ": ";
  words += kReadByNone;
  if (nearest) words += "; is it " + Quoted(nearest->key) + "?";
  return words;
}

std::string DescribeWrongKind(std::string_view section, std::string_view key,
                              std::string_view value, ValueKind kind) {
  if (kind == ValueKind::kSection) {
    return "key " + Quoted(key) + " names a section and takes no value " + Quoted(value);
  }
  return "value " + Quoted(value) + " of key " + Quoted(key) + InSection(section) + " is not " +
         std::string(KindWords(kind));
}

std::string DescribeUnknownSection(std::string_view section, const KnownKey* nearest, bool nested) {
  if (section.empty()) {
    return "\"{\" without a section name: neither the game nor the later engine reads its entries";
  }
  const std::string name = Quoted(Bracketed(section));
  if (nested) {
    return "section " + name +
           " stands inside another section, where neither the game nor the later engine reads "
           "one";
  }
  std::string words =
      "unknown section " + name + ": " + std::string(kReadByNone) + " or its entries";
  if (nearest) words += "; is it " + Quoted(Bracketed(nearest->key)) + "?";
  return words;
}

std::string_view FindingKindName(FindingKind kind) {
  switch (kind) {
    case FindingKind::kSkippedKey:
      return "skipped_key";
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
    case FindingKind::kRepeatedKey:
      return "repeated_key";
    case FindingKind::kNotANumber:
      return "not_a_number";
    case FindingKind::kOldSpelling:
      return "old_spelling";
  }
  return {};
}

}  // namespace kalvex
