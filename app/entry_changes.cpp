#include "app/entry_changes.h"

#include "script/entry_names.h"
#include "script/known_keys.h"
#include "script/weapon_sections.h"

namespace kalvex {

SavedText WithEntryChanges(SavedText saved, std::size_t index,
                           const std::vector<EntryChange>& changes) {
  for (const EntryChange& change : changes) {
    if (!saved.ok()) break;
    saved = SetEntry(OpenScript(std::move(saved.text)), index, change.section, change.key,
                     change.value);
  }
  return saved;
}

std::vector<EntryRow> OtherEntryRows(const ScriptDocument& document, std::size_t index) {
  std::vector<EntryRow> rows;
  if (index >= document.weapons.size()) return rows;
  const ScriptWeapon& weapon = document.weapons[index];
  const std::string_view text = document.text;
  for (std::size_t i = 0; i < weapon.entries.size(); ++i) {
    const ScriptEntry& entry = weapon.entries[i];
    if (entry.sets.field != nullptr) continue;
    const ScriptSection* section = SectionOf(weapon, i);
    if (entry.scope != EntryScope::kBody && section == nullptr) continue;
    const std::string_view sectionName = section ? SectionName(document, *section) : "";
    const std::string_view key = text.substr(entry.key.begin, entry.key.size());
    rows.push_back({EntryName(sectionName, key),
                    std::string(text.substr(entry.value.begin, entry.value.size())),
                    FindKnownKey(sectionName, key) != nullptr});
  }
  return rows;
}

}  // namespace kalvex
