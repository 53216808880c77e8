#include "script/table_match.h"

#include <array>

#include "script/ascii_case.h"
#include "script/text_index.h"
#include "script/value_tables.h"

namespace kalvex {
namespace {

// The text between `key` and the next ";" in a table text, or no text.
constexpr std::string_view ValueAfter(std::string_view text, std::string_view key) {
  const std::size_t start = text.find(key);
  if (start == std::string_view::npos) return {};
  text.remove_prefix(start + key.size());
  return text.substr(0, text.find(';'));
}

constexpr std::string_view BeforeSemicolon(std::string_view text) {
  return text.substr(0, text.find(';'));
}

// The values of a table, computed once from its texts.
template <std::size_t N, typename Take>
constexpr std::array<std::string_view, N> Values(const std::array<std::string_view, N>& texts,
                                                 Take take) {
  std::array<std::string_view, N> values{};
  for (std::size_t i = 0; i < N; ++i) values[i] = take(texts[i]);
  return values;
}

constexpr auto kGafValues = Values(kExplosionGafTable, BeforeSemicolon);
constexpr auto kArtValues = Values(kExplosionArtTable, BeforeSemicolon);
constexpr auto kBarrelValues =
    Values(kBarrelAngleTable, [](std::string_view text) { return ValueAfter(text, "="); });
constexpr auto kFirstColours =
    Values(kBeamColourTable, [](std::string_view text) { return ValueAfter(text, "color="); });
constexpr auto kSecondColours =
    Values(kBeamColourTable, [](std::string_view text) { return ValueAfter(text, "color2="); });

static_assert(kBarrelValues[2] == "-5" && kFirstColours[1] == "208" && kSecondColours[1] == "0");

// How an own beam colour text joins its values.
constexpr std::string_view kPairSeparator = " / ";
constexpr std::string_view kSecondAlone = "/ ";

// Room in each table's index: more than twice its values.
constexpr std::size_t kTableSlots = 128;

template <std::size_t N>
constexpr TextIndex<kTableSlots> IndexOf(const std::array<std::string_view, N>& values) {
  static_assert(2 * N < kTableSlots);
  return TextIndex<kTableSlots>(N, [&values](std::size_t i) { return values[i]; });
}

struct IndexedTable {
  TableView values;
  const TextIndex<kTableSlots>* index;
};

constexpr TextIndex<kTableSlots> kModelIndex = IndexOf(kModelTable);
constexpr TextIndex<kTableSlots> kStartSoundIndex = IndexOf(kStartSoundTable);
constexpr TextIndex<kTableSlots> kHitSoundIndex = IndexOf(kHitSoundTable);
constexpr TextIndex<kTableSlots> kGafIndex = IndexOf(kGafValues);
constexpr TextIndex<kTableSlots> kArtIndex = IndexOf(kArtValues);
constexpr TextIndex<kTableSlots> kBarrelIndex = IndexOf(kBarrelValues);

IndexedTable Indexed(ValueTable table) {
  switch (table) {
    case ValueTable::kModel:
      return {kModelTable, &kModelIndex};
    case ValueTable::kStartSound:
      return {kStartSoundTable, &kStartSoundIndex};
    case ValueTable::kHitSound:
      return {kHitSoundTable, &kHitSoundIndex};
    case ValueTable::kExplosionGaf:
      return {kGafValues, &kGafIndex};
    case ValueTable::kExplosionArt:
      return {kArtValues, &kArtIndex};
    case ValueTable::kBarrelAngle:
      return {kBarrelValues, &kBarrelIndex};
  }
  return {kModelTable, &kModelIndex};
}

}  // namespace

std::string_view TableValue(ValueTable table, int index) {
  return TableText(Indexed(table).values, index);
}

std::optional<int> MatchTableValue(ValueTable table, std::string_view value) {
  const IndexedTable indexed = Indexed(table);
  const std::optional<std::size_t> at =
      indexed.index->Find(value, [&indexed](std::size_t i) { return indexed.values[i]; });
  if (!at) return std::nullopt;
  return static_cast<int>(*at);
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
    const std::string_view text = kStyleTable[style];
    if (EqualIgnoringCase(text.substr(0, text.find('=')), key)) return static_cast<int>(style);
  }
  return std::nullopt;
}

ColourValues ColourValuesOf(int colour) {
  if (colour < 0 || static_cast<std::size_t>(colour) >= kBeamColourTable.size()) return {};
  const auto at = static_cast<std::size_t>(colour);
  return {kFirstColours[at], kSecondColours[at]};
}

std::optional<int> MatchColourPair(ColourValues values) {
  if (!values.first || !values.second) return std::nullopt;
  for (std::size_t colour = 0; colour < kFirstColours.size(); ++colour) {
    if (kFirstColours[colour] == *values.first && kSecondColours[colour] == *values.second) {
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
      const int size = static_cast<int>(Indexed(field.table).values.size());
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
