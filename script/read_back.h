// A weapon saved in place, read back from the saved text before anything is
// written: the checks that a save stored what it was asked to and nothing
// else.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "record/weapon_record.h"
#include "script/script_document.h"

namespace kalvex {

class SavedWeapon {
 public:
  // Weapon `index` of `before`, read back from `saved`, the document's text
  // with that weapon edited in place.
  SavedWeapon(const ScriptDocument& before, std::size_t index, const std::string& saved);

  // Why the save cannot stand as far as the rest of the script goes, or no
  // text: the weapons before it must keep their bytes, the weapon must end as
  // it did (closed or not, opening no comment that runs on) and the weapons
  // after it must begin where they did, so that they read as before.
  std::string PlaceProblem() const;

  // Why a field of the weapon read back does not write what it writes in
  // `expected`, naming the field, or no text.
  std::string FieldProblem(const WeaponRecord& expected) const;

  // Why an entry that no field reads does not read back as it stood, naming
  // its key, or no text. Entries of `skipped_key` in `skipped_scope` are left
  // out, where a key is given.
  std::string EntryProblem(EntryScope skipped_scope = EntryScope::kBody,
                           std::string_view skipped_key = {}) const;

 private:
  const ScriptDocument& before_;
  std::size_t index_;
  const std::string& saved_;
  ScriptDocument rest_;  // the saved text from the weapon's header on
};

}  // namespace kalvex
