// kalvex-tdf apply TABLE [--dry-run]: reads back a table as table prints it,
// edited in a spreadsheet or by awk, and sets in place every entry whose
// cell changed.
#include <charconv>
#include <cmath>
#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <unordered_map>
#include <vector>

#include "script/ascii_case.h"
#include "script/script_file_reader.h"
#include "script/utf8_path.h"
#include "script/weapon_sections.h"
#include "tools/kalvex_tdf/command.h"
#include "tools/kalvex_tdf/command_output.h"
#include "tools/kalvex_tdf/entry_edit.h"
#include "tools/kalvex_tdf/line_diff.h"
#include "tools/kalvex_tdf/script_input.h"
#include "tools/kalvex_tdf/table_text.h"
#include "tools/kalvex_tdf/weapon_changes.h"

namespace kalvex::tdf {
namespace {

// The columns that every table begins with; the key columns follow.
constexpr std::string_view kFileColumn = "file";
constexpr std::string_view kIndexColumn = "index";
constexpr std::string_view kCodeColumn = "code";
constexpr std::size_t kKeyColumns = 3;

struct ApplyArguments {
  std::string_view table;
  bool dry_run = false;
};

// A key column: its header split into section and key.
struct KeyColumn {
  std::string_view header;
  std::string_view section;  // empty: the body
  std::string_view key;
};

// A row of the table, numbered as a spreadsheet numbers it (the header is
// row 1), with its weapon's number from 0.
struct WeaponRow {
  std::size_t number = 0;
  std::size_t index = 0;
  const TableRow* cells = nullptr;
};

std::string_view Text(const ScriptDocument& document, TextRange range) {
  return std::string_view(document.text).substr(range.begin, range.size());
}

std::optional<double> NumberOf(std::string_view text) {
  double number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
      !std::isfinite(number)) {
    return std::nullopt;
  }
  return number;
}

// Whether a cell holds the value as the table gives it, or the same number
// written otherwise ("1.0" for "1"), as spreadsheets rewrite numbers.
bool SameCell(std::string_view cell, std::string_view value) {
  if (cell == value) return true;
  const std::optional<double> a = NumberOf(cell);
  const std::optional<double> b = NumberOf(value);
  return a && b && *a == *b;
}

std::optional<ApplyArguments> ParseApplyArguments(const CommandContext& context) {
  ApplyArguments args;
  bool table = false;
  for (const std::string_view word : context.args) {
    if (word == "--dry-run") {
      args.dry_run = true;
    } else if (word.starts_with("-") && word != kStandardInput) {
      RefuseArguments(context, kApplyCommand, "the option --dry-run only");
      return std::nullopt;
    } else if (table) {
      RefuseArguments(context, kApplyCommand, "one table");
      return std::nullopt;
    } else {
      table = true;
      args.table = word;
    }
  }
  if (!table) {
    RefuseArguments(context, kApplyCommand, "a table file (\"-\" for standard input)");
    return std::nullopt;
  }
  return args;
}

// The table's bytes, or nothing after saying why they cannot be read.
std::optional<std::string> ReadTableText(const CommandContext& context, std::string_view path) {
  std::string bytes;
  std::optional<FileRefusal> refused;
  if (path == kStandardInput) {
    refused = ReadStandardInput(context.in, bytes);
  } else {
    std::error_code error;
    const std::filesystem::path file = PathFromUtf8(path);
    if (const ScriptFileStatus status = LoadScriptFile(file, bytes, &error);
        status != ScriptFileStatus::kRead) {
      refused = LoadRefusal(status, file, error);
    }
  }
  if (!refused) return bytes;
  TellRefusal(context, path, *refused);
  return std::nullopt;
}

// The key columns of the header, or the reason the header is refused: the
// columns must begin with file, index and code, and each key column name a
// key once (ASCII letter case ignored). A column after the first three is a
// key's even where it is named as one of them: a weapon may hold an entry
// "code=...;".
std::optional<std::vector<KeyColumn>> KeyColumnsOf(const TableRow& header, std::string& problem) {
  if (header.size() < kKeyColumns || header[1] != kIndexColumn || header[2] != kCodeColumn) {
    problem = "the header must begin with the columns file, index and code";
    return std::nullopt;
  }
  std::vector<KeyColumn> columns;
  std::unordered_map<std::string, std::size_t> seen;
  for (std::size_t i = kKeyColumns; i < header.size(); ++i) {
    const std::string_view header_cell = header[i];
    const std::string name =
        "column " + std::to_string(i + 1) + " \"" + DisplayWord(header_cell) + "\"";
    std::string lower(header_cell);
    for (char& c : lower) c = LowerAscii(c);
    if (!IsKeyName(header_cell)) {
      problem = name +
                " is not KEY or SECTION/KEY (letters, digits and \"_\", not beginning "
                "with a digit)";
      return std::nullopt;
    }
    if (const auto [at, added] = seen.try_emplace(lower, i); !added) {
      problem = name + " names the key of column " + std::to_string(at->second + 1) + " again";
      return std::nullopt;
    }
    KeyColumn& column = columns.emplace_back(KeyColumn{header_cell, {}, header_cell});
    if (const std::size_t slash = header_cell.find('/'); slash != std::string_view::npos) {
      column.section = column.key.substr(0, slash);
      column.key.remove_prefix(slash + 1);
    }
  }
  return columns;
}

// The rows of the table by file, files in the order first met. Nothing, with
// the reason in `problem`, for a row of another width or without a weapon's
// number.
std::optional<std::vector<std::pair<std::string_view, std::vector<WeaponRow>>>> RowsByFile(
    const std::vector<TableRow>& rows, std::string& problem) {
  std::vector<std::pair<std::string_view, std::vector<WeaponRow>>> files;
  std::unordered_map<std::string_view, std::size_t> file_of;
  for (std::size_t r = 1; r < rows.size(); ++r) {
    const TableRow& row = rows[r];
    const std::string where = "row " + std::to_string(r + 1) + ": ";
    if (row.size() != rows.front().size()) {
      problem = where + "holds " + std::to_string(row.size()) + " cells, the header " +
                std::to_string(rows.front().size());
      return std::nullopt;
    }
    std::size_t index = 0;
    const std::string_view cell = row[1];
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), index);
    if (error != std::errc() || end != cell.data() + cell.size() || index == 0) {
      problem = where + "the index \"" + DisplayWord(cell) + "\" is not a weapon's number";
      return std::nullopt;
    }
    const auto [at, added] = file_of.try_emplace(row[0], files.size());
    if (added) files.emplace_back(row[0], std::vector<WeaponRow>());
    files[at->second].second.push_back({r + 1, index - 1, &row});
  }
  return files;
}

class FileApplier {
 public:
  FileApplier(const CommandContext& context, const std::vector<KeyColumn>& columns,
              std::string_view path)
      : context_(context), columns_(columns), path_(path) {}

  // Applies the rows to the file and writes it, or with `dry_run` prints what
  // would change. The exit status.
  int Run(const std::vector<WeaponRow>& rows, bool dry_run) {
    if (path_ == kStandardInput) {
      return Refuse(rows.front(), kExitCannotRead, "standard input cannot be written back");
    }
    std::optional<ScriptDocument> document = OpenWeaponScript(context_, path_);
    if (!document) return kExitCannotRead;
    DocumentChanges changed(*document);
    std::vector<std::size_t> row_of(document->weapons.size(), 0);
    for (const WeaponRow& row : rows) {
      if (const int status = Match(*document, row, row_of); status != kExitOk) return status;
      std::deque<std::string> words;  // the views of `changes` are into them
      WeaponChanges changes;
      for (std::size_t c = 0; c < columns_.size(); ++c) {
        const KeyColumn& column = columns_[c];
        const std::string& cell = (*row.cells)[kKeyColumns + c];
        const ScriptWeapon& weapon = document->weapons[row.index];
        const std::vector<std::size_t> entries =
            EntriesOfKey(*document, weapon, column.section, column.key);
        const std::string value =
            entries.empty() ? std::string()
                            : OneLine(Text(*document, weapon.entries[entries.back()].value));
        if (SameCell(cell, value)) continue;
        const std::string& word = words.emplace_back(std::string(column.header) + "=" + cell);
        if (const std::optional<std::string> problem = AddAssignment(word, true, changes)) {
          return Refuse(row, kExitBadInput,
                        "column " + DisplayWord(column.header) + ": " + *problem);
        }
      }
      if (changes.empty()) continue;
      if (const std::optional<ChangeRefusal> refusal = changed.Change(row.index, changes)) {
        return Refuse(row, kExitBadInput, refusal->message);
      }
    }
    const std::string text = changed.Text();
    if (text == document->text) return kExitOk;
    if (dry_run) {
      context_.out << UnifiedDiff(DisplayName(path_), DisplayName(path_), document->text, text);
      return kExitOk;
    }
    return WriteScriptTo(context_, path_, text);
  }

 private:
  int Refuse(const WeaponRow& row, int status, const std::string& problem) {
    context_.err << kProgram << ": " << DisplayName(path_) << ": row " << row.number << ": "
                 << problem << "\n";
    return status;
  }

  // Whether the row's weapon is still where the table found it, and named in
  // no row before.
  int Match(const ScriptDocument& document, const WeaponRow& row,
            std::vector<std::size_t>& row_of) {
    const std::string& code = (*row.cells)[2];
    const std::size_t count = document.weapons.size();
    if (row.index >= count) {
      return Refuse(row, kExitCannotRead,
                    "the file holds no weapon " + std::to_string(row.index + 1) + " (it holds " +
                        std::to_string(count) + ")");
    }
    const std::string now = OneLine(Text(document, document.weapons[row.index].code));
    if (now != code) {
      return Refuse(row, kExitCannotRead,
                    "weapon " + std::to_string(row.index + 1) + " is now \"" + DisplayWord(now) +
                        "\", not \"" + DisplayWord(code) + "\"");
    }
    if (row_of[row.index] != 0) {
      return Refuse(row, kExitBadInput,
                    "weapon " + std::to_string(row.index + 1) + " is in row " +
                        std::to_string(row_of[row.index]) + " too");
    }
    row_of[row.index] = row.number;
    return kExitOk;
  }

  const CommandContext& context_;
  const std::vector<KeyColumn>& columns_;
  std::string_view path_;
};

int RunApply(const CommandContext& context) {
  const std::optional<ApplyArguments> args = ParseApplyArguments(context);
  if (!args) return kExitBadInput;
  const std::optional<std::string> text = ReadTableText(context, args->table);
  if (!text) return kExitCannotRead;
  std::string problem;
  std::optional<ReadTable> table = ParseTable(*text, kFileColumn, problem);
  std::optional<std::vector<KeyColumn>> columns;
  if (table) columns = KeyColumnsOf(table->rows.front(), problem);
  const auto files = columns ? RowsByFile(table->rows, problem) : std::nullopt;
  if (!files) {
    context.err << kProgram << ": " << DisplayName(args->table) << ": " << problem << "\n";
    return kExitBadInput;
  }
  int status = kExitOk;
  for (const auto& [path, rows] : *files) {
    const int file_status = FileApplier(context, *columns, path).Run(rows, args->dry_run);
    status = std::max(status, file_status);
  }
  if (args->dry_run && !FlushStandardOutput(context)) return kExitCannotWrite;
  return status;
}

}  // namespace

const Command kApplyCommand = {
    "apply",
    "TABLE [--dry-run]",
    "set the entries whose cells changed in a table that table printed",
    "Reads TABLE (\"-\": standard input), a table as table prints it, tab- or\n"
    "comma-separated, perhaps edited in a spreadsheet or by awk, and edits the\n"
    "weapons it names as set does, in place: for each row, every key whose cell\n"
    "differs from the weapon's entry is set to the cell, and each script changed\n"
    "is replaced once, as the editor saves, so that a failure leaves it as it\n"
    "was. The file column is a script's path as opened from the current folder.\n"
    "A cell that holds the entry's value as table gives it, or the same number\n"
    "written otherwise (1.0 for 1), changes nothing. An empty cell removes every\n"
    "entry of the key; a cell in a column of a key the weapon lacks adds the\n"
    "entry; of a key given twice, the last entry is set. A key that a member\n"
    "reads is checked as that member's value, as set checks it.\n"
    "The header's first columns are file, index and code; each column after\n"
    "them names a key or SECTION/KEY once (ASCII letter case ignored), and none\n"
    "may be named file, index or code. Rows are numbered as a spreadsheet\n"
    "numbers them, the header being row 1.\n"
    "A row whose weapon is no longer at its index under its code (the weapon\n"
    "moved or was renamed), or a cell whose value would be refused, is named\n"
    "with its file and row, and nothing of that file is written; the other\n"
    "files are. With --dry-run nothing is written: the changes to each file are\n"
    "printed as a unified diff.\n"
    "Exit status: 0 applied (or nothing to apply), 1 TABLE or a script could not\n"
    "be read or written or a row no longer matches its weapon, 2 bad arguments,\n"
    "a bad table or a value refused.\n",
    RunApply,
};

}  // namespace kalvex::tdf
