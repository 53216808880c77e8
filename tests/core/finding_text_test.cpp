#include "script/finding_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace kalvex {
namespace {

using namespace std::string_view_literals;

struct QuotedCase {
  std::string text;
  std::string quoted;
};

TEST(FindingText, QuotedTextStaysOnOneLineAndCannotSteerTheTerminal) {
  const QuotedCase kCases[] = {
      {"", R"("")"},
      {"rocklit1", R"("rocklit1")"},
      {"a \"b\"", R"("a \"b\"")"},
      {"back\\slash", R"("back\\slash")"},
      {"tab\there", R"("tab\x09here")"},
      {"\x1B[31mred", R"("\x1B[31mred")"},
      {std::string("nul\0cr\rlf\n\x7F"sv), R"("nul\x00cr\x0Dlf\x0A\x7F")"},
      {"\xC3\x9C high bytes stay", "\"\xC3\x9C high bytes stay\""},
  };
  for (const QuotedCase& c : kCases) {
    EXPECT_EQ(Quoted(c.text), c.quoted);
  }
}

struct DescribedCase {
  ReadFinding finding;
  std::string words;
};

TEST(FindingText, DescribesEachKindOfFinding) {
  const DescribedCase kCases[] = {
      {{FindingKind::kSkippedKey, 4, "soundwater", "splash"},
       R"(skipped unknown key "soundwater" with value "splash")"},
      {{FindingKind::kSkippedKey, 9, "bogus", ""}, R"(skipped unknown key "bogus")"},
      {{FindingKind::kCutValue, 2, "name", "Long"},
       R"(cut overlong value of key "name" to "Long")"},
      {{FindingKind::kCutValue, 1, "[]", "ROCKET"}, R"(cut overlong weapon code to "ROCKET")"},
      {{FindingKind::kUnmatchedValue, 7, "soundstart", "rockfire"},
       R"(could not match "rockfire" of key "soundstart")"},
      {{FindingKind::kUnmatchedValue, 7, "sound\"x", "a\nb"},
       R"(could not match "a\x0Ab" of key "sound\"x")"},
  };
  for (const DescribedCase& c : kCases) {
    EXPECT_EQ(DescribeFinding(c.finding), c.words);
  }
}

}  // namespace
}  // namespace kalvex
