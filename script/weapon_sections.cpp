#include "script/weapon_sections.h"

#include "script/ascii_case.h"
#include "script/script_input.h"

namespace kalvex {

std::string_view SectionName(const ScriptDocument& document, const ScriptSection& section) {
  std::string_view name =
      std::string_view(document.text).substr(section.name.begin, section.name.size());
  if (name.starts_with('[')) name.remove_prefix(1);
  if (name.ends_with(']')) name.remove_suffix(1);
  while (!name.empty() && IsSpace(name.front())) name.remove_prefix(1);
  while (!name.empty() && IsSpace(name.back())) name.remove_suffix(1);
  return name;
}

const ScriptSection* SectionOf(const ScriptWeapon& weapon, std::size_t entry) {
  if (weapon.entries[entry].scope == EntryScope::kBody) return nullptr;
  const ScriptSection* holding = nullptr;
  for (const ScriptSection& section : weapon.sections) {
    if (section.open == kNoPlace || section.first_entry > entry) continue;
    holding = section.close == kNoPlace || entry < section.end_entry ? &section : nullptr;
  }
  return holding;
}

const ScriptSection* OpenSection(const ScriptDocument& document, const ScriptWeapon& weapon,
                                 std::string_view section) {
  for (const ScriptSection& candidate : weapon.sections) {
    if (candidate.open != kNoPlace &&
        EqualIgnoringCase(SectionName(document, candidate), section)) {
      return &candidate;
    }
  }
  return nullptr;
}

std::vector<std::size_t> EntriesOfKey(const ScriptDocument& document, const ScriptWeapon& weapon,
                                      std::string_view section, std::string_view key) {
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < weapon.entries.size(); ++i) {
    const ScriptEntry& entry = weapon.entries[i];
    const std::string_view written(document.text.data() + entry.key.begin, entry.key.size());
    if (!EqualIgnoringCase(written, key)) continue;
    const ScriptSection* holding = SectionOf(weapon, i);
    const bool in_place =
        section.empty()
            ? entry.scope == EntryScope::kBody
            : holding != nullptr && EqualIgnoringCase(SectionName(document, *holding), section);
    if (in_place) found.push_back(i);
  }
  return found;
}

}  // namespace kalvex
