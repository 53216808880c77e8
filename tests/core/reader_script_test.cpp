// Whole scripts: the worked example, the writer's reset weapon, one read after
// another, line numbers of findings and the bound on kept findings.
#include <gtest/gtest.h>

#include "reader_test_support.h"
#include "script/script_reader.h"
#include "script/script_writer.h"
#include "test_support.h"

namespace kalvex::test {
namespace {

TEST(ReaderScript, WorkedExampleReadsBack) {
  const ReadOutcome out = Read(ReadTestData("worked_example.tdf"));
  WeaponRecord expected = WorkedExample();
  expected.Weapenps = kResetText;  // its "0" writes no entry
  expected.Weapcol2 = kNoEntry;    // not a beam: no colour entries
  EXPECT_TRUE(out.result.header_found);
  EXPECT_EQ(Differences(expected, out.record), "");
  EXPECT_TRUE(out.result.findings.empty());
}

TEST(ReaderScript, WorkedExampleWrittenAgainIsTheSameBytes) {
  const std::string script = ReadTestData("worked_example.tdf");
  WeaponRecord record;
  ReadScript(script, record);
  EXPECT_EQ(WriteScript(record), script);
}

TEST(ReaderScript, ResetWeaponReadsAsResetTexts) {
  WeaponRecord written;
  written.Weapmodl = 0;
  const ReadOutcome out = Read(WriteScript(written));
  WeaponRecord expected = written;
  expected.Weaprange = "";  // "range=;" and "default=;" carry an empty text
  expected.Weapdamage = "";
  expected.Weapcol2 = kNoEntry;
  EXPECT_EQ(Differences(expected, out.record), "");
  EXPECT_TRUE(out.result.findings.empty());
  EXPECT_EQ(WriteScript(out.record), WriteScript(written));
}

TEST(ReaderScript, ResultDependsOnTheBytesAlone) {
  const std::string script = ReadTestData("worked_example.tdf");
  WeaponRecord fresh;
  WeaponRecord dirty = DirtyRecord();
  ReadScript(script, fresh);
  ReadScript(script, dirty);
  EXPECT_EQ(Differences(fresh, dirty), "");
}

TEST(ReaderScript, SecondReadForgetsTheFirst) {
  WeaponRecord record;
  ReadScript(ReadTestData("worked_example.tdf"), record);
  ReadScript(InBody("range=5;"), record);
  WeaponRecord expected = EmptyWeapon();
  expected.Weaprange = "5";
  EXPECT_EQ(Differences(expected, record), "");
}

TEST(ReaderScript, NoModelEntryMeansNoModel) {
  WeaponRecord record;
  record.Weapmodl = 3;
  ReadScript(InBody("beamweapon=1;"), record);
  EXPECT_EQ(record.Weapmodl, 14);
}

TEST(ReaderScript, MissingSmokeDelayIsNotWrittenBack) {
  WeaponRecord record;
  ReadScript(InBody("range=5;"), record);
  EXPECT_EQ(record.Weapsmdl, kResetText);
  EXPECT_EQ(WriteScript(record).find("smokedelay"), std::string::npos);
}

TEST(ReaderScript, LineNumbersCountEveryKindOfLineEnd) {
  for (const std::string end : {"\n", "\r\n", "\r"}) {
    SCOPED_TRACE(testing::PrintToString(end));
    const std::string script = "[T]" + end + "{" + end + "a=1;" + end + end + "b=2; c=3;" + end +
                               "/* " + end + " */ d=4;" + end + "}";
    const ReadResult result = Read(script).result;
    EXPECT_EQ(result.findings,
              (std::vector<ReadFinding>{Skipped(3, "a", "1"), Skipped(5, "b", "2"),
                                        Skipped(5, "c", "3"), Skipped(7, "d", "4")}));
  }
}

TEST(ReaderScript, FindingsBeyondTheBoundAreCounted) {
  std::string entries;
  for (int i = 0; i < 1500; ++i) entries += "unknown=" + std::to_string(i) + ";\n";
  const ReadResult result = Read(InBody(entries + "range=7;")).result;
  ASSERT_EQ(result.findings.size(), kMaxKeptFindings);
  EXPECT_EQ(result.findings_not_kept, 500u);
  EXPECT_EQ(result.findings.back(), Skipped(1002, "unknown", "999"));
}

}  // namespace
}  // namespace kalvex::test
