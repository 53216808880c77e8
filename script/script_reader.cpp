// ReadWeapon and ReadScript: a weapon of a document into the weapon record,
// entry by entry, with the findings of its values.
#include "script/script_reader.h"

#include <array>
#include <optional>

#include "script/field_keys.h"
#include "script/number_text.h"
#include "script/script_document.h"
#include "script/script_input.h"
#include "script/table_match.h"

namespace kalvex {
namespace {

// What a finding quotes of a value, at most.
constexpr std::size_t kQuotedValue = 44;
constexpr std::size_t kQuotedKey = 64;

// `raw` without its whitespace: `raw` itself where it holds none, else
// `buffer` packed from it.
std::string_view PackedView(std::string_view raw, std::string& buffer) {
  for (const char c : raw) {
    if (IsSpace(c)) {
      PackInto(raw, buffer);
      return buffer;
    }
  }
  return raw;
}

// Code, ID and name keep the blanks inside them and lose their line ends;
// one that is then empty holds the reset text. (One assign of a view, rather
// than a branch that assigns a C string: GCC 12 at -O3 sees a false overlap in
// the C-string assign.)
void StoreHeaderText(std::string_view raw, std::string& member) {
  std::size_t brk = 0;
  while (brk < raw.size() && ClassOf(raw[brk]) != CharClass::kBreak) ++brk;
  if (brk == raw.size()) {
    member.assign(raw.empty() ? std::string_view(kResetText) : raw);
    return;
  }
  std::string kept(raw.substr(0, brk));
  for (const char c : raw.substr(brk)) {
    if (ClassOf(c) != CharClass::kBreak) kept += c;
  }
  member.assign(kept.empty() ? std::string_view(kResetText) : std::string_view(kept));
}

std::string Quoted(std::string_view text, std::size_t limit) {
  return std::string(text.substr(0, limit));
}

// The key of an entry as findings quote it: runs of whitespace made one blank.
std::string KeyText(std::string_view raw) { return Collapsed(raw, kQuotedKey); }

class WeaponReader {
 public:
  // With `tell` false the reader fills the record only and reports nothing.
  WeaponReader(std::string_view text, const ScriptWeapon& weapon, WeaponRecord& record,
               ReadResult& result, bool tell)
      : text_(text), weapon_(weapon), record_(record), result_(result), tell_(tell) {}

  void Run() {
    StoreHeaderText(Text(weapon_.code), record_.Weapcode);
    const std::vector<StructureFinding>& structure = weapon_.findings;
    std::size_t told = 0;
    for (std::size_t i = 0; i < weapon_.entries.size(); ++i) {
      while (told < structure.size() && structure[told].before_entry <= i) {
        Report(structure[told++].finding);
      }
      ReadEntry(i);
    }
    while (told < structure.size()) Report(structure[told++].finding);
    StoreColour();
  }

 private:
  std::string_view Text(TextRange range) const { return text_.substr(range.begin, range.size()); }

  void Report(ReadFinding finding) {
    if (!tell_) return;
    if (result_.findings.size() < kMaxKeptFindings) {
      result_.findings.push_back(std::move(finding));
    } else {
      ++result_.findings_not_kept;
    }
  }

  void Report(FindingKind kind, const ScriptEntry& entry, std::string_view value) {
    if (!tell_) return;
    if (result_.findings.size() >= kMaxKeptFindings) {
      ++result_.findings_not_kept;
      return;
    }
    const TextRange whole = entry.Whole();
    result_.findings.push_back({kind, entry.line_number, KeyText(Text(entry.key)),
                                Quoted(value, kQuotedValue), whole.begin, whole.end});
  }

  // A key given before in the same part of the weapon: its earlier entry is
  // told, as its value gives way to this one.
  void NoteRepeat(std::size_t index) {
    const FieldKey& sets = weapon_.entries[index].sets;
    std::size_t& seen =
        last_seen_[static_cast<std::size_t>(sets.field - kRecordFields.data())][sets.nth];
    if (seen != 0 && tell_) {
      const ScriptEntry& earlier = weapon_.entries[seen - 1];
      std::string value;
      PackInto(Text(earlier.value), value);
      Report(FindingKind::kRepeatedKey, earlier, value);
    }
    seen = index + 1;
  }

  void ReadEntry(std::size_t index) {
    const ScriptEntry& entry = weapon_.entries[index];
    const RecordField* field = entry.sets.field;
    if (field == nullptr) {
      if (!tell_) return;
      PackInto(Text(entry.value), value_);
      Report(FindingKind::kSkippedKey, entry, value_);
    } else {
      NoteRepeat(index);
      ReadKnownEntry(*field, entry);
    }
    if (entry.ran_into_next_line && tell_) [[unlikely]] {
      if (field == nullptr || field->reading != ValueRule::kHeaderText) {
        PackInto(Text(entry.value), value_);
      }
      Report(FindingKind::kMissingSemicolon, entry, value_);
    }
  }

  void ReadKnownEntry(const RecordField& field, const ScriptEntry& entry) {
    const std::string_view raw = Text(entry.value);
    if (field.reading == ValueRule::kHeaderText) {
      StoreHeaderText(raw, record_.*field.text);
      if (field.text == &WeaponRecord::WeapID) result_.id_line = entry.line_number;
      value_ = record_.*field.text;
      return;
    }
    if (field.reading == ValueRule::kText) {
      std::string& member = record_.*field.text;
      PackInto(raw, member);
      if (!member.empty() && !IsDecimalNumber(member)) {
        Report(FindingKind::kNotANumber, entry, member);
      }
      return;
    }
    const std::string_view value = PackedView(raw, value_);
    switch (field.reading) {
      case ValueRule::kFlag:
        record_.*field.number = IsZeroNumber(value) ? 0 : 1;
        break;
      case ValueRule::kStyle:
        if (!IsZeroNumber(value)) record_.*field.number = entry.sets.nth;
        break;
      case ValueRule::kRenderType:
        if (const auto type = MatchRenderType(value)) {
          record_.*field.number = *type;
          (record_.own.*field.own).clear();
        } else if (!value.empty()) {
          (record_.own.*field.own).assign(value);
        } else {
          Report(FindingKind::kUnmatchedValue, entry, value);
        }
        break;
      case ValueRule::kTable:
        ReadTableValue(field, entry, value);
        break;
      case ValueRule::kColour: {
        std::optional<std::string>& kept = entry.sets.nth == 0 ? first_colour_ : second_colour_;
        if (value.empty()) {
          Report(FindingKind::kUnmatchedValue, entry, value);
          kept.reset();
        } else {
          kept.emplace(value);
        }
        break;
      }
      case ValueRule::kHeaderText:
      case ValueRule::kText:
        break;
    }
  }

  // The beam colour from the last values of its two entries: a pair of the
  // list, else the values as they stand.
  void StoreColour() {
    if (!first_colour_ && !second_colour_) return;
    const ColourValues values{first_colour_, second_colour_};
    constexpr const RecordField& field = FieldOf(Field::Weapcol2);
    if (const std::optional<int> colour = MatchColourPair(values)) {
      record_.*field.number = *colour;
    } else {
      record_.own.*field.own = OwnColourText(values);
    }
  }

  void ReadTableValue(const RecordField& field, const ScriptEntry& entry, std::string_view value) {
    std::string* own = field.own == nullptr ? nullptr : &(record_.own.*field.own);
    const std::optional<int> none = NoneIndex(field.table);
    std::optional<int> index = value.empty() ? none : MatchTableValue(field.table, value);
    if (!index && !value.empty()) {
      index = MatchOldSpelling(field.table, value);
      if (index) Report(FindingKind::kOldSpelling, entry, value);
    }
    if (index) {
      record_.*field.number = *index;
      if (own != nullptr) own->clear();
      return;
    }
    if (own != nullptr && !value.empty()) {
      own->assign(value);
      if (field.table == ValueTable::kModel) record_.*field.number = *none;
      return;
    }
    Report(FindingKind::kUnmatchedValue, entry, value);
  }

  std::string_view text_;
  const ScriptWeapon& weapon_;
  WeaponRecord& record_;
  ReadResult& result_;
  const bool tell_;
  std::string value_;  // the value of the entry being read
  // Per field and key of it: its entry before, plus 1.
  std::array<std::array<std::size_t, kMostKeysOfAField>, kRecordFieldCount> last_seen_{};
  std::optional<std::string> first_colour_;   // the last "color=" value
  std::optional<std::string> second_colour_;  // the last "color2=" value
};

ReadResult Read(const ScriptDocument& document, std::size_t index, WeaponRecord& record,
                bool tell) {
  record.Reset();
  // What a weapon without an entry holds, the model included, which Reset keeps.
  for (const RecordField& field : kRecordFields) {
    if (!field.IsText()) record.*field.number = field.absent;
    if (field.own != nullptr) (record.own.*field.own).clear();
  }
  ReadResult result;
  result.utf16 = document.utf16;
  if (index >= document.weapons.size()) return result;
  result.header_found = true;
  WeaponReader(document.text, document.weapons[index], record, result, tell).Run();
  return result;
}

}  // namespace

ReadResult ReadWeapon(const ScriptDocument& document, std::size_t index, WeaponRecord& record) {
  return Read(document, index, record, true);
}

void ReadWeaponRecord(const ScriptDocument& document, std::size_t index, WeaponRecord& record) {
  Read(document, index, record, false);
}

std::vector<WeaponChoice> ListWeapons(const ScriptDocument& document) {
  std::vector<WeaponChoice> choices;
  choices.reserve(document.weapons.size());
  const std::string_view text = document.text;
  const auto store = [&](TextRange range, std::string& member) {
    StoreHeaderText(text.substr(range.begin, range.size()), member);
    if (member == kResetText) member.clear();
  };
  for (const ScriptWeapon& weapon : document.weapons) {
    WeaponChoice& choice = choices.emplace_back();
    choice.line = weapon.header_line;
    store(weapon.code, choice.code);
    for (const ScriptEntry& entry : weapon.entries) {
      const RecordField* field = entry.sets.field;
      if (field == nullptr || field->reading != ValueRule::kHeaderText) continue;
      store(entry.value, field->text == &WeaponRecord::WeapID ? choice.id : choice.name);
    }
  }
  return choices;
}

ReadResult ReadScript(std::string_view bytes, WeaponRecord& record) {
  return ReadWeapon(OpenScript(std::string(bytes)), 0, record);
}

}  // namespace kalvex
