// The entries of each field as the writer writes them, one field at a time:
// what an in-place save puts into a script for a field that changed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "record/record_fields.h"
#include "script/script_layout.h"
#include "script/table_match.h"

namespace kalvex {

// Whether `field` differs between two records (a list field's own text
// included).
bool FieldDiffers(const RecordField& field, const WeaponRecord& a, const WeaponRecord& b);

// The value that `row` of the writer's layout writes for its field (a flag,
// text, render type or table field), without its ";", taken on the field's
// own terms: no condition on another field applies. Nothing when the writer
// writes no entry for it, and nothing for the none entries of the model and
// the sounds, for which the writer writes the key without a value: a script
// being edited loses such an entry rather than gain an empty one. The style
// and the beam colour, whose keys carry their values, have rules of their own.
std::optional<std::string> WrittenValue(const LayoutRow& row, const WeaponRecord& record);

// The values that the beam colour of `record` writes.
ColourValues WrittenColour(const WeaponRecord& record);

// The key of a style of fire, or no text for kNoEntry and values outside the
// list.
std::string_view StyleKey(int style);

}  // namespace kalvex
