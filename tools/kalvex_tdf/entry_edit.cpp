#include "tools/kalvex_tdf/entry_edit.h"

#include <algorithm>

#include "script/ascii_case.h"
#include "script/field_keys.h"
#include "tools/kalvex_tdf/record_lines.h"

namespace kalvex::tdf {
namespace {

constexpr std::string_view kDamagePrefix = "DAMAGE/";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsKeyCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsKey(std::string_view key) {
  return !key.empty() && !(key.front() >= '0' && key.front() <= '9') &&
         std::all_of(key.begin(), key.end(), IsKeyCharacter);
}

}  // namespace

std::optional<EntryChange> ParseEntryChange(std::string_view word, std::string& problem) {
  const std::size_t equals = word.find('=');
  if (equals == std::string_view::npos) {
    problem = "needs KEY=VALUE";
    return std::nullopt;
  }
  EntryChange change;
  change.key = word.substr(0, equals);
  change.value = word.substr(equals + 1);
  if (change.key.size() > kDamagePrefix.size() &&
      EqualIgnoringCase(change.key.substr(0, kDamagePrefix.size()), kDamagePrefix)) {
    change.scope = EntryScope::kDamage;
    change.key.remove_prefix(kDamagePrefix.size());
  }
  if (!IsKey(change.key)) {
    problem = "a key is letters, digits and \"_\", not beginning with a digit";
  } else if (FindFieldKey(change.key, change.scope).field != nullptr) {
    problem = "the key \"" + std::string(change.key) +
              "\" has a member of its own: use Member=value (dump shows them)";
  } else if (change.value.find_first_of(kScriptPunctuation) != std::string_view::npos ||
             change.value.find('\n') != std::string_view::npos) {
    problem = "the value must not hold ; = [ ] { } or a line end";
  } else if (!change.value.empty() &&
             (IsBlank(change.value.front()) || IsBlank(change.value.back()))) {
    problem = "the value must not begin or end with a blank";
  } else {
    return change;
  }
  return std::nullopt;
}

}  // namespace kalvex::tdf
