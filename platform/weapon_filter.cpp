#include "platform/weapon_filter.h"

#include <algorithm>

namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool Holds(std::string_view text, std::string_view part) {
  const auto sameLetter = [](char a, char b) { return AsciiLower(a) == AsciiLower(b); };
  return part.empty() ||
         std::search(text.begin(), text.end(), part.begin(), part.end(), sameLetter) != text.end();
}

}  // namespace

bool FilterShows(std::string_view filter, const TWeaponRow& row) {
  return Holds(row.Code, filter) || Holds(row.Name, filter);
}

std::vector<std::size_t> RowsShown(std::string_view filter, const std::vector<TWeaponRow>& rows) {
  std::vector<std::size_t> shown;
  for (std::size_t row = 0; row < rows.size(); ++row) {
    if (FilterShows(filter, rows[row])) shown.push_back(row);
  }
  return shown;
}

std::optional<std::size_t> HighlightAmong(const std::vector<std::size_t>& shown,
                                          std::optional<std::size_t> highlighted) {
  if (shown.empty()) return std::nullopt;
  if (highlighted && std::ranges::find(shown, *highlighted) != shown.end()) return highlighted;
  return shown.front();
}
