#include "script/text_edits.h"

#include <algorithm>

#include "script/script_input.h"

namespace kalvex {

// `text` with each of its line ends (CR LF, LF or CR) made `line_end`.
std::string WithLineEnds(std::string_view text, std::string_view line_end) {
  std::string converted;
  converted.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      converted += line_end;
    } else {
      converted += text[i];
    }
  }
  return converted;
}

namespace {

bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

}  // namespace

TextRange LineAlone(const ScriptDocument& document, const ScriptEntry& entry) {
  const std::string& text = document.text;
  const TextRange whole = entry.Whole();
  std::size_t begin = whole.begin;
  while (begin > 0 && IsBlank(text[begin - 1])) --begin;
  if (begin > 0 && !IsLineEnd(text[begin - 1])) return {};
  std::size_t end = whole.end;
  while (end < text.size() && IsBlank(text[end])) ++end;
  if (end == text.size()) return {begin, end};
  if (text[end] == '\n') return {begin, end + 1};
  if (text[end] != '\r') return {};
  ++end;
  if (end < text.size() && text[end] == '\n') ++end;
  return {begin, end};
}

void TextEdits::RemoveEntry(const ScriptEntry& entry) {
  if (const TextRange line = LineAlone(doc_, entry); !line.empty()) {
    Replace(line, {});
    return;
  }
  const std::string& text = doc_.text;
  TextRange range = entry.Whole();
  std::size_t end = range.end;
  while (end < text.size() && IsBlank(text[end])) ++end;
  if (end < text.size() && !IsLineEnd(text[end])) {
    range.end = end;  // something follows on the line: the blanks before it go
  } else {
    while (range.begin > 0 && IsBlank(text[range.begin - 1])) --range.begin;
  }
  Replace(range, {});
}

std::string TextEdits::Apply() const {
  std::vector<const Edit*> order;
  order.reserve(edits_.size());
  for (const Edit& edit : edits_) order.push_back(&edit);
  std::stable_sort(order.begin(), order.end(),
                   [](const Edit* a, const Edit* b) { return a->range.begin < b->range.begin; });
  const std::string_view text = doc_.text;
  std::string out;
  std::size_t added = 0;
  for (const Edit* edit : order) added += edit->text.size();
  out.reserve(text.size() + added);
  std::size_t copied = 0;
  for (const Edit* edit : order) {
    const std::size_t begin = std::max(edit->range.begin, copied);
    out.append(text.substr(copied, begin - copied));
    out.append(edit->text);
    copied = std::max(copied, std::max(begin, edit->range.end));
  }
  out.append(text.substr(copied));
  return out;
}

TextEdits::Place TextEdits::PlaceAfter(std::size_t anchor, std::string_view indent,
                                       std::string_view line_end) const {
  const std::string& text = doc_.text;
  std::size_t at = anchor;
  while (at < text.size() && IsBlank(text[at])) ++at;
  if (at + 1 < text.size() && text[at] == '/' && text[at + 1] == '/') {
    while (at < text.size() && !IsLineEnd(text[at])) ++at;
  }
  if (at < text.size() && IsLineEnd(text[at])) {
    if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
    return {at + 1, std::string(indent), std::string(line_end)};
  }
  std::string before(line_end);
  before += indent;
  return {anchor, std::move(before), {}};
}

std::string_view TextEdits::IndentOf(std::size_t at) const {
  const std::string_view text = doc_.text;
  std::size_t begin = std::min(at, text.size());
  while (begin > 0 && !IsLineEnd(text[begin - 1])) --begin;
  std::size_t end = begin;
  while (end < text.size() && IsBlank(text[end])) ++end;
  return text.substr(begin, end - begin);
}

std::string_view TextEdits::LineEndAfter(std::size_t at) const {
  const std::string_view text = doc_.text;
  const std::size_t end = text.find_first_of("\r\n", at);
  if (end == std::string_view::npos) return doc_.line_end;
  if (text[end] == '\n') return "\n";
  return end + 1 < text.size() && text[end + 1] == '\n' ? "\r\n" : "\r";
}

}  // namespace kalvex
