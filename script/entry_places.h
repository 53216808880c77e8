// Where entries added to a weapon of a document go, in the layout of the
// entries around them, and the writer's "[DAMAGE]" section for a weapon
// without one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "script/script_document.h"
#include "script/text_edits.h"

namespace kalvex {

class EntryPlaces {
 public:
  EntryPlaces(const ScriptDocument& document, const ScriptWeapon& weapon, const TextEdits& edits)
      : doc_(document), weapon_(weapon), edits_(edits) {}

  // After the body's last entry before "[DAMAGE]", with that entry's
  // indentation and line end; in a body without entries, after the "{" line
  // with a tab and the file's line end.
  TextEdits::Place Body() const;

  // In the weapon's "[DAMAGE]" section: as its first entry, indented like its
  // entries, or after its last one. Nothing for a weapon without the section.
  std::optional<TextEdits::Place> Damage(bool first) const;

  // The writer's section holding `entry`, on lines of its own before the
  // body's closing "}" (after the body's last entry where it has none).
  void AddDamageSection(TextEdits& edits, const std::string& entry) const;

 private:
  const ScriptSection* DamageSection() const;

  const ScriptDocument& doc_;
  const ScriptWeapon& weapon_;
  const TextEdits& edits_;
};

}  // namespace kalvex
