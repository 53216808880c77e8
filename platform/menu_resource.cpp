#include "platform/menu_resource.h"

#include <charconv>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Takes `word` and the blanks after it off the front of `line`.
bool TakeKeyword(std::string_view& line, std::string_view word) {
  if (!line.starts_with(word)) return false;
  const std::string_view rest = line.substr(word.size());
  if (!rest.empty() && !IsBlank(rest.front())) return false;
  line = Trimmed(rest);
  return true;
}

// Takes a double-quoted text off the front of `line`.
std::optional<std::string> TakeQuoted(std::string_view& line) {
  if (line.empty() || line.front() != '"') return std::nullopt;
  const std::size_t end = line.find('"', 1);
  if (end == std::string_view::npos) return std::nullopt;
  std::string text(line.substr(1, end - 1));
  line = Trimmed(line.substr(end + 1));
  return text;
}

std::optional<int> WholeNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || text.empty()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<TMenuResource> ParseMenuResource(std::string_view text) {
  TMenuResource menu;
  while (!text.empty()) {
    const std::size_t newline = text.find('\n');
    std::string_view line = Trimmed(text.substr(0, newline));
    text = newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
    if (line.empty() || line.front() == '#') continue;

    if (TakeKeyword(line, "POPUP")) {
      std::optional<std::string> caption = TakeQuoted(line);
      if (!caption || !line.empty()) return std::nullopt;
      menu.Popups.push_back({std::move(*caption), {}});
    } else if (TakeKeyword(line, "MENUITEM")) {
      std::optional<std::string> caption = TakeQuoted(line);
      const std::optional<int> id = WholeNumber(line);
      if (!caption || !id || menu.Popups.empty()) return std::nullopt;
      menu.Popups.back().Items.push_back({std::move(*caption), *id});
    } else {
      return std::nullopt;
    }
  }
  return menu;
}
