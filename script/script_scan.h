// The two steps behind OpenScript and ReadWeapon, over text the caller keeps,
// so that reading one weapon from bytes needs no copy of them.
#pragma once

#include <cstddef>
#include <string_view>

#include "script/script_document.h"

namespace kalvex {

// Finds the weapons, entries, sections and comments of `text` (see
// OpenScript) and adds them to `document`, whose own text is left alone.
// With `first_only` the scan stops where a second weapon begins.
void ScanScript(std::string_view text, ScriptDocument& document, bool first_only);

// ReadWeapon for a document scanned from `text`.
ReadResult ReadScannedWeapon(std::string_view text, const ScriptDocument& document,
                             std::size_t index, WeaponRecord& record);

}  // namespace kalvex
