// Whole scripts: the worked example, the writer's reset weapon, one read after
// another, line numbers of findings and the bound on kept findings.
#include <gtest/gtest.h>

#include "reader_test_support.h"
#include "script/script_reader.h"
#include "script/script_writer.h"
#include "test_support.h"

namespace kalvex {
namespace {

TEST(ReaderScript, WorkedExampleReadsBack) {
  const test::ReadOutcome out = test::Read(test::ReadTestData("worked_example.tdf"));
  WeaponRecord expected = test::WorkedExample();
  expected.Weapenps = kResetText;  // its "0" writes no entry
  EXPECT_TRUE(out.result.header_found);
  EXPECT_EQ(test::Differences(expected, out.record), "");
  EXPECT_TRUE(out.result.findings.empty());
}

TEST(ReaderScript, WorkedExampleWrittenAgainIsTheSameBytes) {
  const std::string script = test::ReadTestData("worked_example.tdf");
  WeaponRecord record;
  ReadScript(script, record);
  EXPECT_EQ(WriteScript(record), script);
}

TEST(ReaderScript, ResetWeaponReadsAsResetTexts) {
  WeaponRecord written;
  written.Weapmodl = 0;
  const test::ReadOutcome out = test::Read(WriteScript(written));
  WeaponRecord expected = written;
  expected.Weaprange = "";  // "range=;" and "default=;" carry an empty text
  expected.Weapdamage = "";
  EXPECT_EQ(test::Differences(expected, out.record), "");
  EXPECT_TRUE(out.result.findings.empty());
  EXPECT_EQ(WriteScript(out.record), WriteScript(written));
}

TEST(ReaderScript, ResultDependsOnTheBytesAlone) {
  const std::string script = test::ReadTestData("worked_example.tdf");
  WeaponRecord fresh;
  WeaponRecord dirty = test::DirtyRecord();
  ReadScript(script, fresh);
  ReadScript(script, dirty);
  EXPECT_EQ(test::Differences(fresh, dirty), "");
}

TEST(ReaderScript, SecondReadForgetsTheFirst) {
  WeaponRecord record;
  ReadScript(test::ReadTestData("worked_example.tdf"), record);
  ReadScript(test::InBody("range=5;"), record);
  WeaponRecord expected = test::EmptyWeapon();
  expected.Weaprange = "5";
  EXPECT_EQ(test::Differences(expected, record), "");
}

TEST(ReaderScript, NoModelEntryMeansNoModel) {
  WeaponRecord record;
  record.Weapmodl = 3;
  ReadScript(test::InBody("beamweapon=1;"), record);
  EXPECT_EQ(record.Weapmodl, 14);
}

TEST(ReaderScript, MissingSmokeDelayIsNotWrittenBack) {
  WeaponRecord record;
  ReadScript(test::InBody("range=5;"), record);
  EXPECT_EQ(record.Weapsmdl, kResetText);
  EXPECT_EQ(WriteScript(record).find("smokedelay"), std::string::npos);
}

TEST(ReaderScript, LineNumbersCountEveryKindOfLineEnd) {
  for (const std::string end : {"\n", "\r\n", "\r"}) {
    SCOPED_TRACE(testing::PrintToString(end));
    const std::string script = "[T]" + end + "{" + end + "a=1;" + end + end + "b=2; c=3;" + end +
                               "/* " + end + " */ d=4;" + end + "}";
    const ReadResult result = test::Read(script).result;
    EXPECT_EQ(result.findings,
              (std::vector<ReadFinding>{test::Skipped(3, "a", "1"), test::Skipped(5, "b", "2"),
                                        test::Skipped(5, "c", "3"), test::Skipped(7, "d", "4")}));
  }
}

TEST(ReaderScript, FindingsBeyondTheBoundAreCounted) {
  std::string entries;
  for (int i = 0; i < 1500; ++i) entries += "unknown=" + std::to_string(i) + ";\n";
  const ReadResult result = test::Read(test::InBody(entries + "range=7;")).result;
  ASSERT_EQ(result.findings.size(), kMaxKeptFindings);
  EXPECT_EQ(result.findings_not_kept, 500u);
  EXPECT_EQ(result.findings.back(), test::Skipped(1002, "unknown", "999"));
}

}  // namespace
}  // namespace kalvex
