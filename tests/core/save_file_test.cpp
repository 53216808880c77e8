// Saving that every system does alike: refusals touch nothing, a save
// replaces the whole file and nothing else is left in the folder, and each
// failing system call of a save or a load is told. The tests of
// one system are in save_file_posix_test.cpp and save_file_windows_test.cpp.
#include <gtest/gtest.h>

#include "save_file_test_support.h"

namespace kalvex::save_test {
namespace {

TEST_F(SaveFileTest, RefusesWhatCannotBeOpenedAndTouchesNothing) {
  for (const RefusalCase& refusal : kRefusals) ExpectRefused(refusal);
  for (const RefusalCase& refusal : kSystemRefusals) ExpectRefused(refusal);
}

// Each save is made twice, the second giving the same file.
TEST_F(SaveFileTest, SavedFileHoldsTheBytesAlone) {
  struct Case {
    const char* name;
    const char* file;
    std::optional<std::string> earlier;  // the file before the saves, if any
    std::string bytes;
  };
  const Case kCases[] = {
      {"missing file is created", "new.tdf", std::nullopt, NewScript()},
      {"new file", "w.tdf", std::nullopt, EarlierScript()},
      {"longer earlier file replaced completely", "w.tdf", NewScript() + std::string(5000, 'x'),
       EarlierScript()},
      {"empty bytes give an empty file", "w.tdf", EarlierScript(), ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    UseFreshFolder();
    if (c.earlier) WriteBytes(Path(c.file), *c.earlier);
    for (int save = 0; save < 2; ++save) {
      ExpectSaved(SaveScriptFile(Path(c.file), c.bytes));
      EXPECT_EQ(ReadFile(Path(c.file)), c.bytes);
      EXPECT_EQ(Names(dir_), std::set<std::string>{c.file});
    }
  }
}

TEST_F(SaveFileTest, RelativeNameIsSavedInCurrentFolder) {
  const fs::path previous = fs::current_path();
  fs::current_path(dir_);
  const SaveResult result = SaveScriptFile("relative.tdf", NewScript());
  fs::current_path(previous);
  ExpectSaved(result);
  EXPECT_EQ(ReadFile(Path("relative.tdf")), NewScript());
  EXPECT_EQ(Names(dir_), std::set<std::string>{"relative.tdf"});
}

TEST_F(SaveFileTest, EveryFailingCallOfASaveIsTold) {
  for (const SaveWalk& walk : kSaveWalks) Walk(walk);
}

TEST_F(SaveFileTest, EveryFailingCallOfALoadIsTold) { WalkLoad(); }

}  // namespace
}  // namespace kalvex::save_test
