#include "tests/window/window_case.h"

#include <cctype>
#include <random>

#include "script/utf8_path.h"
#include "tests/window/window_slots.h"

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
  return Utf8FromPath((folder_ / PathFromUtf8(std::string(name))).make_preferred());
}

std::string WindowCase::BytePath(std::string_view name) const {
  return (folder_.string() + "/").append(name);
}

bool WindowCase::StartFreshWeapon() {
  Ui().Answers.push_back(IDNO);  // taken only if the weapon has changed
  const bool started = FileNew() && Window().SaveFlag() == 1 && Window().Page().Box == 0;
  Ui().Answers.clear();
  return started;
}

bool WindowCase::OpenScriptOf(std::string_view name, std::string_view bytes) {
  Ui().FileChoices.push_back(Path(name));
  return WriteBytes(Path(name), bytes) && FileOpen();
}

std::string WindowCase::SavedAs(std::string_view name) {
  Ui().FileChoices.push_back(Path(name));
  return FileSave() ? ReadBytes(Path(name)) : std::string();
}

std::string CaseName(std::string_view text) {
  std::string name;
  for (const char c : text) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

}  // namespace kalvex::test
