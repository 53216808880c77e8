#include "script/finding_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

namespace kalvex {
namespace {

using namespace std::string_view_literals;

TEST(FindingText, QuotedTextStaysOnOneLineAndCannotSteerTheTerminal) {
  const std::pair<std::string, std::string> kCases[] = {
      {"", R"("")"},
      {"rocklit1", R"("rocklit1")"},
      {"a \"b\"", R"("a \"b\"")"},
      {"back\\slash", R"("back\\slash")"},
      {"tab\there", R"("tab\x09here")"},
      {"\x1B[31mred", R"("\x1B[31mred")"},
      {std::string("nul\0cr\rlf\n\x7F"sv), R"("nul\x00cr\x0Dlf\x0A\x7F")"},
      {"\xC3\x9C high bytes stay", "\"\xC3\x9C high bytes stay\""},
  };
  for (const auto& [text, quoted] : kCases) EXPECT_EQ(Quoted(text), quoted);
}

TEST(FindingText, DescribesEachKindOfFindingAndTellsTheMalformedAfterOpen) {
  const std::pair<ReadFinding, std::string> kCases[] = {
      {{FindingKind::kSkippedKey, 4, "soundwater", "splash"},
       R"(skipped unknown key "soundwater" with value "splash")"},
      {{FindingKind::kSkippedKey, 9, "bogus", ""}, R"(skipped unknown key "bogus")"},
      {{FindingKind::kRepeatedKey, 2, "range", "800"},
       R"(key "range" is given again further on; its value "800" here does not count)"},
      {{FindingKind::kNotANumber, 5, "reloadtime", "1.2.3"},
       R"(value "1.2.3" of key "reloadtime" is not a number)"},
      {{FindingKind::kOldSpelling, 6, "waterexplosionart", "h20boom1"},
       R"(old spelling "h20boom1" of key "waterexplosionart" will be saved as "h2oboom1")"},
      {{FindingKind::kOldSpelling, 6, "soundstart", "bombre1"},
       R"(old spelling "bombre1" of key "soundstart" will be saved as "bombrel")"},
      {{FindingKind::kUnmatchedValue, 7, "soundstart", "rockfire"},
       R"(could not match "rockfire" of key "soundstart")"},
      {{FindingKind::kUnmatchedValue, 7, "sound\"x", "a\nb"},
       R"(could not match "a\x0Ab" of key "sound\"x")"},
      {{FindingKind::kMissingSemicolon, 4, "range", "800"},
       R"(missing ";" after value "800" of key "range"; the next line is read as an entry)"},
      {{FindingKind::kUnclosedSection, 8, "DAMAGE", ""},
       R"(section name "[DAMAGE" has no "]"; the entries after it are read)"},
      {{FindingKind::kUnknownSection, 8, "EXTRA", ""},
       R"(skipped unknown section "[EXTRA]" and its entries)"},
      {{FindingKind::kUnknownSection, 8, "", ""},
       R"(skipped "{" without a section name, and its entries)"},
      {{FindingKind::kAfterWeapon, 61, "[TWIN2]", ""},
       "the file goes on after the weapon at line 61: another weapon [TWIN2] ...; it is not kept"},
      {{FindingKind::kAfterWeapon, 61, "[A\x1B]", ""},
       R"(the file goes on after the weapon at line 61: another weapon "[A\x1B]" ...; it is not kept)"},
      {{FindingKind::kAfterWeapon, 3, "range=8;", ""},
       R"(the file goes on after the weapon at line 3: "range=8;" ...; it is not kept)"},
      {{FindingKind::kBeforeHeader, 1, "", ";mine"},
       R"(passed over ";mine" before the weapon header)"},
      {{FindingKind::kUnclosedComment, 9, "/*", ""},
       R"(comment "/*" is not closed; the rest of the file is not read)"},
  };
  for (const auto& [finding, words] : kCases) EXPECT_EQ(DescribeFinding(finding), words);
  // Malformed, or written anew: told after File, Open.
  const std::pair<FindingKind, bool> kShown[] = {
      {FindingKind::kSkippedKey, false},     {FindingKind::kRepeatedKey, true},
      {FindingKind::kNotANumber, true},      {FindingKind::kOldSpelling, true},
      {FindingKind::kUnmatchedValue, false}, {FindingKind::kMissingSemicolon, true},
      {FindingKind::kUnclosedSection, true}, {FindingKind::kUnknownSection, false},
      {FindingKind::kAfterWeapon, false},    {FindingKind::kBeforeHeader, false},
      {FindingKind::kUnclosedComment, true}};
  for (const auto& [kind, shown] : kShown) {
    EXPECT_EQ(ShownAfterOpen(kind), shown) << FindingKindName(kind);
  }
}

// Which key, where, and why, with the known key or section meant.
TEST(FindingText, DescribesKeysAsTheKnownKeysJudgeThem) {
  const std::pair<std::string, std::string> kCases[] = {
      {DescribeUnknownKey("", "reloadtim", "2.5", FindKnownKey("", "reloadtime")),
       R"(unknown key "reloadtim" with value "2.5": neither the game nor the later engine reads )"
       R"(it; is it "reloadtime"?)"},
      {DescribeUnknownKey("SHIELD", "x\x1B", "", nullptr),
       R"(unknown key "x\x1B" in [SHIELD]: neither the game nor the later engine reads it)"},
      {DescribeWrongKind("", "reloadtime", "fast", ValueKind::kNumber),
       R"(value "fast" of key "reloadtime" is not a number)"},
      {DescribeWrongKind("", "Turret", "yes", ValueKind::kFlag),
       R"(value "yes" of key "Turret" is not 0 or 1)"},
      {DescribeWrongKind("", "burnblow", "1.5", ValueKind::kWhole),
       R"(value "1.5" of key "burnblow" is not a whole number)"},
      {DescribeWrongKind("SHIELD", "goodcolor", "0 1", ValueKind::kQuadruple),
       R"(value "0 1" of key "goodcolor" in [SHIELD] is not four numbers with blanks between them)"},
      {DescribeWrongKind("", "shield", "1", ValueKind::kSection),
       R"(key "shield" names a section and takes no value "1")"},
      {DescribeUnknownSection("SHEILD", FindKnownKey("", "shield"), false),
       R"(unknown section "[SHEILD]": neither the game nor the later engine reads it or its )"
       R"(entries; is it "[SHIELD]"?)"},
      {DescribeUnknownSection("X", nullptr, true),
       R"(section "[X]" stands inside another section, where neither the game nor the later )"
       R"(engine reads one)"},
      {DescribeUnknownSection("", nullptr, false),
       R"("{" without a section name: neither the game nor the later engine reads its entries)"},
  };
  for (const auto& [words, expected] : kCases) EXPECT_EQ(words, expected);
}

}  // namespace
}  // namespace kalvex
