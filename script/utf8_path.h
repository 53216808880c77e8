// File names are UTF-8 on every system (on Windows by the program's manifest
// or the platform layer); std::filesystem takes and gives them as such only
// when told so.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kalvex {

inline std::filesystem::path PathFromUtf8(std::string_view text) {
  return std::u8string_view(reinterpret_cast<const char8_t*>(text.data()), text.size());
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return {text.begin(), text.end()};
}

}  // namespace kalvex
