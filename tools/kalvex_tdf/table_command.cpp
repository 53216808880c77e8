// kalvex-tdf table FILE|FOLDER... [--keys K1,K2,...] [--csv]: one row per
// weapon of every script, a column per script key, so that a mod's whole
// arsenal can be read in a spreadsheet or filtered with awk.
#include <algorithm>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "script/ascii_case.h"
#include "script/entry_names.h"
#include "script/script_document.h"
#include "script/weapon_sections.h"
#include "tools/kalvex_tdf/command.h"
#include "tools/kalvex_tdf/command_output.h"
#include "tools/kalvex_tdf/script_input.h"
#include "tools/kalvex_tdf/script_paths.h"
#include "tools/kalvex_tdf/table_text.h"

namespace kalvex::tdf {
namespace {

struct TableOptions {
  TableFormat format = TableFormat::kTabs;
  bool keys_given = false;
  std::vector<std::string_view> keys;  // with --keys: the columns after "code"
  std::vector<std::string_view> paths;
};

// The key columns: their headers in order, found by the key in lower case.
class KeyColumns {
 public:
  // The column of `key` (a body key, or "SECTION/key"), made when missing
  // and the columns are open; kNoPlace where there is none.
  std::size_t Find(const std::string& key, std::string_view spelled) {
    std::string lower = key;
    std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
    const auto found = columns_.find(lower);
    if (found != columns_.end()) return found->second;
    if (closed_) return kNoPlace;
    columns_.emplace(std::move(lower), headers_.size());
    headers_.emplace_back(spelled);
    return headers_.size() - 1;
  }

  // No column is made after this.
  void Close() { closed_ = true; }

  const std::vector<std::string>& headers() const { return headers_; }

 private:
  std::unordered_map<std::string, std::size_t> columns_;
  std::vector<std::string> headers_;
  bool closed_ = false;
};

// One weapon's row: its key cells as [column, value] in the order written,
// so that of a key given twice the last entry fills the cell.
struct WeaponRow {
  std::size_t path = 0;      // into the paths read
  std::size_t document = 0;  // into the documents read
  std::size_t index = 0;     // of the weapon in its document
  std::vector<std::pair<std::size_t, TextRange>> cells;
};

std::string_view Text(const ScriptDocument& document, TextRange range) {
  return std::string_view(document.text).substr(range.begin, range.size());
}

// Of each section, its name as first written, by the name in lower case.
class SectionSpellings {
 public:
  std::string_view Of(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
    return spellings_.try_emplace(std::move(lower), name).first->second;
  }

 private:
  std::unordered_map<std::string, std::string> spellings_;
};

// The cells of every weapon of `document`, its new columns made in `columns`.
void AddWeaponRows(const ScriptDocument& document, std::size_t path, std::size_t document_index,
                   KeyColumns& columns, SectionSpellings& sections, std::vector<WeaponRow>& rows) {
  std::string key;
  for (std::size_t index = 0; index < document.weapons.size(); ++index) {
    const ScriptWeapon& weapon = document.weapons[index];
    WeaponRow& row = rows.emplace_back(WeaponRow{path, document_index, index, {}});
    for (std::size_t i = 0; i < weapon.entries.size(); ++i) {
      const ScriptEntry& entry = weapon.entries[i];
      const ScriptSection* section = SectionOf(weapon, i);
      if (entry.scope != EntryScope::kBody && section == nullptr) continue;
      key = EntryName(section ? sections.Of(SectionName(document, *section)) : std::string_view(),
                      Text(document, entry.key));
      const std::size_t column = columns.Find(key, key);
      if (column != kNoPlace) row.cells.emplace_back(column, entry.value);
    }
  }
}

std::optional<TableOptions> ParseTableArguments(const CommandContext& context) {
  TableOptions options;
  bool standard_input = false;
  const std::span<const std::string_view> args = context.args;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view word = args[i];
    if (word == "--csv") {
      options.format = TableFormat::kCommas;
    } else if (word == "--keys") {
      if (options.keys_given || i + 1 == args.size()) {
        RefuseArguments(context, kTableCommand, "one list of keys after --keys");
        return std::nullopt;
      }
      options.keys_given = true;
      std::string_view list = args[++i];
      while (true) {
        const std::size_t comma = list.find(',');
        options.keys.push_back(list.substr(0, comma));
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
      }
    } else if (word.starts_with("-") && word != kStandardInput) {
      RefuseArguments(context, kTableCommand, "the options --keys and --csv only");
      return std::nullopt;
    } else if (word == kStandardInput && standard_input) {
      RefuseArguments(context, kTableCommand, "standard input (\"-\") once only");
      return std::nullopt;
    } else {
      standard_input = standard_input || word == kStandardInput;
      options.paths.push_back(word);
    }
  }
  if (options.paths.empty()) {
    RefuseArguments(context, kTableCommand, "one or more scripts or folders");
    return std::nullopt;
  }
  return options;
}

// The columns that --keys names. Nothing after saying what is wrong: an
// empty key, or a key named twice.
std::optional<KeyColumns> GivenColumns(const CommandContext& context, const TableOptions& options) {
  KeyColumns columns;
  for (const std::string_view key : options.keys) {
    const std::size_t before = columns.headers().size();
    if (key.empty() || columns.Find(std::string(key), key) < before) {
      RefuseArguments(context, kTableCommand,
                      key.empty() ? "key names between the commas of --keys"
                                  : "each key once in --keys, not \"" + DisplayWord(key) + "\"");
      return std::nullopt;
    }
  }
  columns.Close();
  return columns;
}

int RunTable(const CommandContext& context) {
  const std::optional<TableOptions> options = ParseTableArguments(context);
  if (!options) return kExitBadInput;
  std::optional<KeyColumns> columns =
      options->keys_given ? GivenColumns(context, *options) : KeyColumns();
  if (!columns) return kExitBadInput;
  std::size_t unreadable = 0;
  const std::vector<std::string> paths = ScriptPaths(context, options->paths, unreadable);
  std::vector<ScriptDocument> documents;
  std::vector<WeaponRow> rows;
  SectionSpellings sections;
  for (std::size_t path = 0; path < paths.size(); ++path) {
    std::optional<ScriptDocument> document = OpenWeaponScript(context, paths[path]);
    if (!document) {
      ++unreadable;
      continue;
    }
    AddWeaponRows(*document, path, documents.size(), *columns, sections, rows);
    documents.push_back(std::move(*document));
  }
  TableRow line = {"file", "index", "code"};
  for (const std::string& header : columns->headers()) line.push_back(OneLine(header));
  context.out << TableLine(options->format, line);
  for (const WeaponRow& row : rows) {
    const ScriptDocument& document = documents[row.document];
    line.assign(3 + columns->headers().size(), std::string());
    line[0] = paths[row.path];
    line[1] = std::to_string(row.index + 1);
    line[2] = OneLine(Text(document, document.weapons[row.index].code));
    for (const auto& [column, value] : row.cells) line[3 + column] = OneLine(Text(document, value));
    context.out << TableLine(options->format, line);
  }
  if (!FlushStandardOutput(context)) return kExitCannotWrite;
  return unreadable > 0 ? kExitCannotRead : kExitOk;
}

}  // namespace

const Command kTableCommand = {
    "table",
    "FILE|FOLDER... [--keys K1,K2,...] [--csv]",
    "print every weapon of the scripts as one table, a column per key",
    "Reads each weapon script FILE (\"-\": standard input) and every script in\n"
    "FOLDER and the folders below it (files ending in .tdf in any letter case,\n"
    "in byte order of their paths) as the editor opens them, and prints one\n"
    "table on standard output: a header row, then one row per weapon, in the\n"
    "order of the files and of the weapons in each.\n"
    "The columns: file (the script's path as reached from the argument), index\n"
    "(the weapon's number in its file, from 1, as list shows it), code (as its\n"
    "header gives it), then one column per key. Without --keys these are every\n"
    "key that any of the weapons holds, in the order first met, keys that differ\n"
    "only in ASCII letter case being one column spelled as first met; a key of a\n"
    "section is written SECTION/key (DAMAGE/default, DAMAGE/armor_heavy,\n"
    "CUSTOMPARAMS/unitpic), the section's name spelled as first met. --keys\n"
    "names the columns instead, in its order, matched in any letter case.\n"
    "A cell holds the key's value as the script writes it, blanks around it left\n"
    "out and its bytes unconverted (a list value is its script text, such as\n"
    "cannon2); of a key given twice, the last entry. A tab or line end inside a\n"
    "value is written as one blank. A weapon without the key has an empty cell.\n"
    "The table is tab-separated, each row a line ended by LF; with --csv it is\n"
    "comma-separated as RFC 4180 has it: rows ended by CR LF, a cell holding a\n"
    "comma, a double quote or a line end in double quotes, its quotes doubled.\n"
    "A script or folder that cannot be read is named on standard error, and the\n"
    "table holds the others.\n"
    "Exit status: 0 every script read, 1 a script or folder could not be read or\n"
    "a script held no weapon header, or standard output failed, 2 bad arguments.\n",
    RunTable,
};

}  // namespace kalvex::tdf
