#include "tools/kalvex_tdf/line_diff.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace kalvex::tdf {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t lf = text.find('\n', at);
    const std::size_t end = lf == std::string::npos ? text.size() : lf + 1;
    lines.push_back(text.substr(at, end - at));
    at = end;
  }
  return lines;
}

// Applies a unified diff to `before`, as patch would, checking the lines it
// removes and keeps against `before`.
std::string Patched(const std::string& before, const std::string& diff) {
  const std::vector<std::string> old_lines = Lines(before);
  const std::vector<std::string> diff_lines = Lines(diff);
  std::string out;
  std::size_t next_old = 0;
  for (std::size_t i = 2; i < diff_lines.size(); ++i) {
    const std::string& line = diff_lines[i];
    if (line.starts_with("@@ -")) {
      // "@@ -first[,count] ...": a count of 0 names the line before.
      std::istringstream range(line.substr(4));
      std::size_t first = 0, count = 1;
      range >> first;
      if (range.peek() == ',') range.ignore() >> count;
      while (next_old < (count == 0 ? first : first - 1)) out += old_lines[next_old++];
      continue;
    }
    if (line.starts_with("\\")) {
      if (diff_lines[i - 1][0] != '-') out.pop_back();  // the line before has no line end
      continue;
    }
    if (line[0] != '+') {
      const std::string& old_line = old_lines[next_old++];
      EXPECT_EQ(old_line + (old_line.ends_with('\n') ? "" : "\n"), line.substr(1));
    }
    if (line[0] != '-') out += line.substr(1);
  }
  while (next_old < old_lines.size()) out += old_lines[next_old++];
  return out;
}

TEST(LineDiff, ShowsEachChangeWithThreeLinesAround) {
  const std::string before = "a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl\nm\n";
  const std::string after = "a\nb\nc\nd\nE\nf\ng\nh\ni\nj\nk\nl\nm\nn";
  EXPECT_EQ(UnifiedDiff("old", "new", before, after),
            "--- old\n+++ new\n"
            "@@ -2,7 +2,7 @@\n b\n c\n d\n-e\n+E\n f\n g\n h\n"
            "@@ -11,3 +11,4 @@\n k\n l\n m\n+n\n\\ No newline at end of file\n");
  EXPECT_EQ(UnifiedDiff("old", "new", before, before), "");
  EXPECT_EQ(UnifiedDiff("old", "new", "", "x\r\n"), "--- old\n+++ new\n@@ -0,0 +1 @@\n+x\r\n");
}

// Over random edits of a script-like text (lines changed, added and removed
// anywhere, the last line end taken away), the diff applied to the old text
// gives the new one.
TEST(LineDiff, AppliedItGivesTheNewText) {
  std::mt19937 random(2026);
  const auto number = [&](int first, int last) {
    return std::uniform_int_distribution(first, last)(random);
  };
  for (int n = 0; n < 300; ++n) {
    std::vector<std::string> lines;
    for (int i = number(0, 40); i > 0; --i)
      lines.push_back("\tkey" + std::to_string(number(0, 9)) + "=1;\r\n");
    std::string before;
    for (const std::string& line : lines) before += line;
    for (int edits = number(0, 8); edits > 0; --edits) {
      const std::size_t at = static_cast<std::size_t>(number(0, static_cast<int>(lines.size())));
      switch (number(0, 2)) {
        case 0:
          lines.insert(lines.begin() + static_cast<long>(at), "\tadded=2;\n");
          break;
        case 1:
          if (at < lines.size()) lines.erase(lines.begin() + static_cast<long>(at));
          break;
        default:
          if (at < lines.size()) lines[at] = "\tchanged=" + std::to_string(n) + ";\r\n";
      }
    }
    std::string after;
    for (const std::string& line : lines) after += line;
    if (number(0, 4) == 0 && !after.empty()) after.pop_back();
    const std::string diff = UnifiedDiff("a", "b", before, after);
    SCOPED_TRACE(before + "----\n" + after + "----\n" + diff);
    EXPECT_EQ(Patched(before, diff), after);
  }
}

}  // namespace
}  // namespace kalvex::tdf
