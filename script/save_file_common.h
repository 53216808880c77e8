// What both implementations of SaveScriptFile share: the results, the reasons
// that no system error names as a user would (those that reading gives too
// are in file_refusal.h), and the names of temporary files.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <utility>

#include "script/save_file.h"

namespace kalvex::saving {

inline constexpr const char* kReadOnly = "The file is read-only";
inline constexpr const char* kNoFolder = "The folder does not exist";
inline constexpr const char* kBadName = "The file name is not valid";
inline constexpr const char* kLinkLoop = "The file name leads through too many links";

inline SaveResult Saved() { return {}; }

inline SaveResult CannotOpen(std::string reason) {
  return {SaveStatus::kCannotOpen, std::move(reason)};
}

inline SaveResult CannotWrite(std::string reason) {
  return {SaveStatus::kCannotWrite, std::move(reason)};
}

inline SaveResult SavedUnconfirmed(std::string reason) {
  return {SaveStatus::kSavedUnconfirmed, std::move(reason)};
}

// The reason of a failed save whose temporary file `name` could not be
// removed, for `removal_reason`.
inline std::string TempFileLeft(std::string reason, std::string_view name,
                                std::string_view removal_reason) {
  return std::move(reason) + "; the temporary file " + std::string(name) +
         " could not be removed: " + std::string(removal_reason);
}

// The name of a new temporary file beside the target, different at each
// call, in this process and (by its random part) in any other.
inline std::string TempFileName() {
  static std::atomic<std::uint64_t> counter{0};
  static const std::uint64_t seed =
      (std::uint64_t{std::random_device{}()} << 32) ^ std::random_device{}();
  std::uint64_t value =
      seed ^
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
      (counter.fetch_add(1) * 0x9E3779B97F4A7C15ULL);
  static constexpr char kHex[] = "0123456789abcdef";
  std::string name = ".kalvex-save-0000000000000000.tmp";
  for (std::size_t digit = 13; digit < 29; ++digit) {
    name[digit] = kHex[value & 0xF];
    value >>= 4;
  }
  return name;
}

}  // namespace kalvex::saving
