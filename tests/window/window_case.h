// The start of every window case: the driver of the implementation under
// test with its main window up, and an empty folder of the case's own for
// the files it writes.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "tests/window/window_driver.h"

namespace kalvex::test {

class WindowCase : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  WindowDriver& Driver() { return *driver_; }
  ScriptedUserInterface& Ui() { return driver_->Ui(); }
  RecordingWindow& Window() { return driver_->Window(); }
  WeaponRecord& Weapon() { return driver_->Window().EditedWeapon(); }

  // A path (UTF-8) in the case's own folder.
  std::string Path(std::string_view name) const;
  // A path in the case's own folder whose name is `name`'s bytes, UTF-8 or
  // not; only where names are bytes.
  std::string BytePath(std::string_view name) const;

  // The File menu's commands, chosen as a user does.
  bool FileNew() { return driver_->ChooseMenuItem("&File", "&New"); }
  bool FileOpen() { return driver_->ChooseMenuItem("&File", "O&pen"); }
  bool FileSave() { return driver_->ChooseMenuItem("&File", "Sa&ve"); }
  bool FileExit() { return driver_->ChooseMenuItem("&File", "E&xit"); }

  // File, New, answering No should the editor ask about unsaved changes;
  // true when a fresh weapon is up.
  bool StartFreshWeapon();
  // File, Open of `bytes`, written as `name` into the case's folder.
  bool OpenScriptOf(std::string_view name, std::string_view bytes);
  // File, Save as `name` in the case's folder: the bytes written, empty when
  // none were.
  std::string SavedAs(std::string_view name);
  // Types `text` into the slot of `page`, clicked in the page list first.
  bool TypeOnPage(int page, std::string_view slot, std::string_view text) {
    return driver_->ClickPage(page) && driver_->Type(slot, text);
  }

 private:
  std::unique_ptr<WindowDriver> driver_;
  std::filesystem::path folder_;
};

// Whether file names are bytes, as on POSIX systems, where a name need not
// be UTF-8; on Windows they are UTF-16.
inline constexpr bool kNamesAreBytes = std::is_same_v<std::filesystem::path::value_type, char>;

// The question about unsaved changes.
inline constexpr std::string_view kUnsavedQuestion = "Do You Want To Save The Script?";

// A name for a parameterised case: the text's letters and digits, other
// characters as "_".
std::string CaseName(std::string_view text);

}  // namespace kalvex::test
