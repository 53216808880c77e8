// The entries of each field as the writer writes them, one field at a time:
// what an in-place save puts into a script for a field that changed.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "record/weapon_record.h"
#include "script/script_keys.h"

namespace kalvex {

enum class FieldKind {
  kSimple,  // one key of its own
  kStyle,   // "ballistic", "lineofsight" or "dropped"
  kColour,  // "color" and "color2" together
};

struct WrittenField {
  std::string_view key;  // as the writer spells it
  FieldKind kind;
};

// The fields of the weapon's body in the order in which the writer writes
// their entries; the code (the header) and the damage ("[DAMAGE]") are not
// among them.
std::span<const WrittenField> FieldsInWriterOrder();

// Whether the field that `rule` reads differs between two records (a table
// field's own text included).
bool FieldDiffers(const KeyRule& rule, const WeaponRecord& a, const WeaponRecord& b);

// The value that the writer writes for the field of `rule` (a flag, text,
// render type or table field), without its ";", taken on the field's own
// terms: no condition on another field applies. Nothing when the writer writes
// no entry for it.
std::optional<std::string> WrittenValue(const KeyRule& rule, const WeaponRecord& record);

// The key of a style of fire, or no text for kNoStyle and values outside the
// list.
std::string_view StyleKey(int style);

}  // namespace kalvex
