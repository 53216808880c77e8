#include "script/table_match.h"

#include "script/value_tables.h"

namespace kalvex {
namespace {

constexpr char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The text between `key` and the next ";" in a table text, or no text.
std::string_view ValueAfter(std::string_view text, std::string_view key) {
  const std::size_t start = text.find(key);
  if (start == std::string_view::npos) return {};
  text.remove_prefix(start + key.size());
  return text.substr(0, text.find(';'));
}

std::string_view BeforeSemicolon(std::string_view text) { return text.substr(0, text.find(';')); }

TableView Entries(ValueTable table) {
  switch (table) {
    case ValueTable::kModel:
      return kModelTable;
    case ValueTable::kStartSound:
      return kStartSoundTable;
    case ValueTable::kHitSound:
      return kHitSoundTable;
    case ValueTable::kExplosionGaf:
      return kExplosionGafTable;
    case ValueTable::kExplosionArt:
      return kExplosionArtTable;
    case ValueTable::kBarrelAngle:
      return kBarrelAngleTable;
  }
  return {};
}

}  // namespace

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

std::string_view TableValue(ValueTable table, int index) {
  const std::string_view text = TableText(Entries(table), index);
  switch (table) {
    case ValueTable::kExplosionGaf:
    case ValueTable::kExplosionArt:
      return BeforeSemicolon(text);
    case ValueTable::kBarrelAngle:
      return ValueAfter(text, "=");
    default:
      return text;
  }
}

std::optional<int> MatchTableValue(ValueTable table, std::string_view value) {
  const int size = static_cast<int>(Entries(table).size());
  for (int index = 0; index < size; ++index) {
    const std::string_view candidate = TableValue(table, index);
    if (!candidate.empty() && EqualIgnoringCase(candidate, value)) return index;
  }
  return std::nullopt;
}

std::optional<int> NoneIndex(ValueTable table) {
  switch (table) {
    case ValueTable::kModel:
      return static_cast<int>(kModelTable.size());
    case ValueTable::kStartSound:
      return static_cast<int>(kStartSoundTable.size());
    case ValueTable::kHitSound:
      return static_cast<int>(kHitSoundTable.size());
    case ValueTable::kBarrelAngle:
      return 0;
    case ValueTable::kExplosionGaf:
    case ValueTable::kExplosionArt:
      return std::nullopt;
  }
  return std::nullopt;
}

std::string_view FirstColourValue(int colour) {
  return ValueAfter(TableText(kBeamColourTable, colour), "color=");
}

std::string_view SecondColourValue(int colour) {
  return ValueAfter(TableText(kBeamColourTable, colour), "color2=");
}

std::optional<int> MatchColour(std::string_view value) {
  for (int colour = 0; colour < static_cast<int>(kBeamColourTable.size()); ++colour) {
    if (FirstColourValue(colour) == value) return colour;
  }
  return std::nullopt;
}

}  // namespace kalvex
