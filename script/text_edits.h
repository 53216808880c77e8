// Changes to a script's text, gathered first and made in one pass: bytes
// replaced, inserted or removed, and where a line of a weapon's body begins,
// how it is indented and how it ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "script/script_document.h"

namespace kalvex {

// `text` with each of its line ends (CR LF, LF or CR) made `line_end`.
std::string WithLineEnds(std::string_view text, std::string_view line_end);

class TextEdits {
 public:
  explicit TextEdits(const ScriptDocument& document) : doc_(document) {}

  void Replace(TextRange range, std::string text) { edits_.push_back({range, std::move(text)}); }
  void Insert(std::size_t at, std::string text) { Replace({at, at}, std::move(text)); }

  // Removes an entry: its whole line where it stands alone on it, else the
  // entry and the blanks on one side of it.
  void RemoveEntry(const ScriptEntry& entry);

  // The text with every change made. Changes are made in the order of their
  // place; removals that overlap (blanks between two entries) join.
  std::string Apply() const;

  // Where an entry after `anchor` goes (the end of an entry or of a "{"), and
  // how: `before` and `after` go around each one added there.
  struct Place {
    std::size_t at = 0;
    std::string before;  // a line end and indentation, where the line goes on
    std::string after;   // a line end, where the new line follows the anchor's
  };
  Place PlaceAfter(std::size_t anchor, std::string_view indent, std::string_view line_end) const;

  // The blanks that begin the line of the byte at `at`.
  std::string_view IndentOf(std::size_t at) const;

  // The line end of the line of the byte at `at`; the document's where that
  // line is the last and has none.
  std::string_view LineEndAfter(std::size_t at) const;

 private:
  struct Edit {
    TextRange range;
    std::string text;
  };

  const ScriptDocument& doc_;
  std::vector<Edit> edits_;
};

}  // namespace kalvex
