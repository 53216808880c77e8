#include "tests/window/window_case.h"

#include <random>

#include "script/utf8_path.h"

namespace kalvex::test {

void WindowCase::SetUp() {
  namespace fs = std::filesystem;
  std::random_device random;
  folder_ = fs::temp_directory_path() / ("kalvex-window-case-" + std::to_string(random()));
  ASSERT_TRUE(fs::create_directories(folder_));
  driver_ = MakeWindowDriver();
  ASSERT_TRUE(driver_->Start());
}

void WindowCase::TearDown() {
  namespace fs = std::filesystem;
  driver_.reset();
  std::error_code error;
  // A file made read-only must be writable again to go, on some systems.
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder_, error)) {
    fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, error);
  }
  fs::remove_all(folder_, error);
}

std::string WindowCase::Path(std::string_view name) const {
  return Utf8FromPath(folder_ / PathFromUtf8(std::string(name)));
}

}  // namespace kalvex::test
