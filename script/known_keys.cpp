#include "script/known_keys.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <span>

#include "script/ascii_case.h"
#include "script/number_text.h"
#include "script/script_input.h"
#include "script/value_tables.h"

namespace kalvex {
namespace {

// The section that the damage field's entry stands in.
constexpr std::string_view kDamageSection = "DAMAGE";

// The sections whose keys are names of the mod's own, and the kind of value
// that every one of them takes.
struct ModOwnSection {
  std::string_view name;
  ValueKind kind;
};

constexpr std::array<ModOwnSection, 2> kModOwnSections = {{
    {.name = kDamageSection, .kind = ValueKind::kNumber},  // the damage against an armour class
    {.name = "CUSTOMPARAMS", .kind = ValueKind::kText},
}};

// A row of known_keys.tsv.
struct ListedKey {
  std::string_view section;
  std::string_view key;
  ValueKind kind;
};

constexpr ListedKey kListedKeys[] = {
#include "script/known_keys_list.inc"
};

// The kind of value a field takes, as its edit and the reader take it.
constexpr ValueKind KindOfField(const RecordField& field) {
  switch (field.reading) {
    case ValueRule::kHeaderText:
    case ValueRule::kText:
      return field.kind == FieldKind::kNumber ? ValueKind::kNumber : ValueKind::kText;
    case ValueRule::kFlag:
    case ValueRule::kStyle:
      return ValueKind::kFlag;
    case ValueRule::kRenderType:
    case ValueRule::kColour:
      return ValueKind::kWhole;
    case ValueRule::kTable:
      return field.table == ValueTable::kBarrelAngle ? ValueKind::kWhole : ValueKind::kText;
  }
  return ValueKind::kText;
}

// The entries that the fields read: each field's key, the keys of the styles
// of fire and the beam colour's second key.
constexpr std::size_t kFieldKeyCount = [] {
  std::size_t count = 0;
  for (const RecordField& field : kRecordFields) {
    if (field.reading == ValueRule::kStyle) count += kStyleTable.size();
    if (!field.key.empty()) ++count;
    if (!field.second_key.empty()) ++count;
  }
  return count;
}();

constexpr bool SameName(std::string_view a, std::string_view b) { return EqualIgnoringCase(a, b); }

constexpr bool NameLess(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return LowerAscii(x) < LowerAscii(y); });
}

// The order of the table: the body's keys (sections among them), then each
// section's keys, alphabetically, letter case aside; in a section whose keys
// are the mod's own, its row for any key first.
constexpr bool KeyLess(const KnownKey& a, const KnownKey& b) {
  if (!SameName(a.section, b.section)) return NameLess(a.section, b.section);
  return NameLess(a.key, b.key);
}

// Where a field reads a listed key, the field's kind holds, so that the
// value of an entry that a field's edit takes is of its key's kind. The list
// and the field may differ only in whether a number must be whole: the list
// tells whole numbers for "burst", which the field takes as any number, and
// numbers for "rendertype", "color", "color2" and "minbarrelangle", whose
// fields take whole numbers only.
constexpr bool KindsAgree(ValueKind listed, ValueKind field) {
  const auto numeric = [](ValueKind kind) {
    return kind == ValueKind::kWhole || kind == ValueKind::kNumber;
  };
  return listed == field || (numeric(listed) && numeric(field));
}

constexpr bool SameRowName(const KnownKey& a, const KnownKey& b) {
  return SameName(a.section, b.section) && SameName(a.key, b.key);
}

// Room for every row: each listed key might name a section of its own.
constexpr std::size_t kRoom =
    kFieldKeyCount + 2 * std::size(kListedKeys) + 2 * kModOwnSections.size();

// The row of `key` in `section` itself, without the rows for any key.
constexpr const KnownKey* FindRow(std::span<const KnownKey> rows, std::string_view section,
                                  std::string_view key) {
  for (const KnownKey& row : rows) {
    if (SameName(row.section, section) && SameName(row.key, key)) return &row;
  }
  return nullptr;
}

struct KeyTable {
  std::array<KnownKey, kRoom> rows{};
  std::size_t size = 0;
  // What would make the table wrong, found while it is made.
  bool listed_twice = false;        // the list names a key twice
  bool kinds_disagree = false;      // the list and a field that reads a key disagree on its kind
  bool section_is_a_value = false;  // a section that holds keys is also a key with a value

  constexpr void Add(const KnownKey& row) { rows[size++] = row; }

  constexpr void Sort() {
    // Of rows of the same name, a field's comes first.
    std::sort(rows.begin(), rows.begin() + size, [](const KnownKey& a, const KnownKey& b) {
      if (KeyLess(a, b) || KeyLess(b, a)) return KeyLess(a, b);
      return a.field != nullptr && b.field == nullptr;
    });
  }

  // Keeps one row of each name: the field's where a field reads a listed key.
  constexpr void DropListedTwice() {
    std::size_t kept = 0;
    bool listed_in_group = false;  // a listed row of the name that `kept - 1` has
    for (std::size_t i = 0; i < size; ++i) {
      if (kept > 0 && SameRowName(rows[kept - 1], rows[i])) {
        if (listed_in_group) listed_twice = true;
        if (!KindsAgree(rows[i].kind, rows[kept - 1].kind)) kinds_disagree = true;
        listed_in_group = true;
        continue;
      }
      listed_in_group = rows[i].field == nullptr;
      rows[kept++] = rows[i];
    }
    size = kept;
  }

  // A row of the body for each section that holds keys; the rows are sorted,
  // the body's first.
  constexpr void AddSections() {
    const std::size_t sorted = size;
    std::string_view last;
    for (std::size_t i = 0; i < sorted; ++i) {
      const std::string_view section = rows[i].section;
      if (section.empty() || SameName(section, last)) continue;
      last = section;
      if (const KnownKey* row = FindRow(std::span(rows.data(), sorted), {}, section)) {
        if (row->kind != ValueKind::kSection) section_is_a_value = true;
      } else {
        Add({.key = section, .kind = ValueKind::kSection});
      }
    }
    Sort();
  }
};

// The table is made by sorting rather than by looking rows up, so that the
// compiler's evaluation stays within its step limits.
constexpr KeyTable MakeTable() {
  KeyTable table;
  for (const RecordField& field : kRecordFields) {
    const ValueKind kind = KindOfField(field);
    const std::string_view section = field.place == FieldPlace::kDamage ? kDamageSection : "";
    if (field.reading == ValueRule::kStyle) {
      for (const std::string_view key : kStyleTable) {
        table.Add({.key = key, .kind = kind, .field = &field});
      }
    }
    if (!field.key.empty()) {
      table.Add({.section = section, .key = field.key, .kind = kind, .field = &field});
    }
    if (!field.second_key.empty()) {
      table.Add({.key = field.second_key, .kind = kind, .field = &field});
    }
  }
  for (const ListedKey& listed : kListedKeys) {
    table.Add({.section = listed.section, .key = listed.key, .kind = listed.kind});
  }
  for (const ModOwnSection& own : kModOwnSections) {
    table.Add({.section = own.name, .kind = own.kind});
  }
  table.Sort();
  table.DropListedTwice();
  table.AddSections();
  return table;
}

constexpr KeyTable kTable = MakeTable();

static_assert(!kTable.listed_twice, "known_keys.tsv lists a key twice");
static_assert(!kTable.kinds_disagree,
              "the list and a field that reads one of its keys disagree on its kind");
static_assert(!kTable.section_is_a_value, "a section that holds keys is a key with a value");

constexpr std::size_t kKnownKeyCount = kTable.size;

constexpr std::array<KnownKey, kKnownKeyCount> kKnownKeys = [] {
  std::array<KnownKey, kKnownKeyCount> rows{};
  std::copy_n(kTable.rows.begin(), kKnownKeyCount, rows.begin());
  return rows;
}();

constexpr std::size_t kLongestKnownKey = std::max_element(kKnownKeys.begin(), kKnownKeys.end(),
                                                          [](const KnownKey& a, const KnownKey& b) {
                                                            return a.key.size() < b.key.size();
                                                          })
                                             ->key.size();

// The edits (a letter put in, left out or replaced) that turn `from` into
// the known key `to`, letter case aside; any number above `most` when there
// are more.
std::size_t EditDistance(std::string_view from, std::string_view to, std::size_t most) {
  const std::size_t apart =
      from.size() > to.size() ? from.size() - to.size() : to.size() - from.size();
  if (apart > most) return most + 1;
  // Row i: the edits from the first i letters of `from` to each start of `to`.
  std::array<std::size_t, kLongestKnownKey + 1> row{};
  for (std::size_t j = 0; j <= to.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= from.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    std::size_t fewest = row[0];
    for (std::size_t j = 1; j <= to.size(); ++j) {
      const std::size_t replaced = diagonal + (LowerAscii(from[i - 1]) != LowerAscii(to[j - 1]));
      diagonal = row[j];
      row[j] = std::min({replaced, row[j] + 1, row[j - 1] + 1});
      fewest = std::min(fewest, row[j]);
    }
    if (fewest > most) return most + 1;
  }
  return row[to.size()];
}

// The near miss of `name` among the rows that `candidate` takes.
template <typename Candidate>
const KnownKey* NearMiss(std::string_view name, Candidate candidate) {
  constexpr std::size_t kMostEdits = 2;
  const KnownKey* nearest = nullptr;
  std::size_t fewest = kMostEdits + 1;
  for (const KnownKey& row : kKnownKeys) {
    if (!candidate(row)) continue;
    const std::size_t edits = EditDistance(name, row.key, fewest - 1);
    if (edits < fewest && edits < std::min(name.size(), row.key.size())) {
      nearest = &row;
      fewest = edits;
    }
  }
  return nearest;
}

std::string_view WithoutSpaceAround(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

bool IsWholeNumber(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Whether `text`, without space around it, is `count` decimal numbers with
// space between them.
bool IsNumbers(std::string_view text, std::size_t count) {
  std::size_t numbers = 0;
  while (!text.empty()) {
    const auto space = std::find_if(text.begin(), text.end(), IsSpace);
    const std::size_t length = static_cast<std::size_t>(space - text.begin());
    if (!IsDecimalNumber(text.substr(0, length))) return false;
    ++numbers;
    text = WithoutSpaceAround(text.substr(length));
  }
  return numbers == count;
}

}  // namespace

const KnownKey* FindKnownKey(std::string_view section, std::string_view key) {
  if (key.empty()) return nullptr;
  const KnownKey* any_key = nullptr;
  for (const KnownKey& row : kKnownKeys) {
    if (!SameName(row.section, section)) continue;
    if (SameName(row.key, key)) return &row;
    if (row.key.empty()) any_key = &row;
  }
  return any_key;
}

bool IsKnownSection(std::string_view section) {
  const KnownKey* row = FindKnownKey({}, section);
  return row != nullptr && row->kind == ValueKind::kSection;
}

const KnownKey* NearestKnownKey(std::string_view section, std::string_view key) {
  // The row of a section for any key of the mod's own.
  if (FindRow(kKnownKeys, section, {}) != nullptr) return nullptr;
  return NearMiss(key, [section](const KnownKey& row) {
    return SameName(row.section, section) && !row.key.empty() && row.kind != ValueKind::kSection;
  });
}

const KnownKey* NearestKnownSection(std::string_view section) {
  return NearMiss(section, [](const KnownKey& row) {
    return row.section.empty() && row.kind == ValueKind::kSection;
  });
}

bool IsValueOfKind(ValueKind kind, std::string_view value) {
  value = WithoutSpaceAround(value);
  if (kind == ValueKind::kSection) return false;
  if (value.empty()) return true;
  switch (kind) {
    case ValueKind::kFlag:
      return value == "0" || value == "1";
    case ValueKind::kWhole:
      return IsWholeNumber(value);
    case ValueKind::kNumber:
      return IsDecimalNumber(value);
    case ValueKind::kText:
      return true;
    case ValueKind::kTriple:
      return IsNumbers(value, 3);
    case ValueKind::kQuadruple:
      return IsNumbers(value, 4);
    case ValueKind::kSection:
      break;
  }
  return false;
}

}  // namespace kalvex
