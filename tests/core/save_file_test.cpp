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
}

TEST_F(SaveFileTest, CreatesMissingFile) {
  const std::string path = Path("new.tdf");
  ExpectSaved(SaveScriptFile(path, NewScript()));
  EXPECT_EQ(ReadFile(path), NewScript());
  EXPECT_EQ(Names(dir_), std::set<std::string>{"new.tdf"});
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

TEST_F(SaveFileTest, ReplacesLongerEarlierFileCompletely) {
  const std::string path = Path("w.tdf");
  WriteBytes(path, NewScript() + std::string(5000, 'x'));
  ExpectSaved(SaveScriptFile(path, EarlierScript()));
  EXPECT_EQ(ReadFile(path), EarlierScript());
  EXPECT_EQ(Names(dir_), std::set<std::string>{"w.tdf"});
}

TEST_F(SaveFileTest, SavingTwiceGivesIdenticalFiles) {
  const std::string path = Path("w.tdf");
  ExpectSaved(SaveScriptFile(path, EarlierScript()));
  const auto first = ReadFile(path);
  ExpectSaved(SaveScriptFile(path, EarlierScript()));
  EXPECT_EQ(ReadFile(path), first);
  EXPECT_EQ(first, EarlierScript());
}

TEST_F(SaveFileTest, EmptyBytesGiveEmptyFile) {
  const std::string path = Path("w.tdf");
  WriteBytes(path, EarlierScript());
  ExpectSaved(SaveScriptFile(path, ""));
  EXPECT_EQ(ReadFile(path), "");
}

TEST_F(SaveFileTest, EveryFailingCallOfASaveIsTold) {
  for (const SaveWalk& walk : kSaveWalks) Walk(walk);
}

TEST_F(SaveFileTest, EveryFailingCallOfALoadIsTold) { WalkLoad(); }

}  // namespace
}  // namespace kalvex::save_test
