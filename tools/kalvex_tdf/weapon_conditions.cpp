#include "tools/kalvex_tdf/weapon_conditions.h"

#include <algorithm>

#include "record/record_fields.h"
#include "script/ascii_case.h"
#include "script/weapon_sections.h"
#include "tools/kalvex_tdf/wildcard.h"

namespace kalvex::tdf {
namespace {

std::string_view Text(const ScriptDocument& document, TextRange range) {
  return std::string_view(document.text).substr(range.begin, range.size());
}

bool Meets(const ScriptDocument& document, const ScriptWeapon& weapon,
           const WeaponCondition& condition) {
  if (condition.code) return MatchesWildcard(condition.pattern, Text(document, weapon.code));
  const std::vector<std::size_t> entries =
      EntriesOfKey(document, weapon, condition.section, condition.key);
  if (entries.empty()) return condition.pattern.empty();
  return MatchesWildcard(condition.pattern, Text(document, weapon.entries[entries.back()].value));
}

}  // namespace

std::optional<WeaponCondition> ParseWeaponCondition(std::string_view word, std::string& problem) {
  const std::size_t equals = word.find('=');
  WeaponCondition condition;
  condition.key = word.substr(0, equals);
  if (equals == std::string_view::npos || condition.key.empty()) {
    problem = "needs KEY=VALUE";
    return std::nullopt;
  }
  condition.pattern = word.substr(equals + 1);
  if (const RecordField* field = FindRecordField(condition.key)) {
    if (field->place == FieldPlace::kHeader) {
      condition.code = true;
    } else if (field->key.empty()) {
      problem = std::string(field->name) + " has no key of its own: name the script key";
      return std::nullopt;
    } else {
      condition.key = field->key;
      if (field->place == FieldPlace::kDamage) condition.section = "DAMAGE";
    }
  } else if (const std::size_t slash = condition.key.find('/'); slash != std::string_view::npos) {
    condition.section = condition.key.substr(0, slash);
    condition.key.remove_prefix(slash + 1);
  } else if (EqualIgnoringCase(condition.key, "code")) {
    condition.code = true;
  }
  const bool sectioned = word.substr(0, equals).find('/') != std::string_view::npos;
  if (!condition.code && (condition.key.empty() || (sectioned && condition.section.empty()))) {
    problem = "needs KEY=VALUE or SECTION/KEY=VALUE";
    return std::nullopt;
  }
  return condition;
}

bool MeetsConditions(const ScriptDocument& document, std::size_t index,
                     const std::vector<WeaponCondition>& conditions) {
  const ScriptWeapon& weapon = document.weapons[index];
  return std::all_of(conditions.begin(), conditions.end(),
                     [&](const WeaponCondition& c) { return Meets(document, weapon, c); });
}

}  // namespace kalvex::tdf
