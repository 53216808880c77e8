// Saving several weapons of one document at once. Each weapon is edited on
// its own text, opened as a document of its own, as the read-back of every
// save reads it (read_back.h): a save that holds there, closing as the weapon
// did and opening no comment that runs on, leaves the weapons after it as
// they read. The texts so saved then replace the weapons' own in one pass, so
// that the cost of a file does not grow with the weapons edited in it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "script/script_document.h"

namespace kalvex {

// The weapon at `index` of `document` as a document of its own: its text
// from its header's "[" to the end of what follows it, in the document's line
// ends (those of entries added), and the weapon as the document holds it, its
// places and lines counted in that text (what was found before its header
// left out), as reading that text alone gives it. Its one weapon is saved
// with SaveWeapon and SetEntry as in the whole document.
ScriptDocument OpenWeaponAlone(const ScriptDocument& document, std::size_t index);

// The text of a weapon saved alone, for the weapon at `index`.
struct WeaponText {
  std::size_t index = 0;
  std::string text;
};

// The document's text with the text of each weapon of `texts` (each weapon
// once, in the order of their indices) in place of its own.
std::string WithWeaponTexts(const ScriptDocument& document, const std::vector<WeaponText>& texts);

}  // namespace kalvex
