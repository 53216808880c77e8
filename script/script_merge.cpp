#include "script/script_merge.h"

#include <map>
#include <optional>
#include <unordered_map>

#include "record/record_fields.h"
#include "script/ascii_case.h"
#include "script/field_entries.h"
#include "script/script_input.h"
#include "script/script_layout.h"
#include "script/weapon_sections.h"
#include "script/weapons_alone.h"

namespace kalvex {
namespace {

constexpr std::string_view kNoEntry = "no entry";
constexpr std::string_view kDeleted = "deleted";
constexpr std::string_view kChanged = "changed";

std::string_view TextOf(const ScriptDocument& document, TextRange range) {
  return std::string_view(document.text).substr(range.begin, range.size());
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = LowerAscii(c);
  return lower;
}

// What matches a weapon across the three scripts: its code in lower case and
// how many weapons of that code come before it.
std::vector<std::string> WeaponKeys(const ScriptDocument& document) {
  std::vector<std::string> keys;
  std::unordered_map<std::string, std::size_t> seen;
  for (const ScriptWeapon& weapon : document.weapons) {
    std::string key = Lower(TextOf(document, weapon.code));
    const std::size_t before = seen[key]++;
    key += '\0';
    key += std::to_string(before);
    keys.push_back(std::move(key));
  }
  return keys;
}

std::unordered_map<std::string, std::size_t> IndexOfKeys(const std::vector<std::string>& keys) {
  std::unordered_map<std::string, std::size_t> index;
  for (std::size_t i = 0; i < keys.size(); ++i) index.emplace(keys[i], i);
  return index;
}

std::optional<std::size_t> Find(const std::unordered_map<std::string, std::size_t>& index,
                                const std::string& key) {
  const auto found = index.find(key);
  if (found == index.end()) return std::nullopt;
  return found->second;
}

// An entry that no field reads, the last of its name in its weapon.
struct OtherEntry {
  std::string_view section;  // as written; empty for the body
  std::string_view key;      // as written
  std::string_view value;    // blanks around it left out
};

// The entries of a weapon that no field reads, by their name in lower case
// ("key" in the body, "section/key" in a section).
std::map<std::string, OtherEntry> OtherEntries(const ScriptDocument& document, std::size_t index) {
  std::map<std::string, OtherEntry> entries;
  const ScriptWeapon& weapon = document.weapons[index];
  for (std::size_t i = 0; i < weapon.entries.size(); ++i) {
    const ScriptEntry& entry = weapon.entries[i];
    const ScriptSection* section = SectionOf(weapon, i);
    if (entry.sets.field != nullptr || (entry.scope != EntryScope::kBody && section == nullptr)) {
      continue;
    }
    OtherEntry other{{}, TextOf(document, entry.key), Trimmed(TextOf(document, entry.value))};
    std::string name;
    if (section != nullptr) {
      other.section = SectionName(document, *section);
      name = Lower(other.section);
      name += '/';
    }
    name += Lower(other.key);
    entries.insert_or_assign(std::move(name), other);
  }
  return entries;
}

std::optional<std::string_view> ValueOf(const std::map<std::string, OtherEntry>& entries,
                                        const std::string& name) {
  const auto found = entries.find(name);
  if (found == entries.end()) return std::nullopt;
  return found->second.value;
}

std::string Shown(std::optional<std::string_view> value) {
  return value ? std::string(*value) : std::string(kNoEntry);
}

WeaponRecord RecordOf(const ScriptDocument& document, std::size_t index) {
  WeaponRecord record;
  ReadWeaponRecord(document, index, record);
  return record;
}

// Whether the weapon at `b` of `second` differs from the one at `a` of
// `first`, in a field or an entry that no field reads.
bool WeaponDiffers(const ScriptDocument& first, std::size_t a, const ScriptDocument& second,
                   std::size_t b) {
  if (RecordOf(first, a) != RecordOf(second, b)) return true;
  const auto x = OtherEntries(first, a);
  const auto y = OtherEntries(second, b);
  return !std::equal(x.begin(), x.end(), y.begin(), y.end(), [](const auto& p, const auto& q) {
    return p.first == q.first && p.second.value == q.second.value;
  });
}

// A field as a conflict names it.
std::string FieldWhat(const RecordField& field) {
  if (field.place == FieldPlace::kHeader) return "code";
  if (field.reading == ValueRule::kStyle) return "style of fire";
  std::string what = field.place == FieldPlace::kDamage ? "DAMAGE/" : "";
  what += field.key;
  if (!field.second_key.empty()) what.append(", ").append(field.second_key);
  return what;
}

// A field's value as a conflict shows it: the values it writes, the style's
// key, or "no entry".
std::string FieldShown(const RecordField& field, const WeaponRecord& record) {
  std::string shown;
  for (const LayoutRow& row : kScriptLayout) {
    if (&FieldOf(row.field) != &field) continue;
    const RowEntries written = WrittenEntries(row, record);
    for (const WrittenEntry& entry : written.View()) {
      if (!shown.empty()) shown += ", ";
      shown += field.reading == ValueRule::kStyle ? entry.key : Trimmed(entry.value);
    }
  }
  return shown.empty() ? std::string(kNoEntry) : shown;
}

void TakeField(const RecordField& field, const WeaponRecord& from, WeaponRecord& to) {
  if (field.IsText()) {
    to.*field.text = from.*field.text;
    return;
  }
  to.*field.number = from.*field.number;
  if (field.own != nullptr) to.own.*field.own = from.own.*field.own;
}

// What the merge does to a weapon of the file.
struct WeaponPlan {
  std::optional<WeaponRecord> record;  // its fields as they are to be
  std::vector<OtherEntry> entries;     // entries to set; an empty value removes
  bool removed = false;
  std::vector<std::size_t> inserted;  // weapons of `mine` to follow it, in their order
};

class Merger {
 public:
  Merger(const ScriptDocument& base, const ScriptDocument& mine, const ScriptDocument& disk,
         bool mine_first)
      : base_(base),
        mine_(mine),
        disk_(disk),
        mine_first_(mine_first),
        plans_(disk.weapons.size()) {}

  MergedScript Run() {
    const std::vector<std::string> base_keys = WeaponKeys(base_);
    const std::vector<std::string> mine_keys = WeaponKeys(mine_);
    const auto mine_of = IndexOfKeys(mine_keys);
    const auto disk_of = IndexOfKeys(WeaponKeys(disk_));
    // Per weapon of `mine`: where it stands in the file, if it was there.
    std::vector<std::optional<std::size_t>> in_disk(mine_.weapons.size());
    std::vector<bool> from_base(mine_.weapons.size(), false);
    for (std::size_t b = 0; b < base_.weapons.size(); ++b) {
      const std::optional<std::size_t> m = Find(mine_of, base_keys[b]);
      const std::optional<std::size_t> d = Find(disk_of, base_keys[b]);
      if (m) from_base[*m] = true;
      if (m && d) {
        in_disk[*m] = d;
        MergeWeapon(b, *m, *d);
      } else if (m && WeaponDiffers(base_, b, mine_, *m)) {
        Conflict(TextOf(base_, base_.weapons[b].code), "weapon", kChanged, kDeleted);
        if (mine_first_) from_base[*m] = false;  // added again
      } else if (d) {
        const bool changed = WeaponDiffers(base_, b, disk_, *d);
        if (changed) Conflict(TextOf(disk_, disk_.weapons[*d].code), "weapon", kDeleted, kChanged);
        plans_[*d].removed = !changed || mine_first_;
      }
    }
    for (std::size_t m = 0; m < mine_.weapons.size(); ++m) {
      if (!from_base[m]) PlaceAdded(m, from_base, in_disk);
    }
    if (result_.ok()) Write();
    return std::move(result_);
  }

 private:
  void Conflict(std::string_view code, std::string_view what, std::string_view mine,
                std::string_view theirs) {
    result_.conflicts.push_back(
        {std::string(code), std::string(what), std::string(mine), std::string(theirs)});
  }

  void MergeWeapon(std::size_t b, std::size_t m, std::size_t d) {
    const std::string_view code = TextOf(disk_, disk_.weapons[d].code);
    const WeaponRecord was = RecordOf(base_, b);
    const WeaponRecord mine = RecordOf(mine_, m);
    const WeaponRecord theirs = RecordOf(disk_, d);
    WeaponRecord merged = theirs;
    for (const RecordField& field : kRecordFields) {
      if (!FieldDiffers(field, was, mine) || !FieldDiffers(field, theirs, mine)) continue;
      if (FieldDiffers(field, was, theirs)) {
        Conflict(code, FieldWhat(field), FieldShown(field, mine), FieldShown(field, theirs));
        if (!mine_first_) continue;
      }
      TakeField(field, mine, merged);
    }
    if (merged != theirs) plans_[d].record = merged;

    const auto was_entries = OtherEntries(base_, b);
    const auto mine_entries = OtherEntries(mine_, m);
    const auto their_entries = OtherEntries(disk_, d);
    std::map<std::string, OtherEntry> named = was_entries;
    for (const auto& [name, entry] : mine_entries) named.insert_or_assign(name, entry);
    for (const auto& [name, entry] : named) {
      const std::optional<std::string_view> before = ValueOf(was_entries, name);
      const std::optional<std::string_view> now = ValueOf(mine_entries, name);
      const std::optional<std::string_view> there = ValueOf(their_entries, name);
      if (now == before || there == now) continue;
      if (there != before) {
        const std::string what = entry.section.empty()
                                     ? std::string(entry.key)
                                     : std::string(entry.section) + "/" + std::string(entry.key);
        Conflict(code, what, Shown(now), Shown(there));
        if (!mine_first_) continue;
      }
      plans_[d].entries.push_back({entry.section, entry.key, now.value_or(std::string_view())});
    }
  }

  // A weapon that `mine` holds and `base` does not: after the weapon it
  // follows in `mine`, or at the end where the file lacks that one.
  void PlaceAdded(std::size_t m, const std::vector<bool>& from_base,
                  const std::vector<std::optional<std::size_t>>& in_disk) {
    for (std::size_t before = m; before-- > 0;) {
      if (!from_base[before]) continue;
      if (in_disk[before]) {
        plans_[*in_disk[before]].inserted.push_back(m);
        return;
      }
      break;
    }
    at_end_.push_back(m);
  }

  bool Refused(const SavedText& saved, std::string_view code) {
    if (saved.ok()) return false;
    result_.refusal = std::string(code);
    result_.refusal.append(": ").append(saved.refusal);
    return true;
  }

  // The file's text with every plan carried out: the weapons' edits first,
  // each on its own text, then from the last weapon to the first the
  // weapons inserted after each and the weapons removed, then the weapons
  // added at the end.
  void Write() {
    std::vector<WeaponText> texts;
    for (std::size_t d = 0; d < plans_.size(); ++d) {
      const WeaponPlan& plan = plans_[d];
      if (!plan.record && plan.entries.empty()) continue;
      const ScriptDocument alone = OpenWeaponAlone(disk_, d);
      SavedText saved{alone.text, {}};
      if (plan.record) saved = SaveWeapon(alone, 0, RecordOf(alone, 0), *plan.record);
      for (const OtherEntry& entry : plan.entries) {
        if (!saved.ok()) break;
        saved =
            SetEntry(OpenScript(std::move(saved.text)), 0, entry.section, entry.key, entry.value);
      }
      if (Refused(saved, TextOf(disk_, disk_.weapons[d].code))) return;
      texts.push_back({d, std::move(saved.text)});
    }
    ScriptDocument document = OpenScript(WithWeaponTexts(disk_, texts));
    for (std::size_t d = plans_.size(); d-- > 0;) {
      for (auto m = plans_[d].inserted.rbegin(); m != plans_[d].inserted.rend(); ++m) {
        SavedText saved = InsertWeaponFrom(document, d, mine_, *m);
        if (Refused(saved, TextOf(mine_, mine_.weapons[*m].code))) return;
        document = OpenScript(std::move(saved.text));
      }
      if (!plans_[d].removed) continue;
      SavedText saved = RemoveWeapon(document, d);
      if (Refused(saved, TextOf(disk_, disk_.weapons[d].code))) return;
      document = OpenScript(std::move(saved.text));
    }
    for (const std::size_t m : at_end_) {
      SavedText saved = AppendWeaponFrom(document, mine_, m, RecordOf(mine_, m));
      if (Refused(saved, TextOf(mine_, mine_.weapons[m].code))) return;
      document = OpenScript(std::move(saved.text));
    }
    result_.text = std::move(document.text);
  }

  const ScriptDocument& base_;
  const ScriptDocument& mine_;
  const ScriptDocument& disk_;
  const bool mine_first_;
  std::vector<WeaponPlan> plans_;  // per weapon of the file
  std::vector<std::size_t> at_end_;
  MergedScript result_;
};

}  // namespace

MergedScript MergeScripts(const ScriptDocument& base, const ScriptDocument& mine,
                          const ScriptDocument& disk, bool mine_first) {
  return Merger(base, mine, disk, mine_first).Run();
}

std::optional<std::size_t> MatchingWeapon(const ScriptDocument& from, std::size_t index,
                                          const ScriptDocument& to) {
  if (index >= from.weapons.size()) return std::nullopt;
  return Find(IndexOfKeys(WeaponKeys(to)), WeaponKeys(from)[index]);
}

}  // namespace kalvex
