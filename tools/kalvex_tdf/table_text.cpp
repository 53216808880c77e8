#include "tools/kalvex_tdf/table_text.h"

namespace kalvex::tdf {
namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

std::string CommaCell(std::string_view cell) {
  if (cell.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(cell);
  std::string out = "\"";
  for (const char c : cell) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + '"';
}

// A line end at `at`: its length, 0 where there is none.
std::size_t LineEndAt(std::string_view text, std::size_t at) {
  if (at >= text.size() || !IsLineEnd(text[at])) return 0;
  return text.compare(at, 2, "\r\n") == 0 ? 2 : 1;
}

std::vector<TableRow> TabRows(std::string_view text) {
  std::vector<TableRow> rows;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = at;
    while (end < text.size() && !IsLineEnd(text[end])) ++end;
    TableRow& row = rows.emplace_back();
    std::string_view line = text.substr(at, end - at);
    while (true) {
      const std::size_t tab = line.find('\t');
      row.emplace_back(line.substr(0, tab));
      if (tab == std::string_view::npos) break;
      line.remove_prefix(tab + 1);
    }
    at = end + LineEndAt(text, end);
  }
  return rows;
}

std::optional<std::vector<TableRow>> CommaRows(std::string_view text, std::string& problem) {
  std::vector<TableRow> rows;
  std::size_t at = 0;
  std::size_t line = 1;
  while (at < text.size()) {
    TableRow& row = rows.emplace_back();
    while (true) {
      std::string cell;
      if (at < text.size() && text[at] == '"') {
        const std::size_t opened_on = line;
        ++at;
        while (true) {
          if (at == text.size()) {
            problem = "line " + std::to_string(opened_on) + ": a quoted cell has no closing quote";
            return std::nullopt;
          }
          if (text[at] == '"' && (at + 1 == text.size() || text[at + 1] != '"')) break;
          if (text[at] == '"') ++at;  // a doubled quote stands for one
          if (text[at] == '\n') ++line;
          cell += text[at++];
        }
        ++at;
      }
      while (at < text.size() && text[at] != ',' && !IsLineEnd(text[at])) cell += text[at++];
      row.push_back(std::move(cell));
      if (at == text.size() || text[at] != ',') break;
      ++at;
    }
    at += LineEndAt(text, at);
    ++line;
  }
  return rows;
}

}  // namespace

std::string OneLine(std::string_view text) {
  std::string line;
  line.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    line += c == '\t' || IsLineEnd(c) ? ' ' : c;
  }
  return line;
}

std::string TableLine(TableFormat format, const TableRow& row) {
  std::string line;
  for (std::size_t i = 0; i < row.size(); ++i) {
    if (i > 0) line += format == TableFormat::kTabs ? '\t' : ',';
    line += format == TableFormat::kTabs ? OneLine(row[i]) : CommaCell(row[i]);
  }
  return line + (format == TableFormat::kTabs ? "\n" : "\r\n");
}

std::optional<ReadTable> ParseTable(std::string_view text, std::string_view first,
                                    std::string& problem) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  while (!text.empty() && IsLineEnd(text.back())) text.remove_suffix(1);
  ReadTable table;
  if (text.starts_with(std::string(first) + '\t')) {
    table.rows = TabRows(text);
    return table;
  }
  if (text.starts_with(std::string(first) + ',')) {
    std::optional<std::vector<TableRow>> rows = CommaRows(text, problem);
    if (!rows) return std::nullopt;
    table.format = TableFormat::kCommas;
    table.rows = std::move(*rows);
    return table;
  }
  problem =
      "the table's header must begin with \"" + std::string(first) + "\" and a tab or a comma";
  return std::nullopt;
}

}  // namespace kalvex::tdf
