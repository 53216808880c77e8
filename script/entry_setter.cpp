// SetEntry: an entry that no field reads, set or removed in place.
#include <vector>

#include "script/ascii_case.h"
#include "script/entry_places.h"
#include "script/read_back.h"
#include "script/script_document.h"
#include "script/text_edits.h"

namespace kalvex {

SavedText SetEntry(const ScriptDocument& document, std::size_t index, EntryScope scope,
                   std::string_view key, std::string_view value) {
  if (index >= document.weapons.size()) return {{}, "The script holds no such weapon"};
  const ScriptWeapon& weapon = document.weapons[index];
  TextEdits edits(document);
  std::vector<const ScriptEntry*> same;
  for (const ScriptEntry& entry : weapon.entries) {
    const std::string_view written(document.text.data() + entry.key.begin, entry.key.size());
    if (entry.scope == scope && EqualIgnoringCase(written, key)) same.push_back(&entry);
  }
  const EntryPlaces places(document, weapon, edits);
  const std::string added = std::string(key) + "=" + std::string(value) + ";";
  if (value.empty()) {
    for (const ScriptEntry* entry : same) edits.RemoveEntry(*entry);
  } else if (!same.empty()) {
    edits.Replace(same.back()->value, std::string(value));
  } else if (scope != EntryScope::kDamage) {
    const TextEdits::Place place = places.Body();
    edits.Insert(place.at, place.before + added + place.after);
  } else if (const std::optional<TextEdits::Place> place = places.Damage(false)) {
    edits.Insert(place->at, place->before + added + place->after);
  } else {
    places.AddDamageSection(edits, added);
  }
  std::string saved = edits.Apply();
  // Read back, the fields and every other entry and weapon read as before.
  WeaponRecord fields;
  ReadWeapon(document, index, fields);
  if (std::string problem = ReadBackProblem(document, index, saved, fields, scope, key);
      !problem.empty()) {
    return {{}, std::move(problem)};
  }
  return {std::move(saved), {}};
}

}  // namespace kalvex
