#include "script/table_match.h"

#include <array>

#include "script/ascii_case.h"
#include "script/value_tables.h"

namespace kalvex {
namespace {

// How an own beam colour text joins its values.
constexpr std::string_view kPairSeparator = " / ";
constexpr std::string_view kSecondAlone = "/ ";

TableView Values(ValueTable table) {
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
  return kModelTable;
}

}  // namespace

std::string_view TableValue(ValueTable table, int index) { return TableText(Values(table), index); }

std::optional<int> MatchTableValue(ValueTable table, std::string_view value) {
  if (value.empty()) return std::nullopt;
  const TableView values = Values(table);
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (EqualIgnoringCase(values[i], value)) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<int> MatchOldSpelling(ValueTable table, std::string_view value) {
  struct OldSpelling {
    ValueTable table;
    std::string_view text;
    int index;
  };
  static constexpr std::array<OldSpelling, 4> kOldSpellings = {{
      {ValueTable::kExplosionArt, "h20", 5},
      {ValueTable::kExplosionArt, "h20boom1", 6},
      {ValueTable::kExplosionArt, "h20boom2", 7},
      {ValueTable::kStartSound, "bombre1", 3},
  }};
  for (const OldSpelling& old : kOldSpellings) {
    if (old.table == table && EqualIgnoringCase(old.text, value)) return old.index;
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

std::optional<int> MatchRenderType(std::string_view value) {
  if (value.empty()) return std::nullopt;
  int number = 0;
  for (const char c : value) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
    if (number >= kRenderTypeCount) return std::nullopt;
  }
  return number;
}

std::optional<int> MatchStyleKey(std::string_view key) {
  for (std::size_t style = 0; style < kStyleTable.size(); ++style) {
    if (EqualIgnoringCase(kStyleTable[style], key)) return static_cast<int>(style);
  }
  return std::nullopt;
}

ColourValues ColourValuesOf(int colour) {
  if (colour < 0 || static_cast<std::size_t>(colour) >= kBeamColourTable.size()) return {};
  const ColourPair& pair = kBeamColourTable[static_cast<std::size_t>(colour)];
  return {pair.first, pair.second};
}

std::optional<int> MatchColourPair(ColourValues values) {
  if (!values.first || !values.second) return std::nullopt;
  for (std::size_t colour = 0; colour < kBeamColourTable.size(); ++colour) {
    const ColourPair& pair = kBeamColourTable[colour];
    if (pair.first == *values.first && pair.second == *values.second) {
      return static_cast<int>(colour);
    }
  }
  return std::nullopt;
}

std::string OwnColourText(ColourValues values) {
  if (values.first && values.second) {
    return std::string(*values.first) + std::string(kPairSeparator) + std::string(*values.second);
  }
  if (values.first) return std::string(*values.first);
  if (values.second) return std::string(kSecondAlone) + std::string(*values.second);
  return {};
}

ColourValues OwnColourValues(std::string_view own) {
  if (own.empty()) return {};
  if (const std::size_t at = own.find(kPairSeparator); at != std::string_view::npos) {
    return {own.substr(0, at), own.substr(at + kPairSeparator.size())};
  }
  if (own.starts_with(kSecondAlone)) return {std::nullopt, own.substr(kSecondAlone.size())};
  return {own, std::nullopt};
}

int ListPositions(const RecordField& field) {
  switch (field.reading) {
    case ValueRule::kFlag:
      return 2;
    case ValueRule::kStyle:
      return static_cast<int>(kStyleTable.size());
    case ValueRule::kRenderType:
      return kRenderTypeCount;
    case ValueRule::kColour:
      return static_cast<int>(kBeamColourTable.size());
    case ValueRule::kTable: {
      const int size = static_cast<int>(Values(field.table).size());
      return NoneIndex(field.table) == size ? size + 1 : size;
    }
    case ValueRule::kHeaderText:
    case ValueRule::kText:
      break;
  }
  return 0;
}

std::optional<int> MatchListText(const RecordField& field, std::string_view text) {
  switch (field.reading) {
    case ValueRule::kStyle:
      return MatchStyleKey(text);
    case ValueRule::kRenderType:
      return MatchRenderType(text);
    case ValueRule::kColour:
      return MatchColourPair(OwnColourValues(text));
    case ValueRule::kTable:
      if (const std::optional<int> index = MatchTableValue(field.table, text)) return index;
      return MatchOldSpelling(field.table, text);
    default:
      return std::nullopt;
  }
}

}  // namespace kalvex
