// SetEntry: an entry of any key, set or removed in place.
#include <vector>

#include "script/ascii_case.h"
#include "script/entry_places.h"
#include "script/read_back.h"
#include "script/script_document.h"
#include "script/text_edits.h"
#include "script/weapon_sections.h"

namespace kalvex {

SavedText SetEntry(const ScriptDocument& document, std::size_t index, std::string_view section,
                   std::string_view key, std::string_view value) {
  if (index >= document.weapons.size()) return {{}, "The script holds no such weapon"};
  const ScriptWeapon& weapon = document.weapons[index];
  TextEdits edits(document);
  const std::vector<std::size_t> same = EntriesOfKey(document, weapon, section, key);
  const EntryPlaces places(document, weapon, edits);
  const std::string added = std::string(key) + "=" + std::string(value) + ";";
  if (value.empty()) {
    for (const std::size_t entry : same) edits.RemoveEntry(weapon.entries[entry]);
  } else if (!same.empty()) {
    edits.Replace(weapon.entries[same.back()].value, std::string(value));
  } else if (section.empty()) {
    const TextEdits::Place place = places.Body();
    edits.Insert(place.at, place.before + added + place.after);
  } else if (const std::optional<TextEdits::Place> place = places.InSection(section, false)) {
    edits.Insert(place->at, place->before + added + place->after);
  } else {
    places.AddSection(edits, section, added);
  }
  std::string saved = edits.Apply();
  // Read back, the other fields and every other entry and weapon read as
  // before.
  const EntryScope scope = section.empty()                        ? EntryScope::kBody
                           : EqualIgnoringCase(section, "DAMAGE") ? EntryScope::kDamage
                                                                  : EntryScope::kOther;
  WeaponRecord fields;
  ReadWeaponRecord(document, index, fields);
  if (std::string problem = ReadBackProblem(document, index, saved, fields, scope, key);
      !problem.empty()) {
    return {{}, std::move(problem)};
  }
  return {std::move(saved), {}};
}

}  // namespace kalvex
