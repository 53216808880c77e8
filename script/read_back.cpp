#include "script/read_back.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "script/ascii_case.h"
#include "script/field_entries.h"
#include "script/field_keys.h"
#include "script/script_input.h"
#include "script/script_layout.h"

namespace kalvex {
namespace {

constexpr std::string_view kOutOfOrder =
    "The weapon cannot be saved in place: its braces or entries are out of order around where "
    "the change goes; mend the script first";

std::string_view TextOf(const ScriptDocument& document, TextRange range) {
  return std::string_view(document.text).substr(range.begin, range.size());
}

bool SameEntries(const RowEntries& a, const RowEntries& b) {
  return std::equal(a.View().begin(), a.View().end(), b.View().begin(), b.View().end(),
                    [](const WrittenEntry& x, const WrittenEntry& y) {
                      return x.key == y.key && Trimmed(x.value) == Trimmed(y.value);
                    });
}

// Entries as a message quotes them: "key=value;" each, or "no entry".
std::string Quoted(const RowEntries& entries) {
  if (entries.empty()) return "no entry";
  std::string text;
  for (const WrittenEntry& entry : entries.View()) {
    if (!text.empty()) text += " ";
    text += '"';
    text += entry.key;
    if (!entry.key.empty()) text += '=';
    text += Trimmed(entry.value);
    text += entry.key.empty() ? "\"" : ";\"";
  }
  return text;
}

// What a message calls a field.
std::string FieldName(const RecordField& field) {
  if (field.place == FieldPlace::kHeader) return "weapon code";
  if (field.reading == ValueRule::kStyle) return "style of fire";
  if (field.place == FieldPlace::kDamage) return "damage";
  return "value of \"" + std::string(field.key) + "\"";
}

std::size_t UnclosedComments(const ScriptWeapon& weapon) {
  return static_cast<std::size_t>(std::count_if(
      weapon.findings.begin(), weapon.findings.end(),
      [](const StructureFinding& f) { return f.finding.kind == FindingKind::kUnclosedComment; }));
}

// The entries of a weapon that no field reads, one after another, as key and
// value bytes; those of `skipped_key` in `skipped_scope` left out where a key
// is given.
class EntriesWithoutField {
 public:
  EntriesWithoutField(const ScriptDocument& document, const ScriptWeapon& weapon,
                      EntryScope skipped_scope, std::string_view skipped_key)
      : document_(document),
        weapon_(weapon),
        skipped_scope_(skipped_scope),
        skipped_key_(skipped_key) {}

  // The next of them, or nothing after the last.
  std::optional<std::pair<std::string_view, std::string_view>> Next() {
    while (next_ < weapon_.entries.size()) {
      const ScriptEntry& entry = weapon_.entries[next_++];
      if (entry.sets.field != nullptr) continue;
      const std::string_view key = TextOf(document_, entry.key);
      if (!skipped_key_.empty() && entry.scope == skipped_scope_ &&
          EqualIgnoringCase(key, skipped_key_)) {
        continue;
      }
      return std::pair(key, TextOf(document_, entry.value));
    }
    return std::nullopt;
  }

 private:
  const ScriptDocument& document_;
  const ScriptWeapon& weapon_;
  EntryScope skipped_scope_;
  std::string_view skipped_key_;
  std::size_t next_ = 0;
};

class SavedWeapon {
 public:
  SavedWeapon(const ScriptDocument& before, std::size_t index, const std::string& saved);

  std::string PlaceProblem() const;
  std::string FieldProblem(const WeaponRecord& expected, const RecordField* skipped) const;
  std::string EntryProblem(EntryScope skipped_scope, std::string_view skipped_key) const;

 private:
  const ScriptDocument& before_;
  std::size_t index_;
  const std::string& saved_;
  ScriptDocument alone_;  // the weapon's saved text, read on its own
};

SavedWeapon::SavedWeapon(const ScriptDocument& before, std::size_t index, const std::string& saved)
    : before_(before),
      index_(index),
      saved_(saved),
      alone_(OpenScript(
          saved.substr(before.weapons[index].span.begin,
                       before.weapons[index].span.size() + saved.size() - before.text.size()))) {}

// Read on its own, the weapon is one weapon that ends as it did: closed or
// not, opening no comment that runs on. Then the scan of the whole text
// reaches the weapons after it as before, and they hold the same bytes.
std::string SavedWeapon::PlaceProblem() const {
  const ScriptWeapon& weapon = before_.weapons[index_];
  const std::size_t begin = weapon.span.begin;
  const std::size_t after = before_.text.size() - weapon.span.end;
  if (saved_.compare(0, begin, before_.text, 0, begin) != 0 ||
      saved_.compare(saved_.size() - after, after, before_.text, weapon.span.end, after) != 0 ||
      alone_.weapons.size() != 1) {
    return std::string(kOutOfOrder);
  }
  const ScriptWeapon& again = alone_.weapons.front();
  if ((again.close == kNoPlace) != (weapon.close == kNoPlace) ||
      (again.open != kNoPlace && weapon.open == kNoPlace) ||
      UnclosedComments(again) != UnclosedComments(weapon)) {
    return std::string(kOutOfOrder);
  }
  return {};
}

std::string SavedWeapon::FieldProblem(const WeaponRecord& expected,
                                      const RecordField* skipped) const {
  WeaponRecord again;
  ReadWeaponRecord(alone_, 0, again);
  // Each field writes what its value gives, so that the same record writes
  // the same entries.
  if (again == expected) return {};
  for (const LayoutRow& row : kScriptLayout) {
    if (&FieldOf(row.field) == skipped) continue;
    const RowEntries want = WrittenEntries(row, expected);
    const RowEntries got = WrittenEntries(row, again);
    if (SameEntries(want, got)) continue;
    return "The " + FieldName(FieldOf(row.field)) + " cannot be saved: the script would read " +
           Quoted(got) + " instead of " + Quoted(want) + "; nothing was written";
  }
  return {};
}

std::string SavedWeapon::EntryProblem(EntryScope skipped_scope,
                                      std::string_view skipped_key) const {
  EntriesWithoutField was(before_, before_.weapons[index_], skipped_scope, skipped_key);
  EntriesWithoutField now(alone_, alone_.weapons.front(), skipped_scope, skipped_key);
  while (true) {
    const auto a = was.Next();
    const auto b = now.Next();
    if (!a && !b) return {};
    if (a && b && *a == *b) continue;
    const std::string_view key = a ? a->first : b->first;
    return "The weapon cannot be saved in place: its entry \"" + std::string(key) +
           "\" would not read back as it was; mend the script first";
  }
}

}  // namespace

std::string ReadBackProblem(const ScriptDocument& before, std::size_t index,
                            const std::string& saved, const WeaponRecord& expected,
                            EntryScope skipped_scope, std::string_view skipped_key) {
  const SavedWeapon again(before, index, saved);
  std::string problem = again.PlaceProblem();
  const RecordField* skipped =
      skipped_key.empty() ? nullptr : FindFieldKey(skipped_key, skipped_scope).field;
  if (problem.empty()) problem = again.FieldProblem(expected, skipped);
  if (problem.empty()) problem = again.EntryProblem(skipped_scope, skipped_key);
  return problem;
}

}  // namespace kalvex
