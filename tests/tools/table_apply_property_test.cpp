// table and apply over scripts of the shape that real mods have (several
// weapons, comments, sections, later-engine entries, both line ends): the
// table applied unchanged writes nothing, and one changed cell changes only
// the line of its entry.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "bench/generated_mod.h"
#include "tests/different_lines.h"
#include "tests/tools/kalvex_tdf_fixture.h"

namespace kalvex {
namespace {

constexpr unsigned kSeeds[] = {7, 8, 9};
constexpr std::size_t kWeaponsPerFile = 6;
constexpr std::size_t kCellsChanged = 12;

std::string Joined(const std::vector<std::string>& parts, char with) {
  std::string text;
  for (const std::string& part : parts) {
    if (!text.empty()) text += with;
    text += part;
  }
  return text;
}

class TableApplyProperty : public KalvexTdfTest {};

TEST_F(TableApplyProperty, UnchangedTableWritesNothingAndOneCellChangesOneLine) {
  std::vector<std::string> files, scripts;
  for (const unsigned seed : kSeeds) {
    scripts.push_back(bench::GeneratedScript(seed, kWeaponsPerFile));
    files.push_back(Script("mod_" + std::to_string(seed) + ".tdf", scripts.back()));
  }
  std::vector<std::string> args = {"table"};
  args.insert(args.end(), files.begin(), files.end());
  const ToolRun table = RunTool(args);
  ASSERT_EQ(table.status, 0) << table.err;
  const ToolRun unchanged = RunTool({"apply", "-"}, table.out);
  EXPECT_EQ(unchanged.status, 0) << unchanged.err;
  for (std::size_t f = 0; f < files.size(); ++f) EXPECT_EQ(ReadFile(files[f]), scripts[f]);

  // Cells holding a number past 1, every so many, each made another number.
  std::vector<std::string> rows = test::Split(table.out, '\n');
  const std::vector<std::string> header = test::Split(rows.front(), '\t');
  std::size_t changed = 0, applied = 0, seen = 0;
  for (std::size_t r = 1; r < rows.size() && changed < kCellsChanged; ++r) {
    std::vector<std::string> cells = test::Split(rows[r], '\t');
    for (std::size_t c = 3; c < cells.size() && changed < kCellsChanged; ++c) {
      const std::string& value = cells[c];
      if (value.empty() || value.find_first_not_of("0123456789.") != std::string::npos ||
          value == "0" || value == "1" || ++seen % 11 != 0) {
        continue;
      }
      SCOPED_TRACE("row " + std::to_string(r + 1) + ", column " + header[c] + "=" + value);
      ++changed;
      const std::size_t f =
          static_cast<std::size_t>(std::find(files.begin(), files.end(), cells[0]) - files.begin());
      ASSERT_LT(f, files.size());
      const std::string new_value = value + "7";
      std::vector<std::string> edited = cells;
      edited[c] = new_value;
      const ToolRun run = RunTool({"apply", "-"}, rows.front() + "\n" + Joined(edited, '\t'));
      const std::string after = ReadFile(files[f]);
      if (run.status != 0) {
        // A value its field refuses: nothing written.
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_EQ(after, scripts[f]);
        continue;
      }
      ++applied;
      const auto [was, now] = test::DifferentLines(scripts[f], after);
      ASSERT_EQ(was.size(), 1u) << run.err;
      ASSERT_EQ(now.size(), 1u);
      EXPECT_NE(now.front().find("=" + new_value + ";"), std::string::npos) << now.front();
      WriteFile(files[f], scripts[f]);
    }
  }
  EXPECT_EQ(changed, kCellsChanged);
  EXPECT_GE(applied, kCellsChanged / 2);
}

}  // namespace
}  // namespace kalvex
