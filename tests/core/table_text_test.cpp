#include "tools/kalvex_tdf/table_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/kalvex_tdf/wildcard.h"

namespace kalvex::tdf {
namespace {

const TableRow kHeader = {"file", "index", "code", "reloadtime", "DAMAGE/default"};

TEST(TableText, RowsAreWrittenAndReadBack) {
  struct Case {
    const char* what;
    TableRow row;
    std::string tabs;    // as a line of a tab-separated table
    std::string commas;  // as a line of a comma-separated one
  };
  const Case kCases[] = {
      {.what = "plain cells",
       .row = {"mod/guns.tdf", "2", "ARM_GUN", "1.5", ""},
       .tabs = "mod/guns.tdf\t2\tARM_GUN\t1.5\t\n",
       .commas = "mod/guns.tdf,2,ARM_GUN,1.5,\r\n"},
      {.what = "a comma, a quote and a line end are quoted in CSV",
       .row = {"a,b.tdf", "1", "Q\"T", "x\ny",
               "Fus\xE9"
               "e"},
       .tabs = "a,b.tdf\t1\tQ\"T\tx y\tFus\xE9"
               "e\n",
       .commas = "\"a,b.tdf\",1,\"Q\"\"T\",\"x\ny\",Fus\xE9"
                 "e\r\n"},
      {.what = "a tab in a cell is a blank in TSV",
       .row = {"f.tdf", "1", "A", "0.9\t0.2\r\n0.1", " x "},
       .tabs = "f.tdf\t1\tA\t0.9 0.2 0.1\t x \n",
       .commas = "f.tdf,1,A,\"0.9\t0.2\r\n0.1\", x \r\n"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(TableLine(TableFormat::kTabs, c.row), c.tabs);
    EXPECT_EQ(TableLine(TableFormat::kCommas, c.row), c.commas);
    std::string problem;
    const std::string csv = TableLine(TableFormat::kCommas, kHeader) + c.commas;
    const std::optional<ReadTable> read = ParseTable(csv, "file", problem);
    ASSERT_TRUE(read) << problem;
    EXPECT_EQ(read->format, TableFormat::kCommas);
    EXPECT_EQ(read->rows, (std::vector<TableRow>{kHeader, c.row}));
  }
}

TEST(TableText, TablesAreReadAsSpreadsheetsSaveThem) {
  struct Case {
    const char* what;
    std::string text;
    std::vector<TableRow> rows;  // empty: refused
  };
  const Case kCases[] = {
      {.what = "TSV with LF, last line without one",
       .text = "file\tcode\nguns.tdf\tGUN",
       .rows = {{"file", "code"}, {"guns.tdf", "GUN"}}},
      {.what = "TSV with CR LF and a byte order mark, empty lines at the end",
       .text = "\xEF\xBB\xBF"
               "file\tcode\r\nguns.tdf\t\r\n\r\n\r\n",
       .rows = {{"file", "code"}, {"guns.tdf", ""}}},
      {.what = "CSV with LF and a quoted line end",
       .text = "file,code\n\"g,1.tdf\",\"A\r\nB\"\n",
       .rows = {{"file", "code"}, {"g,1.tdf", "A\r\nB"}}},
      {.what = "CSV with an empty quoted cell",
       .text = "file,code\r\nx.tdf,\"\"\r\n",
       .rows = {{"file", "code"}, {"x.tdf", ""}}},
      {.what = "no header", .text = "guns.tdf\t1\n", .rows = {}},
      {.what = "semicolons", .text = "file;code\n", .rows = {}},
      {.what = "a quote left open", .text = "file,code\nx.tdf,\"A\n", .rows = {}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    std::string problem;
    const std::optional<ReadTable> read = ParseTable(c.text, "file", problem);
    if (c.rows.empty()) {
      EXPECT_FALSE(read);
      EXPECT_FALSE(problem.empty());
    } else {
      ASSERT_TRUE(read) << problem;
      EXPECT_EQ(read->rows, c.rows);
    }
  }
}

TEST(Wildcard, MatchesTheWholeValue) {
  struct Case {
    const char* pattern;
    const char* text;
    bool matches;
  };
  const Case kCases[] = {
      {"ARM_*", "arm_laser", true},
      {"ARM_*", "CORE_ARM_LASER", false},
      {"*LASER", "arm_laser", true},
      {"*las*r*", "ARM_LASER_2", true},
      {"?", "", false},
      {"", "", true},
      {"*", "", true},
      {"a?c", "abc", true},
      {"a?c", "ac", false},
      {"*a*a*a*b", "aaaaaaaaaaaaaaaaaaaa", false},
      {"1.5", "1.5", true},
      {"1*5", "1.25", true},
      {"\xE9*", "\xC9t\xE9", false},  // only ASCII letters have a case
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(MatchesWildcard(c.pattern, c.text), c.matches) << c.pattern << " " << c.text;
  }
}

}  // namespace
}  // namespace kalvex::tdf
