#include "script/entry_places.h"

#include "script/script_layout.h"
#include "script/weapon_sections.h"

namespace kalvex {

TextEdits::Place EntryPlaces::Body() const {
  std::size_t damage = kNoPlace;
  for (const ScriptSection& section : weapon_.sections) {
    if (section.damage) {
      damage = section.name.begin;
      break;
    }
  }
  const ScriptEntry* anchor = nullptr;
  for (const ScriptEntry& entry : weapon_.entries) {
    if (entry.key.begin > damage) break;
    if (entry.scope == EntryScope::kBody) anchor = &entry;
  }
  if (anchor != nullptr) {
    const std::size_t end = anchor->Whole().end;
    return edits_.PlaceAfter(end, edits_.IndentOf(anchor->key.begin), edits_.LineEndAfter(end));
  }
  const std::size_t open = weapon_.open != kNoPlace ? weapon_.open + 1 : weapon_.header.end;
  return edits_.PlaceAfter(open, "\t", doc_.line_end);
}

std::optional<TextEdits::Place> EntryPlaces::InSection(std::string_view name, bool first) const {
  const ScriptSection* section = OpenSection(doc_, weapon_, name);
  if (section == nullptr) return std::nullopt;
  if (section->first_entry == section->end_entry) {
    std::string indent(edits_.IndentOf(section->open));
    indent += '\t';
    return edits_.PlaceAfter(section->open + 1, indent, doc_.line_end);
  }
  if (first) {
    const ScriptEntry& entry = weapon_.entries[section->first_entry];
    return edits_.PlaceAfter(section->open + 1, edits_.IndentOf(entry.key.begin), doc_.line_end);
  }
  const ScriptEntry& last = weapon_.entries[section->end_entry - 1];
  const std::size_t end = last.Whole().end;
  return edits_.PlaceAfter(end, edits_.IndentOf(last.key.begin), edits_.LineEndAfter(end));
}

void EntryPlaces::AddSection(TextEdits& edits, std::string_view name,
                             const std::string& entry) const {
  const std::string le(doc_.line_end);
  const LayoutRow& row = RowOf(Field::Weapdamage);
  // The damage's row holds the writer's section: its name replaced.
  std::string before = WithLineEnds(row.before, le);
  constexpr std::string_view kDamage = "DAMAGE";
  before.replace(before.find(kDamage), kDamage.size(), name);
  const std::string section = before + entry + WithLineEnds(row.after, le);
  const std::string& text = doc_.text;
  if (weapon_.close == kNoPlace) {
    const std::size_t end =
        weapon_.entries.empty() ? weapon_.header.end : weapon_.entries.back().Whole().end;
    edits.Insert(end, le + section);
    return;
  }
  std::size_t line_start = weapon_.close;
  while (line_start > 0 && (text[line_start - 1] == ' ' || text[line_start - 1] == '\t')) {
    --line_start;
  }
  if (line_start > 0 && (text[line_start - 1] == '\n' || text[line_start - 1] == '\r')) {
    edits.Insert(line_start, section + le);
  } else {
    edits.Insert(weapon_.close, le + section + le);
  }
}

}  // namespace kalvex
