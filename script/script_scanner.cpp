// OpenScript: one forward pass over the bytes that finds the weapons, their
// entries, sections and comments, and what does not fit the format.
#include <algorithm>

#include "script/ascii_case.h"
#include "script/field_keys.h"
#include "script/script_input.h"
#include "script/table_match.h"

namespace kalvex {
namespace {

constexpr std::array<bool, 256> kValueStops = MakeStops(";");
constexpr std::array<bool, 256> kKeyStops = MakeStops("=;{}");

// The header's "[" is looked for among this many characters that are not
// blanks.
constexpr std::size_t kHeaderSearch = 40;

// What a finding quotes of the text it is about, at most.
constexpr std::size_t kQuotedKey = 64;
constexpr std::size_t kQuotedValue = 44;

// Room for the entries of a weapon, made at once: a weapon has about fifty.
constexpr std::size_t kEntriesReserved = 64;

// How a value or key ended.
enum class TokenEnd {
  kEquals,     // a key at its "=", consumed
  kSemicolon,  // at its ";", consumed
  kLineEnd,    // at a line end before the next entry: its ";" is missing
  kInputEnd,   // at the end of the input
  kStop,       // at a character of the structure, left for the caller
};

// `text` without its whitespace, at most `limit` characters.
std::string Packed(std::string_view text, std::size_t limit) {
  std::string out;
  for (const char c : text) {
    if (out.size() == limit) break;
    if (!IsSpace(c)) out += c;
  }
  return out;
}

class Scanner {
 public:
  // Scans the text of `document`, which holds nothing else yet.
  explicit Scanner(ScriptDocument& document)
      : text_(document.text), doc_(document), in_(document.text) {}

  void Run() {
    doc_.line_end = FirstLineEnd();
    if (in_.LooksLikeUtf16()) {
      doc_.utf16 = true;
      return;
    }
    in_.SkipByteOrderMark();
    SkipSpaceAndComments();
    if (!FindFirstHeader()) return;
    while (ReadWeapon()) {
    }
    if (doc_.weapons.empty()) return;
    std::vector<StructureFinding>& findings = doc_.weapons.front().findings;
    findings.insert(findings.begin(), early_.begin(), early_.end());
  }

 private:
  std::string_view Text(TextRange range) const { return text_.substr(range.begin, range.size()); }

  std::string_view FirstLineEnd() const {
    const std::size_t at = text_.find_first_of("\r\n");
    if (at == std::string_view::npos) return "\r\n";
    if (text_[at] == '\n') return "\n";
    return at + 1 < text_.size() && text_[at + 1] == '\n' ? "\r\n" : "\r";
  }

  ScriptWeapon* Current() { return doc_.weapons.empty() ? nullptr : &doc_.weapons.back(); }

  // A finding about the bytes from `begin` up to the current place.
  void Report(FindingKind kind, std::size_t line, std::size_t begin, std::string key,
              std::string value) {
    ScriptWeapon* weapon = Current();
    StructureFinding finding{{kind, line, std::move(key), std::move(value), begin, in_.offset()},
                             weapon == nullptr ? 0 : weapon->entries.size()};
    if (weapon == nullptr) {
      early_.push_back(std::move(finding));
    } else {
      weapon->findings.push_back(std::move(finding));
    }
  }

  void SkipSpaceAndComments() {
    while (!in_.AtEnd()) {
      const char c = in_.Peek();
      if (IsBlank(c)) {
        in_.SkipBlanks();
      } else if (IsSpace(c)) {
        in_.Advance();
      } else if (c == '/' && in_.FollowedBy('/')) {
        const std::size_t begin = in_.offset();
        while (!in_.AtEnd() && in_.Peek() != '\n' && in_.Peek() != '\r') in_.Advance();
        doc_.comments.push_back({begin, in_.offset()});
      } else if (c == '/' && in_.FollowedBy('*')) {
        SkipBlockComment();
      } else {
        return;
      }
    }
  }

  void SkipBlockComment() {
    const std::size_t line = in_.line();
    const std::size_t begin = in_.offset();
    in_.Advance();
    in_.Advance();
    while (!in_.AtEnd() && !(in_.Peek() == '*' && in_.FollowedBy('/'))) in_.Advance();
    if (in_.AtEnd()) {
      doc_.comments.push_back({begin, in_.offset()});
      Report(FindingKind::kUnclosedComment, line, begin, "/*", {});
      return;
    }
    in_.Advance();
    in_.Advance();
    doc_.comments.push_back({begin, in_.offset()});
  }

  bool FindFirstHeader() {
    const std::size_t line = in_.line();
    const std::size_t begin = in_.offset();
    std::size_t characters = 0;
    while (!in_.AtEnd() && in_.Peek() != '[') {
      if (!IsSpace(in_.Peek()) && ++characters > kHeaderSearch) return false;
      in_.Advance();
    }
    if (in_.AtEnd()) return false;
    if (characters > 0) {
      const std::string_view passed = text_.substr(begin, in_.offset() - begin);
      Report(FindingKind::kBeforeHeader, line, begin, {}, Packed(passed, kQuotedValue));
    }
    return true;
  }

  // One weapon from its "[". False when no weapon follows it.
  bool ReadWeapon() {
    const std::size_t line = in_.line();
    const std::size_t begin = in_.offset();
    in_.Advance();
    while (!in_.AtEnd() && in_.Peek() != ']') in_.Advance();
    if (in_.AtEnd()) return false;
    ScriptWeapon& weapon = doc_.weapons.emplace_back();
    weapon.header_line = line;
    weapon.header.begin = begin;
    weapon.span.begin = begin;
    weapon.code = Trimmed(weapon.header.begin + 1, in_.offset());
    if (weapon.code.empty()) weapon.code = {in_.offset(), in_.offset()};
    in_.Advance();
    weapon.header.end = in_.offset();
    weapon.entries.reserve(std::min<std::size_t>(kEntriesReserved, text_.size() / 16));
    depth_ = 0;
    section_ = nullptr;
    damage_open_ = false;
    open_section_ = kNoSection;
    return ReadBody();
  }

  // Up to the "}" that closes the body and what follows it. True when
  // another weapon begins.
  bool ReadBody() {
    ScriptWeapon& weapon = doc_.weapons.back();
    while (true) {
      SkipSpaceAndComments();
      if (in_.AtEnd()) return EndWeapon(false);
      const char c = in_.Peek();
      if (c == '{') {
        OpenBrace(weapon);
      } else if (c == '}' && depth_ > 1) {
        CloseBrace(weapon);
      } else if (c == '}') {
        weapon.close = in_.offset();
        in_.Advance();  // the weapon's body is closed
        return ReadWhatFollows(weapon.close);
      } else if (c == '[' && depth_ == 0 && !AtDamageSection()) {
        return EndWeapon(true);  // the next weapon, before any body
      } else if (c == '[') {
        ReadSectionName(weapon);
      } else {
        ReadEntry(weapon);
      }
    }
  }

  bool EndWeapon(bool another) {
    doc_.weapons.back().span.end = in_.offset();
    return another;
  }

  // After the weapon: up to the next "[" at the outer level, anything but
  // whitespace and comments is one finding, named by its first entry; its
  // span begins at `end_of_weapon`, the "}" that closed the body (which may
  // have been placed too early).
  bool ReadWhatFollows(std::size_t end_of_weapon) {
    SkipSpaceAndComments();
    if (in_.AtEnd()) return EndWeapon(false);
    if (in_.Peek() == '[' && !AtDamageSection()) return EndWeapon(true);
    const std::size_t line = in_.line();
    const std::size_t begin = in_.offset();
    while (!in_.AtEnd() && ClassOf(in_.Peek()) != CharClass::kBreak) {
      const char c = in_.Peek();
      in_.Advance();
      if (c == ';') break;
    }
    const std::string first = Collapsed(Text({begin, in_.offset()}), kQuotedKey);
    while (true) {
      SkipSpaceAndComments();
      if (in_.AtEnd() || (in_.Peek() == '[' && !AtDamageSection())) break;
      in_.Advance();
    }
    Report(FindingKind::kAfterWeapon, line, end_of_weapon, first, {});
    return EndWeapon(!in_.AtEnd());
  }

  // At "[DAMAGE]": after a body closed too early, the damage section is not
  // the header of another weapon.
  bool AtDamageSection() const {
    const std::string_view rest = text_.substr(in_.offset() + 1);
    const std::size_t close = rest.find(']');
    if (close == std::string_view::npos || close > kQuotedKey) return false;
    return EqualIgnoringCase(Collapsed(rest.substr(0, close), kQuotedKey), "damage");
  }

  void OpenBrace(ScriptWeapon& weapon) {
    const std::size_t line = in_.line();
    const std::size_t begin = in_.offset();
    in_.Advance();
    if (depth_ == 0) {
      if (weapon.open == kNoPlace) weapon.open = begin;
    } else if (section_ == nullptr) {
      Report(FindingKind::kUnknownSection, line, begin, {}, {});
    } else if (depth_ == 1) {
      section_->open = begin;
      section_->first_entry = weapon.entries.size();
      open_section_ = weapon.sections.size() - 1;
      damage_open_ = section_->damage;
    }
    ++depth_;
    section_ = nullptr;
  }

  void CloseBrace(ScriptWeapon& weapon) {
    if (depth_ == 2) {
      if (open_section_ != kNoSection) {
        ScriptSection& section = weapon.sections[open_section_];
        section.close = in_.offset();
        section.end_entry = weapon.entries.size();
      }
      open_section_ = kNoSection;
      damage_open_ = false;
    }
    in_.Advance();
    --depth_;
    section_ = nullptr;
  }

  // From "[": the name up to "]". A line end, brace or the end of input before
  // the "]" is reported, and the name is taken as it stands.
  void ReadSectionName(ScriptWeapon& weapon) {
    const std::size_t line = in_.line();
    const std::size_t begin = in_.offset();
    in_.Advance();
    while (!in_.AtEnd()) {
      const char c = in_.Peek();
      if (c == ']' || c == '{' || c == '}' || ClassOf(c) == CharClass::kBreak) break;
      in_.Advance();
    }
    const std::string name = Collapsed(Text({begin + 1, in_.offset()}), kQuotedKey + 1);
    const bool closed = !in_.AtEnd() && in_.Peek() == ']';
    if (closed) in_.Advance();
    const bool damage = name.size() <= kQuotedKey && EqualIgnoringCase(name, "damage");
    weapon.sections.push_back({{begin, in_.offset()}, kNoPlace, kNoPlace, 0, 0, damage});
    section_ = &weapon.sections.back();
    const std::string quoted = name.substr(0, kQuotedKey);
    if (!closed) {
      Report(FindingKind::kUnclosedSection, line, begin, quoted, {});
    } else if (!damage) {
      Report(FindingKind::kUnknownSection, line, begin, quoted, {});
    }
  }

  EntryScope CurrentScope() const {
    if (depth_ <= 1) return EntryScope::kBody;
    return depth_ == 2 && damage_open_ ? EntryScope::kDamage : EntryScope::kOther;
  }

  // Moves over a token up to one of `stops`.
  TokenEnd ReadToken(const std::array<bool, 256>& stops, bool key) {
    while (true) {
      in_.SkipUntil(stops);
      if (in_.AtEnd()) return TokenEnd::kInputEnd;
      const char c = in_.Peek();
      if (c == ';' || (key && c == '=')) {
        in_.Advance();
        return c == '=' ? TokenEnd::kEquals : TokenEnd::kSemicolon;
      }
      if (c == '{' || c == '}') return TokenEnd::kStop;
      if (in_.LineAheadBeginsEntry()) return TokenEnd::kLineEnd;
      in_.Advance();
    }
  }

  // [begin, end) without the whitespace around it.
  TextRange Trimmed(std::size_t begin, std::size_t end) const {
    while (begin < end && IsSpace(text_[begin])) ++begin;
    while (end > begin && IsSpace(text_[end - 1])) --end;
    return {begin, end};
  }

  void ReadEntry(ScriptWeapon& weapon) {
    section_ = nullptr;
    const std::size_t line = in_.line();
    const std::size_t begin = in_.offset();
    const TokenEnd key_end = ReadToken(kKeyStops, true);
    if (key_end != TokenEnd::kEquals) {
      const TextRange token = Trimmed(begin, in_.offset() - (key_end == TokenEnd::kSemicolon));
      if (!token.empty()) {
        Report(FindingKind::kSkippedKey, line, begin, Collapsed(Text(token), kQuotedKey), {});
      }
      return;
    }
    ScriptEntry& entry = weapon.entries.emplace_back();
    entry.key = Trimmed(begin, in_.offset() - 1);
    entry.line_number = line;
    entry.scope = CurrentScope();
    entry.sets = FindFieldKey(Text(entry.key), entry.scope);
    const std::size_t value_begin = in_.offset();
    const TokenEnd end = ReadToken(kValueStops, false);
    if (end == TokenEnd::kSemicolon) {
      entry.semicolon = in_.offset() - 1;
      entry.value = Trimmed(value_begin, entry.semicolon);
    } else {
      entry.value = Trimmed(value_begin, in_.offset());
      entry.ran_into_next_line = end == TokenEnd::kLineEnd;
      EndBeforeComment(entry.value);
    }
    if (entry.value.empty()) entry.value = {value_begin, value_begin};
  }

  // A value without ";" ends before a comment on its line.
  void EndBeforeComment(TextRange& value) const {
    const std::string_view text = Text(value);
    const std::size_t line = text.find("//");
    const std::size_t block = text.find("/*");
    const std::size_t comment = std::min(line, block);
    if (comment == std::string_view::npos) return;
    value.end = value.begin + comment;
    while (value.end > value.begin && IsSpace(text_[value.end - 1])) --value.end;
  }

  static constexpr std::size_t kNoSection = static_cast<std::size_t>(-1);

  std::string_view text_;
  ScriptDocument& doc_;
  Input in_;
  std::vector<StructureFinding> early_;    // before the first weapon's header
  std::size_t depth_ = 0;                  // braces open
  ScriptSection* section_ = nullptr;       // the section named just before a "{"
  std::size_t open_section_ = kNoSection;  // the named section open at depth 2
  bool damage_open_ = false;               // it is "[DAMAGE]"
};

}  // namespace

ScriptDocument OpenScript(std::string bytes) {
  ScriptDocument document;
  document.text = std::move(bytes);
  Scanner(document).Run();
  return document;
}

}  // namespace kalvex
