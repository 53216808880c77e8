#include "script/weapons_alone.h"

#include <vector>

namespace kalvex {

namespace {

// The places of a weapon as they stand in its own text, which begins
// `offset` bytes and `lines` lines into the document's.
class Moved {
 public:
  Moved(std::size_t offset, std::size_t lines) : offset_(offset), lines_(lines) {}

  void Move(std::size_t& place) const {
    if (place != kNoPlace) place -= offset_;
  }
  void Move(TextRange& range) const {
    range.begin -= offset_;
    range.end -= offset_;
  }
  void MoveLine(std::size_t& line) const {
    if (line != 0) line -= lines_;
  }

  void Move(ScriptWeapon& weapon) const {
    Move(weapon.header);
    Move(weapon.code);
    MoveLine(weapon.header_line);
    Move(weapon.open);
    Move(weapon.close);
    Move(weapon.span);
    for (ScriptEntry& entry : weapon.entries) {
      Move(entry.key);
      Move(entry.value);
      Move(entry.semicolon);
      MoveLine(entry.line_number);
    }
    for (ScriptSection& section : weapon.sections) {
      Move(section.name);
      Move(section.open);
      Move(section.close);
    }
    // What lies before the header is not in the weapon's own text.
    std::erase_if(weapon.findings,
                  [&](const StructureFinding& found) { return found.finding.begin < offset_; });
    for (StructureFinding& found : weapon.findings) {
      MoveLine(found.finding.line);
      found.finding.begin -= offset_;
      found.finding.end -= offset_;
    }
  }

 private:
  std::size_t offset_;
  std::size_t lines_;
};

}  // namespace

ScriptDocument OpenWeaponAlone(const ScriptDocument& document, std::size_t index) {
  const ScriptWeapon& weapon = document.weapons[index];
  const TextRange span = weapon.span;
  const Moved moved(span.begin, weapon.header_line - 1);
  ScriptDocument alone;
  alone.text = document.text.substr(span.begin, span.size());
  alone.line_end = document.line_end;
  moved.Move(alone.weapons.emplace_back(weapon));
  for (const TextRange comment : document.comments) {
    if (comment.begin < span.begin || comment.begin >= span.end) continue;
    moved.Move(alone.comments.emplace_back(comment));
  }
  return alone;
}

std::string WithWeaponTexts(const ScriptDocument& document, const std::vector<WeaponText>& texts) {
  std::string text;
  std::size_t at = 0;
  for (const WeaponText& weapon : texts) {
    const TextRange span = document.weapons[weapon.index].span;
    text.append(document.text, at, span.begin - at).append(weapon.text);
    at = span.end;
  }
  return text.append(document.text, at);
}

}  // namespace kalvex
