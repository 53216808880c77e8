#include "tools/kalvex_tdf/normalize_losses.h"

#include <algorithm>
#include <map>

#include "script/field_entries.h"
#include "script/script_writer.h"

namespace kalvex::tdf {
namespace {

std::string_view TextOf(const ScriptDocument& document, TextRange range) {
  return std::string_view(document.text).substr(range.begin, range.size());
}

// The last entry of each key of a field in the weapon.
std::map<FieldKey, const ScriptEntry*> LastEntries(const ScriptWeapon& weapon) {
  std::map<FieldKey, const ScriptEntry*> last;
  for (const ScriptEntry& entry : weapon.entries) {
    if (entry.sets.field != nullptr) last[entry.sets] = &entry;
  }
  return last;
}

}  // namespace

std::vector<NormalizeLoss> FindNormalizeLosses(const ScriptDocument& document, std::size_t index,
                                               const WeaponRecord& record) {
  const ScriptDocument normalized = OpenScript(WriteScript(record));
  if (normalized.weapons.empty()) return {};
  WeaponRecord read_back;
  ReadWeaponRecord(normalized, 0, read_back);
  const auto written = LastEntries(normalized.weapons.front());
  std::vector<NormalizeLoss> losses;
  for (const auto& [sets, entry] : LastEntries(document.weapons[index])) {
    // What reads back as it was is kept, however it is spelled.
    if (!FieldDiffers(*sets.field, record, read_back)) continue;
    NormalizeLoss loss{entry->line_number, std::string(TextOf(document, entry->key)),
                       std::string(TextOf(document, entry->value)), std::nullopt};
    if (const auto it = written.find(sets); it != written.end()) {
      loss.written = std::string(TextOf(normalized, it->second->value));
    }
    losses.push_back(std::move(loss));
  }
  std::stable_sort(losses.begin(), losses.end(),
                   [](const NormalizeLoss& a, const NormalizeLoss& b) { return a.line < b.line; });
  return losses;
}

}  // namespace kalvex::tdf
