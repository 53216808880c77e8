// Where entries added to a weapon of a document go, in the layout of the
// entries around them, and the writer's section (as it writes "[DAMAGE]") for
// a weapon without the section.
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

  // In the weapon's first section named `section` that has its "{": as its
  // first entry, indented like its entries, or after its last one. Nothing
  // for a weapon without the section.
  std::optional<TextEdits::Place> InSection(std::string_view section, bool first) const;

  // The section `section` holding `entry`, laid out as the writer writes
  // "[DAMAGE]", on lines of its own before the body's closing "}" (after the
  // body's last entry where it has none).
  void AddSection(TextEdits& edits, std::string_view section, const std::string& entry) const;

 private:
  const ScriptDocument& doc_;
  const ScriptWeapon& weapon_;
  const TextEdits& edits_;
};

}  // namespace kalvex
