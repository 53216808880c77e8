// What `normalize` would drop or write differently of a weapon's entries that
// have a field: each entry whose field reads back otherwise from the script
// that normalize writes, with what normalize writes instead. A value that
// reads back the same however it is spelled (order, spacing, letter case, a
// flag's 5 for 1, an old digit spelling) loses nothing; entries without a
// field are the reader's findings.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "record/weapon_record.h"
#include "script/script_document.h"

namespace kalvex::tdf {

struct NormalizeLoss {
  std::size_t line = 0;
  std::string key;                     // as written
  std::string value;                   // as written
  std::optional<std::string> written;  // what normalize writes; nothing: dropped
};

// The losses of the weapon at `index` of `document`, read as `record`.
std::vector<NormalizeLoss> FindNormalizeLosses(const ScriptDocument& document, std::size_t index,
                                               const WeaponRecord& record);

}  // namespace kalvex::tdf
