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
  explicit Input(std::string_view bytes) : next_(bytes.data()), end_(next_ + bytes.size()) {}

  bool AtEnd() const { return next_ == end_; }
  char Peek() const { return *next_; }
  bool FollowedBy(char c) const { return end_ - next_ >= 2 && next_[1] == c; }
  std::size_t line() const { return line_; }

  void Advance() {
    const char c = *next_++;
    if (c == '\n' || (c == '\r' && (next_ == end_ || *next_ != '\n'))) ++line_;
  }

  void SkipByteOrderMark() {
    if (end_ - next_ >= 3 && next_[0] == '\xEF' && next_[1] == '\xBB' && next_[2] == '\xBF') {
      next_ += 3;
    }
  }

 private:
  const char* next_;
  const char* end_;
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

// A number equal to zero: zeros with at most one decimal point.
bool IsZero(std::string_view value) {
  bool zero_seen = false;
  bool point_seen = false;
  for (const char c : value) {
    if (c == '0') {
      zero_seen = true;
    } else if (c == '.' && !point_seen) {
      point_seen = true;
    } else {
      return false;
    }
  }
  return zero_seen;
}

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

class Reader {
 public:
  Reader(std::string_view bytes, WeaponRecord& record, ReadResult& result)
      : in_(bytes), record_(record), result_(result) {}

  void Run() {
    result_.header_found = ReadHeader();
    if (result_.header_found) ReadBody();
  }

 private:
  void Report(FindingKind kind, std::size_t line, std::string_view key, std::string_view value) {
    if (result_.findings.size() < kMaxKeptFindings) {
      result_.findings.push_back({kind, line, std::string(key), std::string(value)});
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
        in_.Advance();
        in_.Advance();
        while (!in_.AtEnd() && !(in_.Peek() == '*' && in_.FollowedBy('/'))) in_.Advance();
        if (!in_.AtEnd()) {
          in_.Advance();
          in_.Advance();
        }
      } else {
        return;
      }
    }
  }

  bool ReadHeader() {
    in_.SkipByteOrderMark();
    SkipSpaceAndComments();
    if (in_.AtEnd() || in_.Peek() != '[') return false;
    const std::size_t line = in_.line();
    in_.Advance();
    SpacedText<kCodeLimit> code;
    while (!in_.AtEnd() && in_.Peek() != ']') {
      code.Add(in_.Peek());
      in_.Advance();
    }
    if (in_.AtEnd()) return false;
    in_.Advance();
    StoreHeaderText(record_.Weapcode, code.View());
    if (code.cut()) Report(FindingKind::kCutValue, line, "[]", code.View());
    return true;
  }

  void ReadBody() {
    while (true) {
      SkipSpaceAndComments();
      if (in_.AtEnd()) return;
      const char c = in_.Peek();
      if (c == '{') {
        in_.Advance();
        OpenBrace();
      } else if (c == '}') {
        in_.Advance();
        if (depth_ <= 1) return;  // the weapon's body is closed
        CloseBrace();
      } else if (c == '[') {
        if (depth_ == 0) return;  // a second weapon
        in_.Advance();
        if (!ReadSectionName()) return;
      } else {
        ReadEntry();
      }
    }
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

  // After "[": the name up to "]". False when the input ends first.
  bool ReadSectionName() {
    PackedText<8> name;
    while (!in_.AtEnd() && in_.Peek() != ']') {
      name.Add(in_.Peek());
      in_.Advance();
    }
    if (in_.AtEnd()) return false;
    in_.Advance();
    section_ = !name.cut() && EqualIgnoringCase(name.View(), "damage") ? Section::kDamage
                                                                       : Section::kOther;
    return true;
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

  // Feeds the characters of a value to `text` up to its ";" (consumed) or,
  // unless `whole`, up to a "}" (left for the structure).
  template <typename Text>
  void ReadValue(Text& text, bool whole) {
    while (!in_.AtEnd()) {
      const char c = in_.Peek();
      if (c == ';') {
        in_.Advance();
        return;
      }
      if (c == '}' && !whole) return;
      text.Add(c);
      in_.Advance();
    }
  }

  void ReadEntry() {
    section_ = Section::kNone;
    const std::size_t line = in_.line();
    SpacedText<kKeyCapture, true> key;
    while (!in_.AtEnd()) {
      const char c = in_.Peek();
      if (c == '=' || c == ';' || c == '{' || c == '}') break;
      key.Add(c);
      in_.Advance();
    }
    if (in_.AtEnd() || in_.Peek() != '=') {
      if (!in_.AtEnd() && in_.Peek() == ';') in_.Advance();
      if (!key.View().empty()) Report(FindingKind::kSkippedKey, line, key.View(), {});
      return;
    }
    in_.Advance();
    const KeyRule* rule = key.cut() ? nullptr : FindRule(key.View());
    if (rule == nullptr) {
      PackedText<kValueCapture> value;
      ReadValue(value, false);
      Report(FindingKind::kSkippedKey, line, key.View(), value.View());
      return;
    }
    if (rule->rule == ValueRule::kHeaderText) {
      ReadHeaderEntry(*rule, line, key.View());
    } else {
      ReadBodyEntry(*rule, line, key.View());
    }
  }

  void ReadHeaderEntry(const KeyRule& rule, std::size_t line, std::string_view key) {
    SpacedText<kNameLimit> value;
    ReadValue(value, true);
    std::string_view kept = value.View();
    bool cut = value.cut();
    if (kept.size() > rule.limit) {
      kept = kept.substr(0, rule.limit);
      // Blanks before the cut are blanks around the value.
      while (!kept.empty() && IsSpace(kept.back())) kept.remove_suffix(1);
      cut = true;
    }
    StoreHeaderText(record_.*rule.text, kept);
    if (cut) Report(FindingKind::kCutValue, line, key, kept);
  }

  void ReadBodyEntry(const KeyRule& rule, std::size_t line, std::string_view key) {
    PackedText<kValueCapture> value;
    ReadValue(value, false);
    const std::string_view text = value.View();
    switch (rule.rule) {
      case ValueRule::kText:
        (record_.*rule.text).assign(text);
        if (value.cut()) Report(FindingKind::kCutValue, line, key, text);
        return;
      case ValueRule::kFlag:
        record_.*rule.number = !value.cut() && IsZero(text) ? 0 : 1;
        return;
      case ValueRule::kStyle:
        if (value.cut() || !IsZero(text)) record_.*rule.number = rule.style;
        return;
      case ValueRule::kRenderType:
        if (const auto type = value.cut() ? std::nullopt : RenderType(text)) {
          record_.*rule.number = *type;
        } else {
          Report(FindingKind::kUnmatchedValue, line, key, text);
        }
        return;
      case ValueRule::kTable:
        ReadTableValue(rule, line, key, text, value.cut());
        return;
      case ValueRule::kColour:
        if (const auto colour = value.cut() ? std::nullopt : MatchColour(text)) {
          record_.*rule.number = *colour;
          colour_ = *colour;
        } else {
          Report(FindingKind::kUnmatchedValue, line, key, text);
        }
        return;
      case ValueRule::kSecondColour:
        if (colour_ < 0 || value.cut() || text != SecondColourValue(colour_)) {
          Report(FindingKind::kSkippedKey, line, key, text);
        }
        return;
      case ValueRule::kHeaderText:
        return;
    }
  }

  void ReadTableValue(const KeyRule& rule, std::size_t line, std::string_view key,
                      std::string_view text, bool cut) {
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
    Report(FindingKind::kUnmatchedValue, line, key, text);
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
