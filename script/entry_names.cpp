#include "script/entry_names.h"

#include <algorithm>

#include "script/ascii_case.h"

namespace kalvex {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsKeyCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsKey(std::string_view key) {
  return !key.empty() && !(key.front() >= '0' && key.front() <= '9') &&
         std::all_of(key.begin(), key.end(), IsKeyCharacter);
}

}  // namespace

std::string EntryName(std::string_view section, std::string_view key) {
  std::string name;
  if (!section.empty()) name.append(section).append("/");
  return name.append(key);
}

EntryScope ScopeOfSection(std::string_view section) {
  if (section.empty()) return EntryScope::kBody;
  return EqualIgnoringCase(section, "DAMAGE") ? EntryScope::kDamage : EntryScope::kOther;
}

bool IsKeyName(std::string_view name) {
  const std::size_t slash = name.find('/');
  return IsKey(name.substr(slash == std::string_view::npos ? 0 : slash + 1)) &&
         (slash == std::string_view::npos || IsKey(name.substr(0, slash)));
}

std::string_view EntryValueProblem(std::string_view value) {
  if (value.find_first_of(kScriptPunctuation) != std::string_view::npos ||
      value.find('\n') != std::string_view::npos) {
    return "the value must not hold ; = [ ] { } or a line end";
  }
  if (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back()))) {
    return "the value must not begin or end with a blank";
  }
  return {};
}

}  // namespace kalvex
