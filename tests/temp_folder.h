// A new, empty folder of a test's own under the system's folder for
// temporary files, on every system.
#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <string_view>

namespace kalvex::test {

inline std::filesystem::path MakeTempFolder(std::string_view prefix) {
  static std::mt19937_64 random{std::random_device{}()};
  for (;;) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / (std::string(prefix) + std::to_string(random()));
    if (std::filesystem::create_directory(folder)) return folder;
  }
}

}  // namespace kalvex::test
