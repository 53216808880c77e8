// Hostile input: the reader finishes, touches nothing outside the record and
// keeps its findings bounded, whatever the bytes.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "reader_test_support.h"
#include "script/script_reader.h"
#include "script/script_writer.h"
#include "test_support.h"

namespace kalvex::test {
namespace {

using namespace std::string_literals;

constexpr std::size_t kBig = 5 * 1024 * 1024;

std::string Repeat(std::string_view piece, std::size_t bytes) {
  std::string out;
  out.reserve(bytes + piece.size());
  while (out.size() < bytes) out += piece;
  return out;
}

std::string RandomBytes(std::size_t bytes, unsigned seed) {
  std::mt19937 random(seed);
  std::string out(bytes, '\0');
  for (char& c : out) c = static_cast<char>(random() & 0xFF);
  return out;
}

// Random bytes drawn mostly from the characters that steer the reader.
std::string RandomTokens(std::size_t bytes, unsigned seed) {
  static constexpr std::string_view kChars = "[]{}=;/*\n\r\t 0aZ";
  std::mt19937 random(seed);
  std::string out = "[T]{";
  while (out.size() < bytes) out += kChars[random() % kChars.size()];
  return out;
}

// The worked example without its line ends.
std::string FlatWorkedExample() {
  std::string flat = ReadTestData("worked_example.tdf");
  std::erase_if(flat, [](char c) { return c == '\r' || c == '\n'; });
  return flat;
}

struct HostileCase {
  std::string name;
  std::function<std::string()> make;
  bool header_found;
};

void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }

class HostileTest : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileTest, FinishesWithinBounds) {
  const std::string script = GetParam().make();
  WeaponRecord record = DirtyRecord();
  const ReadResult result = ReadScript(script, record);
  EXPECT_EQ(result.header_found, GetParam().header_found);
  EXPECT_LE(result.findings.size(), kMaxKeptFindings);
  for (const ReadFinding& f : result.findings) {
    EXPECT_LE(f.key.size(), 64u);
    EXPECT_LE(f.value.size(), 69u);
  }
  // Values are read whole; an empty one is the one-space reset text.
  const std::size_t longest = std::max<std::size_t>(script.size(), 1);
  EXPECT_LE(record.Weapcode.size(), longest);
  EXPECT_LE(record.Weapname.size(), longest);
  EXPECT_LE(record.WeapID.size(), longest);
  // What was read is a record like any other: written and read, it stays.
  WeaponRecord again;
  EXPECT_TRUE(ReadScript(WriteScript(record), again).findings.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, HostileTest,
    testing::Values(
        HostileCase{"Empty", [] { return std::string(); }, false},
        HostileCase{"NulBytes", [] { return std::string(kBig, '\0'); }, false},
        HostileCase{"NulBytesInScript",
                    [] {
                      return "[T\0]{\0range\0=\0"
                             "8\0;name=a\0b;\0}"s +
                             std::string(10, '\0');
                    },
                    true},
        HostileCase{"EveryByteValue",
                    [] {
                      std::string all;
                      for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
                      return "[T]{" + Repeat(all, kBig);
                    },
                    true},
        HostileCase{"HighBytesEverywhere",
                    [] { return "[\xFF]{\xFF=\xFF;" + Repeat("\x80\xC3", kBig); }, true},
        HostileCase{"NoLineEnds", FlatWorkedExample, true},
        HostileCase{"OpeningBrackets", [] { return std::string(kBig, '['); }, false},
        HostileCase{"OpeningBracketsInBody", [] { return "[T]{" + std::string(kBig, '['); }, true},
        HostileCase{"BracketPairsInBody", [] { return "[T]{" + Repeat("[]", kBig); }, true},
        HostileCase{"EqualsSigns", [] { return std::string(kBig, '='); }, false},
        HostileCase{"EqualsSignsInBody", [] { return "[T]{" + std::string(kBig, '='); }, true},
        HostileCase{"Semicolons", [] { return "[T]{" + std::string(kBig, ';'); }, true},
        HostileCase{"OpeningBraces", [] { return "[T]" + std::string(kBig, '{'); }, true},
        HostileCase{"ClosingBraces", [] { return "[T]" + std::string(kBig, '}'); }, true},
        HostileCase{"UnknownKeys", [] { return "[T]{" + Repeat("a=1;", kBig); }, true},
        HostileCase{"TokensWithoutValue", [] { return "[T]{" + Repeat("a;", kBig); }, true},
        HostileCase{"HugeCode", [] { return "[" + std::string(kBig, 'C') + "]{}"; }, true},
        HostileCase{"HugeKey", [] { return "[T]{" + std::string(kBig, 'k') + "=1;}"; }, true},
        HostileCase{"HugeName", [] { return "[T]{name=" + Repeat("n ", kBig) + ";}"; }, true},
        HostileCase{"NameWithoutSemicolon", [] { return "[T]{name=" + Repeat("n}", kBig); }, true},
        HostileCase{"ValueWithoutSemicolon", [] { return "[T]{range=" + std::string(kBig, '9'); },
                    true},
        HostileCase{"ValueCutAtEnd", [] { return std::string("[T]{range=8"); }, true},
        HostileCase{"KeyCutAtEnd", [] { return std::string("[T]{ran"); }, true},
        HostileCase{"CommentOpenings", [] { return "[T]{" + Repeat("/*", kBig); }, true},
        HostileCase{"LineComments", [] { return "[T]{" + Repeat("//\n", kBig); }, true},
        HostileCase{"CarriageReturns", [] { return "[T]{" + std::string(kBig, '\r'); }, true},
        HostileCase{"DamageSections", [] { return "[T]{" + Repeat("[DAMAGE]{default=1;}", kBig); },
                    true},
        HostileCase{"TableValues", [] { return "[T]{" + Repeat("soundhit=nothing;", kBig); }, true},
        HostileCase{"RandomBytes", [] { return RandomBytes(kBig, 1); }, false},
        HostileCase{"RandomTokens", [] { return RandomTokens(kBig, 2); }, true}),
    [](const testing::TestParamInfo<HostileCase>& row) { return row.param.name; });

TEST(ReaderHostile, WorkedExampleWithoutLineEndsReadsTheSame) {
  WeaponRecord from_flat;
  WeaponRecord from_file;
  ReadScript(FlatWorkedExample(), from_flat);
  ReadScript(ReadTestData("worked_example.tdf"), from_file);
  EXPECT_EQ(Differences(from_file, from_flat), "");
}

TEST(ReaderHostile, ManyFindingsAreCountedNotKept) {
  WeaponRecord record;
  const ReadResult result = ReadScript("[T]{" + Repeat("a=1;", kBig), record);
  EXPECT_EQ(result.findings.size(), kMaxKeptFindings);
  EXPECT_EQ(result.findings.size() + result.findings_not_kept, kBig / 4);
}

TEST(ReaderHostile, NulBytesAreDroppedLikeLineEnds) {
  WeaponRecord record;
  const ReadResult result = ReadScript(
      "\0[T\0]{\0ran\0ge\0=\0"
      "8\0;name=a\0b;\0range=\0"
      "1\0 2;}"s,
      record);
  EXPECT_EQ(record.Weapcode, "T");
  EXPECT_EQ(record.Weapname, "ab");
  EXPECT_EQ(record.Weaprange, "12");
  EXPECT_EQ(result.findings, std::vector<ReadFinding>{Skipped(1, "ran ge", "8")});
}

}  // namespace
}  // namespace kalvex::test
