#include "tools/kalvex_tdf/entry_edit.h"

#include "script/entry_names.h"
#include "script/field_keys.h"
#include "tools/kalvex_tdf/record_lines.h"

namespace kalvex::tdf {
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
  assignment.field = FindFieldKey(assignment.key, ScopeOfSection(assignment.section)).field;
  if (!IsKeyName(word.substr(0, equals))) {
    problem = "a key or section is letters, digits and \"_\", not beginning with a digit";
  } else if (!assignment.SetsEntry()) {
    return assignment;  // checked as the member's value
  } else if (const std::string_view wrong = EntryValueProblem(value); !wrong.empty()) {
    problem = wrong;
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
