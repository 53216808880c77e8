#include "script/script_reader.h"

#include <array>
#include <optional>

#include "script/script_keys.h"
#include "script/table_match.h"

namespace kalvex {
namespace {

// How the reader treats a byte.
enum class CharClass : unsigned char {
  kOther,
  kBlank,  // blank, tab, vertical tab, form feed: kept inside code, ID and name
  kBreak,  // carriage return, line feed, NUL: dropped everywhere
};

constexpr std::array<CharClass, 256> MakeCharClasses() {
  std::array<CharClass, 256> classes{};
  for (const unsigned char c : {' ', '\t', '\v', '\f'}) classes[c] = CharClass::kBlank;
  for (const unsigned char c : {'\r', '\n', '\0'}) classes[c] = CharClass::kBreak;
  return classes;
}

constexpr std::array<CharClass, 256> kCharClasses = MakeCharClasses();

CharClass ClassOf(char c) { return kCharClasses[static_cast<unsigned char>(c)]; }

bool IsSpace(char c) { return ClassOf(c) != CharClass::kOther; }

constexpr char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr std::size_t kKeyCapture = 64;
constexpr std::size_t kValueCapture = kTextLimit;
constexpr int kNoModel = 14;

// The bytes of the script with the current line; moves forward only.
class Input {
 public:
  explicit Input(std::string_view bytes)
      : begin_(bytes.data()), next_(begin_), end_(next_ + bytes.size()) {}

  bool AtEnd() const { return next_ == end_; }
  char Peek() const { return *next_; }
  bool FollowedBy(char c) const { return end_ - next_ >= 2 && next_[1] == c; }
  std::size_t line() const { return line_; }
  std::size_t offset() const { return static_cast<std::size_t>(next_ - begin_); }

  // Moves past everything that is left, without counting lines.
  void SkipToEnd() { next_ = end_; }

  // On a line end inside a value or key: whether the text after it (past
  // whitespace) begins an entry of its own: a key followed by "=", a "}", a
  // "[" or a comment. Whitespace already found to lead to none is not looked
  // at again, so a long run of line ends costs linear time.
  bool LineAheadBeginsEntry() {
    if (next_ < plain_until_) return false;
    const char* at = next_;
    while (at != end_ && IsSpace(*at)) ++at;
    if (at == end_) return false;
    if (*at == '}' || *at == '[') return true;
    if (*at == '/' && end_ - at >= 2 && (at[1] == '/' || at[1] == '*')) return true;
    if (BeginsKey(at)) return true;
    plain_until_ = at;
    return false;
  }

  // Feeds `text` the characters up to the next one in `stops`, which never
  // end a line. Works on local copies, which the compiler keeps in
  // registers: this is the reader's innermost loop.
  template <typename Text>
  void TakeUntil(const std::array<bool, 256>& stops, Text& text) {
    const char* at = next_;
    const char* const end = end_;
    while (at != end && !stops[static_cast<unsigned char>(*at)]) text.Add(*at++);
    next_ = at;
  }

  void Advance() {
    const char c = *next_++;
    if (c == '\n' || (c == '\r' && (next_ == end_ || *next_ != '\n'))) ++line_;
  }

  // UTF-16 text: a byte order mark, or two ASCII characters each beside a NUL
  // on the same side.
  bool LooksLikeUtf16() const {
    const auto byte = [this](std::ptrdiff_t i) {
      return end_ - next_ > i ? static_cast<unsigned char>(next_[i]) : 0x100u;
    };
    if ((byte(0) == 0xFF && byte(1) == 0xFE) || (byte(0) == 0xFE && byte(1) == 0xFF)) return true;
    const auto ascii_beside_nul = [&](std::ptrdiff_t at, bool nul_first) {
      const unsigned nul = byte(nul_first ? at : at + 1);
      const unsigned ascii = byte(nul_first ? at + 1 : at);
      return nul == 0 && ascii > 0 && ascii < 0x80;
    };
    return (ascii_beside_nul(0, true) && ascii_beside_nul(2, true)) ||
           (ascii_beside_nul(0, false) && ascii_beside_nul(2, false));
  }

  void SkipByteOrderMark() {
    if (end_ - next_ >= 3 && next_[0] == '\xEF' && next_[1] == '\xBB' && next_[2] == '\xBF') {
      next_ += 3;
    }
  }

 private:
  static bool IsKeyLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
  }

  // A letter, letters and digits, blanks, "=".
  bool BeginsKey(const char* at) const {
    if (!IsKeyLetter(*at) || (*at >= '0' && *at <= '9')) return false;
    while (at != end_ && IsKeyLetter(*at)) ++at;
    while (at != end_ && ClassOf(*at) == CharClass::kBlank) ++at;
    return at != end_ && *at == '=';
  }

  const char* begin_;
  const char* next_;
  const char* end_;
  const char* plain_until_ = nullptr;
  std::size_t line_ = 1;
};

// A value with its whitespace dropped: the first N characters are kept.
template <std::size_t N>
class PackedText {
 public:
  void Add(char c) {
    if (IsSpace(c)) return;
    if (size_ < N) {
      chars_[size_++] = c;
    } else {
      cut_ = true;
    }
  }
  std::string_view View() const { return {chars_.data(), size_}; }
  bool cut() const { return cut_; }

 private:
  std::array<char, N> chars_;  // the first size_ are set
  std::size_t size_ = 0;
  bool cut_ = false;
};

// A value that keeps the blanks inside it and drops those around it and every
// line end: the first N characters are kept. With `collapse`, a run of
// whitespace inside becomes one blank (for keys).
template <std::size_t N, bool collapse = false>
class SpacedText {
 public:
  void Add(char c) {
    const CharClass kind = ClassOf(c);
    if (kind == CharClass::kOther) {
      AddKept(c);
    } else if (kind == CharClass::kBlank || collapse) {
      AddBlank(c);
    }
  }
  std::string_view View() const { return {chars_.data(), kept_}; }
  bool cut() const { return cut_; }

 private:
  void AddKept(char c) {
    if (size_ < N) {
      chars_[size_++] = c;
      kept_ = size_;
    } else {
      cut_ = true;  // also when only blanks filled the last places: they were inside
    }
  }
  void AddBlank(char c) {
    if (kept_ == 0) return;  // leading
    if (collapse) {
      if (size_ > kept_) return;
      c = ' ';
    }
    if (size_ < N) chars_[size_++] = c;
  }

  std::array<char, N> chars_;  // the first size_ are set
  std::size_t size_ = 0;       // characters stored, trailing blanks included
  std::size_t kept_ = 0;       // characters up to the last one that is not a blank
  bool cut_ = false;
};

// Whether a value, whitespace dropped, is a number equal to zero: zeros with
// at most one decimal point. Judged on every character, however many.
class ZeroValue {
 public:
  void Add(char c) {
    if (IsSpace(c)) return;
    if (c == '0') {
      zero_seen_ = true;
    } else if (c == '.' && !point_seen_) {
      point_seen_ = true;
    } else {
      other_seen_ = true;
    }
  }
  bool zero() const { return zero_seen_ && !other_seen_; }

 private:
  bool zero_seen_ = false;
  bool point_seen_ = false;
  bool other_seen_ = false;
};

// A whole number from 0 to 7.
std::optional<int> RenderType(std::string_view value) {
  if (value.empty()) return std::nullopt;
  int number = 0;
  for (const char c : value) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
    if (number > 7) return std::nullopt;
  }
  return number;
}

enum class Scope { kBody, kDamage, kOther };
enum class Section { kNone, kDamage, kOther };

// How a value or key ended.
enum class TokenEnd {
  kEquals,     // a key at its "=", consumed
  kSemicolon,  // at its ";", consumed
  kLineEnd,    // at a line end before the next entry: its ";" is missing
  kInputEnd,   // at the end of the input
  kStop,       // at a character of the structure, left for the caller
};

// The characters at which reading a value or a key must look closer: its end
// and the line ends, after which the next entry may begin.
constexpr std::array<bool, 256> MakeStops(std::string_view ends) {
  std::array<bool, 256> stops{};
  for (const char c : ends) stops[static_cast<unsigned char>(c)] = true;
  for (std::size_t c = 0; c < stops.size(); ++c) {
    if (kCharClasses[c] == CharClass::kBreak) stops[c] = true;
  }
  return stops;
}

constexpr std::array<bool, 256> kValueStops = MakeStops(";");
constexpr std::array<bool, 256> kKeyStops = MakeStops("=;{}");

// The header's "[" is looked for among this many characters that are not
// blanks.
constexpr std::size_t kHeaderSearch = 40;

class Reader {
 public:
  Reader(std::string_view bytes, WeaponRecord& record, ReadResult& result)
      : in_(bytes), record_(record), result_(result) {}

  void Run() {
    if (in_.LooksLikeUtf16()) {
      result_.utf16 = true;
      return;
    }
    result_.header_found = ReadHeader();
    if (result_.header_found) ReadBody();
  }

 private:
  // A finding about the bytes from `begin` up to the current place.
  void Report(FindingKind kind, std::size_t line, std::size_t begin, std::string_view key,
              std::string_view value) {
    if (result_.findings.size() < kMaxKeptFindings) {
      result_.findings.push_back(
          {kind, line, std::string(key), std::string(value), begin, in_.offset()});
    } else {
      ++result_.findings_not_kept;
    }
  }

  void SkipSpaceAndComments() {
    while (!in_.AtEnd()) {
      const char c = in_.Peek();
      if (IsSpace(c)) {
        in_.Advance();
      } else if (c == '/' && in_.FollowedBy('/')) {
        while (!in_.AtEnd() && in_.Peek() != '\n' && in_.Peek() != '\r') in_.Advance();
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
      Report(FindingKind::kUnclosedComment, line, begin, "/*", {});
      return;
    }
    in_.Advance();
    in_.Advance();
  }

  bool ReadHeader() {
    in_.SkipByteOrderMark();
    SkipSpaceAndComments();
    const std::size_t line = in_.line();
    const std::size_t begin = in_.offset();
    PackedText<kValueCapture> passed_over;
    std::size_t characters = 0;
    while (!in_.AtEnd() && in_.Peek() != '[') {
      if (!IsSpace(in_.Peek()) && ++characters > kHeaderSearch) return false;
      passed_over.Add(in_.Peek());
      in_.Advance();
    }
    if (in_.AtEnd()) return false;
    if (characters > 0) {
      Report(FindingKind::kBeforeHeader, line, begin, {}, passed_over.View());
    }
    return ReadCode();
  }

  // From the header's "[" up to its "]". False when the input ends first.
  bool ReadCode() {
    const std::size_t line = in_.line();
    const std::size_t begin = in_.offset();
    in_.Advance();
    SpacedText<kCodeLimit> code;
    while (!in_.AtEnd() && in_.Peek() != ']') {
      code.Add(in_.Peek());
      in_.Advance();
    }
    if (in_.AtEnd()) return false;
    in_.Advance();
    StoreHeaderText(record_.Weapcode, code.View());
    if (code.cut()) Report(FindingKind::kCutValue, line, begin, "[]", code.View());
    return true;
  }

  void ReadBody() {
    while (true) {
      SkipSpaceAndComments();
      if (in_.AtEnd()) return;
      const char c = in_.Peek();
      if (c == '{') {
        const std::size_t line = in_.line();
        const std::size_t begin = in_.offset();
        in_.Advance();
        if (depth_ > 0 && section_ == Section::kNone) {
          Report(FindingKind::kUnknownSection, line, begin, {}, {});
        }
        OpenBrace();
      } else if (c == '}' && depth_ > 1) {
        in_.Advance();
        CloseBrace();
      } else if (c == '}') {
        const std::size_t closing = in_.offset();
        in_.Advance();  // the weapon's body is closed
        ReportWhatFollows(closing);
        return;
      } else if (c == '[' && depth_ == 0) {
        ReportWhatFollows(in_.offset());  // a second weapon before any body
        return;
      } else if (c == '[') {
        ReadSectionName();
      } else {
        ReadEntry();
      }
    }
  }

  // After the weapon: anything but whitespace and comments is reported as one
  // finding, named by the other weapon's header or the first entry. Its span
  // begins at `end_of_weapon`, the "}" that closed the body (which may have
  // been placed too early).
  void ReportWhatFollows(std::size_t end_of_weapon) {
    SkipSpaceAndComments();
    if (in_.AtEnd()) return;
    const std::size_t line = in_.line();
    SpacedText<kKeyCapture, true> first;
    const char opening = in_.Peek();
    const char closing = opening == '[' ? ']' : ';';
    while (!in_.AtEnd() && ClassOf(in_.Peek()) != CharClass::kBreak) {
      const char c = in_.Peek();
      first.Add(c);
      in_.Advance();
      if (c == closing) break;
    }
    in_.SkipToEnd();
    Report(FindingKind::kAfterWeapon, line, end_of_weapon, first.View(), {});
  }

  void OpenBrace() {
    ++depth_;
    if (depth_ == 2) in_damage_ = section_ == Section::kDamage;
    section_ = Section::kNone;
  }

  void CloseBrace() {
    if (depth_ == 2) in_damage_ = false;
    --depth_;
    section_ = Section::kNone;
  }

  // From "[": the name up to "]". A line end, brace or the end of input before
  // the "]" is reported, and the name is taken as it stands.
  void ReadSectionName() {
    const std::size_t line = in_.line();
    const std::size_t begin = in_.offset();
    in_.Advance();
    SpacedText<kKeyCapture, true> name;
    while (!in_.AtEnd()) {
      const char c = in_.Peek();
      if (c == ']' || c == '{' || c == '}' || ClassOf(c) == CharClass::kBreak) break;
      name.Add(c);
      in_.Advance();
    }
    const bool closed = !in_.AtEnd() && in_.Peek() == ']';
    if (closed) in_.Advance();
    const bool damage = !name.cut() && EqualIgnoringCase(name.View(), "damage");
    section_ = damage ? Section::kDamage : Section::kOther;
    if (!closed) {
      Report(FindingKind::kUnclosedSection, line, begin, name.View(), {});
    } else if (!damage) {
      Report(FindingKind::kUnknownSection, line, begin, name.View(), {});
    }
  }

  Scope CurrentScope() const {
    if (depth_ <= 1) return Scope::kBody;
    return depth_ == 2 && in_damage_ ? Scope::kDamage : Scope::kOther;
  }

  const KeyRule* FindRule(std::string_view key) const {
    if (key.size() > kLongestKey) return nullptr;
    std::array<char, kLongestKey> lower;
    for (std::size_t i = 0; i < key.size(); ++i) lower[i] = LowerAscii(key[i]);
    const std::string_view lower_key(lower.data(), key.size());
    switch (CurrentScope()) {
      case Scope::kBody:
        return FindBodyKey(lower_key);
      case Scope::kDamage:
        return FindDamageKey(lower_key);
      case Scope::kOther:
        return nullptr;
    }
    return nullptr;
  }

  // Feeds the characters of a value to `text` up to its ";" (consumed) or a
  // line end before the next entry.
  template <typename Text>
  TokenEnd ReadValue(Text& text) {
    while (true) {
      in_.TakeUntil(kValueStops, text);
      if (in_.AtEnd()) return TokenEnd::kInputEnd;
      const char c = in_.Peek();
      if (c == ';') {
        in_.Advance();
        return TokenEnd::kSemicolon;
      }
      if (in_.LineAheadBeginsEntry()) return TokenEnd::kLineEnd;
      text.Add(c);
      in_.Advance();
    }
  }

  // Feeds the characters of a key to `key` up to its "=" (consumed); a token
  // may also end at a ";" (consumed), a brace or a line end before the next
  // entry.
  TokenEnd ReadKey(SpacedText<kKeyCapture, true>& key) {
    while (true) {
      in_.TakeUntil(kKeyStops, key);
      if (in_.AtEnd()) return TokenEnd::kInputEnd;
      const char c = in_.Peek();
      if (c == '=' || c == ';') {
        in_.Advance();
        return c == '=' ? TokenEnd::kEquals : TokenEnd::kSemicolon;
      }
      if (c == '{' || c == '}') return TokenEnd::kStop;
      if (in_.LineAheadBeginsEntry()) return TokenEnd::kLineEnd;
      key.Add(c);
      in_.Advance();
    }
  }

  // An entry from its key to its ";".
  struct Entry {
    std::size_t line;
    std::size_t begin;
    std::string_view key;
  };

  void NoteEnd(const Entry& entry, TokenEnd end, std::string_view value) {
    if (end == TokenEnd::kLineEnd) [[unlikely]] {
      Report(FindingKind::kMissingSemicolon, entry.line, entry.begin, entry.key, value);
    }
  }

  void ReadEntry() {
    section_ = Section::kNone;
    const std::size_t line = in_.line();
    const std::size_t begin = in_.offset();
    SpacedText<kKeyCapture, true> key;
    if (ReadKey(key) != TokenEnd::kEquals) {
      if (!key.View().empty()) Report(FindingKind::kSkippedKey, line, begin, key.View(), {});
      return;
    }
    const Entry entry{line, begin, key.View()};
    const KeyRule* rule = key.cut() ? nullptr : FindRule(key.View());
    if (rule == nullptr) {
      PackedText<kValueCapture> value;
      const TokenEnd end = ReadValue(value);
      Report(FindingKind::kSkippedKey, line, begin, key.View(), value.View());
      NoteEnd(entry, end, value.View());
      return;
    }
    switch (rule->rule) {
      case ValueRule::kHeaderText:
        ReadHeaderEntry(*rule, entry);
        return;
      case ValueRule::kFlag:
      case ValueRule::kStyle:
        ReadFlagEntry(*rule, entry);
        return;
      default:
        ReadBodyEntry(*rule, entry);
        return;
    }
  }

  void ReadHeaderEntry(const KeyRule& rule, const Entry& entry) {
    SpacedText<kNameLimit> value;
    const TokenEnd end = ReadValue(value);
    std::string_view kept = value.View();
    bool cut = value.cut();
    if (kept.size() > rule.limit) {
      kept = kept.substr(0, rule.limit);
      // Blanks before the cut are blanks around the value.
      while (!kept.empty() && IsSpace(kept.back())) kept.remove_suffix(1);
      cut = true;
    }
    StoreHeaderText(record_.*rule.text, kept);
    if (rule.text == &WeaponRecord::WeapID) result_.id_line = entry.line;
    if (cut) Report(FindingKind::kCutValue, entry.line, entry.begin, entry.key, kept);
    NoteEnd(entry, end, kept);
  }

  void ReadFlagEntry(const KeyRule& rule, const Entry& entry) {
    ZeroValue value;
    const TokenEnd end = ReadValue(value);
    if (rule.rule == ValueRule::kFlag) {
      record_.*rule.number = value.zero() ? 0 : 1;
    } else if (!value.zero()) {
      record_.*rule.number = rule.style;
    }
    NoteEnd(entry, end, {});
  }

  void ReadBodyEntry(const KeyRule& rule, const Entry& entry) {
    PackedText<kValueCapture> value;
    const TokenEnd end = ReadValue(value);
    const std::string_view text = value.View();
    const std::size_t line = entry.line;
    const std::size_t begin = entry.begin;
    switch (rule.rule) {
      case ValueRule::kText:
        (record_.*rule.text).assign(text);
        if (value.cut()) Report(FindingKind::kCutValue, line, begin, entry.key, text);
        break;
      case ValueRule::kRenderType:
        if (const auto type = value.cut() ? std::nullopt : RenderType(text)) {
          record_.*rule.number = *type;
        } else {
          Report(FindingKind::kUnmatchedValue, line, begin, entry.key, text);
        }
        break;
      case ValueRule::kTable:
        ReadTableValue(rule, entry, text, value.cut());
        break;
      case ValueRule::kColour:
        if (const auto colour = value.cut() ? std::nullopt : MatchColour(text)) {
          record_.*rule.number = *colour;
          colour_ = *colour;
        } else {
          Report(FindingKind::kUnmatchedValue, line, begin, entry.key, text);
        }
        break;
      case ValueRule::kSecondColour:
        if (colour_ < 0 || value.cut() || text != SecondColourValue(colour_)) {
          Report(FindingKind::kUnpairedColour, line, begin, entry.key, text);
        }
        break;
      case ValueRule::kHeaderText:
      case ValueRule::kFlag:
      case ValueRule::kStyle:
        break;
    }
    NoteEnd(entry, end, text);
  }

  void ReadTableValue(const KeyRule& rule, const Entry& entry, std::string_view text, bool cut) {
    const std::optional<int> none = NoneIndex(rule.table);
    if (text.empty() && none) {
      record_.*rule.number = *none;
      return;
    }
    if (const auto index = cut ? std::nullopt : MatchTableValue(rule.table, text)) {
      record_.*rule.number = *index;
      return;
    }
    if (rule.table == ValueTable::kModel) record_.*rule.number = kNoModel;
    Report(FindingKind::kUnmatchedValue, entry.line, entry.begin, entry.key, text);
  }

  // One assign of a view, rather than a branch that assigns a C string:
  // GCC 12 at -O3 sees a false overlap in the C-string assign (-Wrestrict).
  static void StoreHeaderText(std::string& member, std::string_view text) {
    member.assign(text.empty() ? std::string_view(kResetText) : text);
  }

  Input in_;
  WeaponRecord& record_;
  ReadResult& result_;
  std::size_t depth_ = 0;             // braces open
  Section section_ = Section::kNone;  // the section named just before a "{"
  bool in_damage_ = false;            // the brace at depth 2 opened "[DAMAGE]"
  int colour_ = -1;                   // the beam colour read last
};

}  // namespace

ReadResult ReadScript(std::string_view bytes, WeaponRecord& record) {
  record.Reset();
  record.Weapmodl = kNoModel;
  ReadResult result;
  Reader(bytes, record, result).Run();
  return result;
}

}  // namespace kalvex
