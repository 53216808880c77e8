#include "tools/kalvex_tdf/weapon_changes.h"

#include <algorithm>

#include "record/record_fields.h"
#include "script/known_keys.h"
#include "script/number_text.h"
#include "tools/kalvex_tdf/record_lines.h"
#include "tools/kalvex_tdf/script_input.h"

namespace kalvex::tdf {
namespace {

// Sets the members of `members` in `record`, as write takes them, with the
// value of a number member a decimal number or empty. The first error, with
// the assignment as given where it was a script key.
std::optional<std::string> ApplyMembers(const std::vector<MemberChange>& members,
                                        WeaponRecord& record) {
  for (const MemberChange& change : members) {
    const std::string_view member = change.line;
    const std::string given =
        change.word == member ? std::string() : DisplayWord(change.word) + ": ";
    if (member.find('\n') != std::string_view::npos) {
      return given + std::string(member.substr(0, member.find('='))) + " must not hold a line end";
    }
    const RecordField* field = FindRecordField(member.substr(0, member.find('=')));
    const std::string_view value = member.substr(member.find('=') + 1);
    // A value as dump gives it changes nothing: the reset text, or what the
    // member holds already.
    const bool kept =
        field && field->IsText() && (value == kResetText || value == record.*field->text);
    const RecordLinesResult parsed = ParseRecordLines(member, record);
    if (!parsed.ok) return given + parsed.message;
    if (field && field->kind == FieldKind::kNumber && !value.empty() && !kept &&
        !IsDecimalNumber(value)) {
      return given + std::string(field->name) +
             " needs a decimal number (an optional \"-\", digits and "
             "at most one point), not \"" +
             std::string(value) + "\"";
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> AddAssignment(std::string_view word, bool entry,
                                         WeaponChanges& changes) {
  // A name that begins as the members' names do and that no script knows is
  // a member misspelt, refused as one.
  const std::string_view name = word.substr(0, word.find('='));
  if (!entry && (FindRecordField(name) != nullptr ||
                 (name.starts_with("Weap") && FindKnownKey({}, name) == nullptr))) {
    changes.members.push_back({word, std::string(word)});
    return std::nullopt;
  }
  std::string problem;
  const std::optional<KeyAssignment> assignment = ParseKeyAssignment(word, problem);
  if (!assignment) return problem;
  if (assignment->SetsEntry()) {
    changes.entries.push_back(*assignment);
  } else {
    changes.members.push_back({word, MemberLine(*assignment)});
  }
  return std::nullopt;
}

std::optional<ChangeRefusal> DocumentChanges::Change(std::size_t index,
                                                     const WeaponChanges& changes) {
  const ScriptDocument alone = OpenWeaponAlone(document_, index);
  WeaponRecord record;
  ReadWeaponRecord(alone, 0, record);
  WeaponRecord edited = record;
  if (std::optional<std::string> error = ApplyMembers(changes.members, edited)) {
    return ChangeRefusal{std::move(*error), false};
  }
  SavedText saved{alone.text, {}};
  if (!(edited == record)) saved = SaveWeapon(alone, 0, record, edited);
  for (const KeyAssignment& change : changes.entries) {
    if (!saved.ok()) break;
    saved =
        SetEntry(OpenScript(std::move(saved.text)), 0, change.section, change.key, change.value);
  }
  if (!saved.ok()) return ChangeRefusal{std::move(saved.refusal), true};
  if (saved.text != alone.text) texts_.push_back({index, std::move(saved.text)});
  return std::nullopt;
}

std::string DocumentChanges::Text() {
  std::sort(texts_.begin(), texts_.end(),
            [](const WeaponText& a, const WeaponText& b) { return a.index < b.index; });
  return WithWeaponTexts(document_, texts_);
}

}  // namespace kalvex::tdf
