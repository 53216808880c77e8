// Tables of weapons as text, for a spreadsheet or awk: a header row, then one
// row per weapon. Tab-separated, one row per line ended by "\n" and no cell
// holding a tab or a line end; or comma-separated as RFC 4180 has it, rows
// ended by CR LF, a cell that holds a comma, a double quote or a line end put
// in double quotes with its quotes doubled.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvex::tdf {

enum class TableFormat { kTabs, kCommas };

using TableRow = std::vector<std::string>;

// `text` as one line: each tab and each line end in it (CR LF counting as
// one) written as one blank.
std::string OneLine(std::string_view text);

// The row as one line of the table, its line end included. A cell of a
// tab-separated row is written as OneLine gives it.
std::string TableLine(TableFormat format, const TableRow& row);

struct ReadTable {
  TableFormat format = TableFormat::kTabs;
  std::vector<TableRow> rows;  // the header first
};

// Reads a table whose header row begins with the cell `first`: tab-separated
// when a tab follows it, comma-separated when a comma does. Line ends may be
// LF or CR LF; a UTF-8 byte order mark before the header and empty lines at
// the end are passed over. Nothing, with `problem` saying why, for another
// header or a quoted cell without its closing quote.
std::optional<ReadTable> ParseTable(std::string_view text, std::string_view first,
                                    std::string& problem);

}  // namespace kalvex::tdf
