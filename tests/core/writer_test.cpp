#include <gtest/gtest.h>

#include "script/script_writer.h"
#include "test_support.h"

namespace kalvex {
namespace {

using test::Crlf;

TEST(Writer, WorkedExampleByteForByte) {
  EXPECT_EQ(WriteScript(test::WorkedExample()), test::ReadTestData("worked_example.tdf"));
}

}  // namespace
}  // namespace kalvex
