#include "tools/kalvex_tdf/entry_edit.h"

#include <algorithm>

#include "script/ascii_case.h"
#include "script/field_keys.h"
#include "tools/kalvex_tdf/record_lines.h"

namespace kalvex::tdf {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsKeyCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsKey(std::string_view key) {
  return !key.empty() && !(key.front() >= '0' && key.front() <= '9') &&
         std::all_of(key.begin(), key.end(), IsKeyCharacter);
}

EntryScope ScopeOf(std::string_view section) {
  if (section.empty()) return EntryScope::kBody;
  return EqualIgnoringCase(section, "DAMAGE") ? EntryScope::kDamage : EntryScope::kOther;
}

}  // namespace

bool IsKeyName(std::string_view name) {
  const std::size_t slash = name.find('/');
  return IsKey(name.substr(slash == std::string_view::npos ? 0 : slash + 1)) &&
         (slash == std::string_view::npos || IsKey(name.substr(0, slash)));
}

std::optional<KeyAssignment> ParseKeyAssignment(std::string_view word, std::string& problem) {
  const std::size_t equals = word.find('=');
  if (equals == std::string_view::npos) {
    problem = "needs KEY=VALUE";
    return std::nullopt;
  }
  KeyAssignment assignment;
  assignment.key = word.substr(0, equals);
  assignment.value = word.substr(equals + 1);
  if (const std::size_t slash = assignment.key.find('/'); slash != std::string_view::npos) {
    assignment.section = assignment.key.substr(0, slash);
    assignment.key.remove_prefix(slash + 1);
  }
  const std::string_view value = assignment.value;
  assignment.field = FindFieldKey(assignment.key, ScopeOf(assignment.section)).field;
  if (!IsKeyName(word.substr(0, equals))) {
    problem = "a key or section is letters, digits and \"_\", not beginning with a digit";
  } else if (!assignment.SetsEntry()) {
    return assignment;  // checked as the member's value
  } else if (value.find_first_of(kScriptPunctuation) != std::string_view::npos ||
             value.find('\n') != std::string_view::npos) {
    problem = "the value must not hold ; = [ ] { } or a line end";
  } else if (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back()))) {
    problem = "the value must not begin or end with a blank";
  } else {
    return assignment;
  }
  return std::nullopt;
}

std::string MemberLine(const KeyAssignment& assignment) {
  const RecordField& field = *assignment.field;
  std::string line = std::string(field.name) + "=";
  if (field.IsText() || field.kind == FieldKind::kFlag) {
    line += assignment.value;
  } else {
    line += '"';
    line += assignment.value;
    line += '"';
  }
  return line;
}

}  // namespace kalvex::tdf
