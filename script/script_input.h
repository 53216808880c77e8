// The bytes of a script as the scanner walks them: how it treats each byte,
// and a cursor that moves forward only and counts lines.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kalvex {

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

inline constexpr std::array<CharClass, 256> kCharClasses = MakeCharClasses();

inline CharClass ClassOf(char c) { return kCharClasses[static_cast<unsigned char>(c)]; }

inline bool IsSpace(char c) { return ClassOf(c) != CharClass::kOther; }

inline bool IsBlank(char c) { return ClassOf(c) == CharClass::kBlank; }

// A value without the blanks around it: the bytes that an in-place save
// replaces, and what the reader compares.
inline std::string_view Trimmed(std::string_view value) {
  while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
  while (!value.empty() && IsBlank(value.back())) value.remove_suffix(1);
  return value;
}

// `raw` without its whitespace, into `out`: what the reader takes of a value.
inline void PackInto(std::string_view raw, std::string& out) {
  out.assign(raw);
  std::erase_if(out, IsSpace);
}

// `text` with its runs of whitespace made one blank, at most `limit`
// characters: how a finding quotes keys and names.
inline std::string Collapsed(std::string_view text, std::size_t limit) {
  std::string out;
  for (const char c : text) {
    if (out.size() == limit) break;
    if (!IsSpace(c)) {
      out += c;
    } else if (!out.empty() && out.back() != ' ') {
      out += ' ';
    }
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

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

  // Moves up to the next character in `stops`, which never end a line. Works
  // on a local copy, which the compiler keeps in a register: this is the
  // scanner's innermost loop.
  void SkipUntil(const std::array<bool, 256>& stops) {
    const char* at = next_;
    const char* const end = end_;
    while (at != end && !stops[static_cast<unsigned char>(*at)]) ++at;
    next_ = at;
  }

  // Moves past blanks, which end no line.
  void SkipBlanks() {
    const char* at = next_;
    while (at != end_ && IsBlank(*at)) ++at;
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

}  // namespace kalvex
