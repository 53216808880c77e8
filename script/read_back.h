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

// Why `saved`, the text of `before` with the weapon at `index` edited in
// place, cannot stand, or no text. The text before and after the weapon must
// keep its bytes, and the weapon, read back on its own, must end as it did
// (closed or not, opening no comment that runs on), so that the weapons after
// it read as before; every field of it must write what it writes in
// `expected`; and every entry that no field reads must read as it stood.
// Where a key is given, its entries in `skipped_scope` were set, and they and
// the field that reads them, if one does, are not compared. The reason names
// the field or entry.
std::string ReadBackProblem(const ScriptDocument& before, std::size_t index,
                            const std::string& saved, const WeaponRecord& expected,
                            EntryScope skipped_scope = EntryScope::kBody,
                            std::string_view skipped_key = {});

}  // namespace kalvex
