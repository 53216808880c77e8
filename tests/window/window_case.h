// The start of every window case: the driver of the implementation under
// test with its main window up, and an empty folder of the case's own for
// the files it writes.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "tests/window/window_driver.h"

namespace kalvex::test {

class WindowCase : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  WindowDriver& Driver() { return *driver_; }
  ScriptedUserInterface& Ui() { return driver_->Ui(); }
  RecordingWindow& Window() { return driver_->Window(); }

  // A path (UTF-8) in the case's own folder.
  std::string Path(std::string_view name) const;

  // The File menu's commands, chosen as a user does.
  bool FileNew() { return driver_->ChooseMenuItem("&File", "&New"); }
  bool FileOpen() { return driver_->ChooseMenuItem("&File", "O&pen"); }
  bool FileSave() { return driver_->ChooseMenuItem("&File", "Sa&ve"); }
  bool FileExit() { return driver_->ChooseMenuItem("&File", "E&xit"); }

 private:
  std::unique_ptr<WindowDriver> driver_;
  std::filesystem::path folder_;
};

// The question about unsaved changes.
inline constexpr std::string_view kUnsavedQuestion = "Do You Want To Save The Script?";

}  // namespace kalvex::test
