// SaveWeapon and AppendWeapon: a weapon of a document saved by editing the
// document's text, field by field, a new weapon added at its end, and a
// weapon copied or removed.
#include <algorithm>

#include "script/entry_places.h"
#include "script/field_entries.h"
#include "script/number_text.h"
#include "script/read_back.h"
#include "script/script_document.h"
#include "script/script_input.h"
#include "script/script_writer.h"
#include "script/table_match.h"
#include "script/text_edits.h"
#include "script/weapons_alone.h"

namespace kalvex {
namespace {

bool HoldsLineEnd(std::string_view value) {
  return std::any_of(value.begin(), value.end(),
                     [](char c) { return ClassOf(c) == CharClass::kBreak; });
}

// Why a value cannot be written into an entry, or nothing.
std::string_view ValueProblem(std::string_view value) {
  if (value.find(';') != std::string_view::npos) return "it holds a \";\"";
  if (HoldsLineEnd(value)) return "it holds a line end";
  return {};
}

class WeaponSaver {
 public:
  WeaponSaver(const ScriptDocument& document, std::size_t index, const WeaponRecord& base,
              const WeaponRecord& edited)
      : doc_(document),
        weapon_(document.weapons[index]),
        base_(base),
        edited_(edited),
        edits_(document),
        places_(document, weapon_, edits_),
        touched_(weapon_.entries.size(), false) {}

  SavedText Run() {
    for (const LayoutRow& row : kScriptLayout) SaveField(row);
    RewriteOldSpellings();
    if (!refusal_.empty()) return {{}, refusal_};
    if (!added_.empty()) {
      const TextEdits::Place place = places_.Body();
      std::string text;
      for (const std::string& entry : added_) text += place.before + entry + place.after;
      edits_.Insert(place.at, std::move(text));
    }
    return {edits_.Apply(), {}};
  }

 private:
  std::string_view Text(TextRange range) const {
    return std::string_view(doc_.text).substr(range.begin, range.size());
  }

  void Refuse(std::string_view what, std::string_view why) {
    if (refusal_.empty())
      refusal_ = "The " + std::string(what) + " cannot be saved: " + std::string(why);
  }

  // The fields in the writer's order: the code, the body's fields, the damage.
  void SaveField(const LayoutRow& row) {
    const RecordField& field = FieldOf(row.field);
    if (field.place == FieldPlace::kHeader) {
      SaveCode(row, field);
    } else if (field.place == FieldPlace::kDamage) {
      SaveDamage(row, field);
    } else if (field.reading == ValueRule::kStyle) {
      SaveStyle(row, field);
    } else if (field.reading == ValueRule::kColour) {
      SaveColour(row, field);
    } else {
      SaveSimple(row, field);
    }
  }

  void SaveCode(const LayoutRow& row, const RecordField& field) {
    if (edited_.*field.text == base_.*field.text) return;
    const std::string code(Trimmed(WrittenEntries(row, edited_).front().value));
    if (code.find(']') != std::string::npos || HoldsLineEnd(code)) {
      Refuse("weapon code", "it holds a \"]\" or a line end");
      return;
    }
    if (Text(weapon_.code) != code) edits_.Replace(weapon_.code, code);
  }

  // The entries of the weapon whose key is `sets`, in the order written.
  std::vector<std::size_t> EntriesOf(FieldKey sets) const {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < weapon_.entries.size(); ++i) {
      if (weapon_.entries[i].sets == sets) found.push_back(i);
    }
    return found;
  }

  void SetValue(std::size_t entry_index, const std::string& value) {
    const ScriptEntry& entry = weapon_.entries[entry_index];
    touched_[entry_index] = true;
    // The range replaced runs from the value's first to its last non-blank
    // byte, so blanks around the new value would add to those kept around it.
    if (Text(entry.value) != Trimmed(value))
      edits_.Replace(entry.value, std::string(Trimmed(value)));
  }

  void RemoveAll(const std::vector<std::size_t>& entries) {
    for (const std::size_t i : entries) {
      touched_[i] = true;
      edits_.RemoveEntry(weapon_.entries[i]);
    }
  }

  // The last entry of `sets` gets `value`; without one, the entry is added.
  void SetOrAdd(std::string_view key, FieldKey sets, const std::string& value) {
    if (const std::string_view problem = ValueProblem(value); !problem.empty()) {
      Refuse("value of \"" + std::string(key) + "\"", problem);
      return;
    }
    const std::vector<std::size_t> entries = EntriesOf(sets);
    if (!entries.empty()) {
      SetValue(entries.back(), value);
    } else {
      added_.push_back(std::string(key) + "=" + value + ";");
    }
  }

  // The none entries of the model and the sounds, which the writer writes
  // as a key without a value: a script being edited loses such an entry
  // rather than gain an empty one.
  void SaveSimple(const LayoutRow& row, const RecordField& field) {
    if (!FieldDiffers(field, base_, edited_)) return;
    const RowEntries entries = WrittenEntries(row, edited_);
    if (entries.empty() ||
        (row.form == WrittenForm::kTableOrOwn && entries.front().value.empty())) {
      RemoveAll(EntriesOf({&field}));
    } else {
      SetOrAdd(field.key, {&field}, entries.front().value);
    }
  }

  // The style renames the key of the entry it was read from.
  void SaveStyle(const LayoutRow& row, const RecordField& field) {
    if (edited_.*field.number == base_.*field.number) return;
    const RowEntries entries = WrittenEntries(row, edited_);
    std::vector<std::size_t> set;
    for (std::size_t i = 0; i < weapon_.entries.size(); ++i) {
      const ScriptEntry& entry = weapon_.entries[i];
      if (entry.sets.field == &field && !ZeroEntry(entry)) {
        set.push_back(i);
      }
    }
    if (entries.empty()) {
      RemoveAll(set);
    } else if (!set.empty()) {
      touched_[set.back()] = true;
      edits_.Replace(weapon_.entries[set.back()].key, std::string(entries.front().key));
    } else {
      const WrittenEntry& entry = entries.front();
      added_.push_back(std::string(entry.key) + "=" + entry.value + ";");
    }
  }

  // A style entry that sets no style: its value, as the reader takes it, is zero.
  bool ZeroEntry(const ScriptEntry& entry) const {
    std::string value;
    PackInto(Text(entry.value), value);
    return IsZeroNumber(value);
  }

  // The beam colour sets both its entries; a value it lacks removes its entry.
  void SaveColour(const LayoutRow& row, const RecordField& field) {
    if (!FieldDiffers(field, base_, edited_)) return;
    const RowEntries entries = WrittenEntries(row, edited_);
    for (const unsigned char nth : {0, 1}) {
      const std::string_view key = nth == 0 ? field.key : field.second_key;
      const auto entry = std::find_if(entries.View().begin(), entries.View().end(),
                                      [key](const WrittenEntry& e) { return e.key == key; });
      if (entry != entries.View().end()) {
        SetOrAdd(key, {&field, nth}, entry->value);
      } else {
        RemoveAll(EntriesOf({&field, nth}));
      }
    }
  }

  // The damage in "[DAMAGE]": its last entry, else first in the section,
  // else the writer's section before the body's closing "}".
  void SaveDamage(const LayoutRow& row, const RecordField& field) {
    if (!FieldDiffers(field, base_, edited_)) return;
    const std::string value = WrittenEntries(row, edited_).front().value;
    if (const std::string_view problem = ValueProblem(value); !problem.empty()) {
      Refuse("damage", problem);
      return;
    }
    if (const std::vector<std::size_t> entries = EntriesOf({&field}); !entries.empty()) {
      SetValue(entries.back(), value);
      return;
    }
    const std::string entry = std::string(field.key) + "=" + value + ";";
    if (const std::optional<TextEdits::Place> place = places_.InSection("DAMAGE", true)) {
      edits_.Insert(place->at, place->before + entry + place->after);
    } else {
      places_.AddSection(edits_, "DAMAGE", entry);
    }
  }

  // Entries of the explosion art and start sound in the old digit spelling
  // are written in letters, changed or not.
  void RewriteOldSpellings() {
    for (std::size_t i = 0; i < weapon_.entries.size(); ++i) {
      const ScriptEntry& entry = weapon_.entries[i];
      const RecordField* field = entry.sets.field;
      if (touched_[i] || field == nullptr || field->reading != ValueRule::kTable) continue;
      const std::string_view value = Text(entry.value);
      if (const std::optional<int> index = MatchOldSpelling(field->table, value)) {
        edits_.Replace(entry.value, std::string(TableValue(field->table, *index)));
      }
    }
  }

  const ScriptDocument& doc_;
  const ScriptWeapon& weapon_;
  const WeaponRecord& base_;  // as the weapon reads now
  const WeaponRecord& edited_;
  TextEdits edits_;
  EntryPlaces places_;
  std::vector<bool> touched_;       // per entry: a field's change reached it
  std::vector<std::string> added_;  // entries to add to the body, in the writer's order
  std::string refusal_;
};

}  // namespace

SavedText SaveWeapon(const ScriptDocument& document, std::size_t index,
                     const WeaponRecord& edited) {
  WeaponRecord base;
  ReadWeaponRecord(document, index, base);
  return SaveWeapon(document, index, base, edited);
}

SavedText SaveWeapon(const ScriptDocument& document, std::size_t index, const WeaponRecord& base,
                     const WeaponRecord& edited) {
  if (index >= document.weapons.size()) return {{}, "The script holds no such weapon"};
  SavedText saved = WeaponSaver(document, index, base, edited).Run();
  if (!saved.ok()) return saved;
  // Read back, the weapon must hold the edit and everything else as it was.
  if (std::string problem = ReadBackProblem(document, index, saved.text, edited);
      !problem.empty()) {
    return {{}, std::move(problem)};
  }
  return saved;
}

namespace {

// The document's text, ending with a line end.
std::string EndingWithLineEnd(const ScriptDocument& document) {
  std::string text = document.text;
  if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += document.line_end;
  return text;
}

// A weapon's own text: from its header's "[" to the end of the line that
// ends it (its closing "}", or what of it stands last), before that line's
// line end and before the next weapon.
std::string_view OwnTextOf(const ScriptDocument& document, const ScriptWeapon& weapon) {
  std::size_t end = weapon.header.end;
  if (weapon.close != kNoPlace) end = std::max(end, weapon.close + 1);
  for (const ScriptSection& section : weapon.sections) {
    end = std::max(end, section.close != kNoPlace ? section.close + 1 : section.name.end);
  }
  for (const ScriptEntry& entry : weapon.entries) end = std::max(end, entry.Whole().end);
  const std::string_view text = document.text;
  while (end < weapon.span.end && text[end] != '\r' && text[end] != '\n') ++end;
  return text.substr(weapon.header.begin, end - weapon.header.begin);
}

// Where the own text of the weapon at `index` ends, and where the line that
// follows it begins (the same place when no line end follows).
struct OwnTextEnd {
  std::size_t end = 0;
  std::size_t next_line = 0;
};

OwnTextEnd OwnTextEndOf(const ScriptDocument& document, std::size_t index) {
  const ScriptWeapon& weapon = document.weapons[index];
  const std::size_t end = weapon.header.begin + OwnTextOf(document, weapon).size();
  std::size_t next = end;
  if (next < document.text.size() && document.text[next] == '\r') ++next;
  if (next < document.text.size() && document.text[next] == '\n') ++next;
  return {end, next};
}

// Whether `after` holds the weapons of `before`, with their own texts and
// reading as they read there, but the one at `changed`: with `added`, `after`
// has one weapon more, the one at `changed`; else one less, the one at
// `changed` gone.
bool OthersReadAsBefore(const ScriptDocument& before, const ScriptDocument& after,
                        std::size_t changed, bool added) {
  const std::size_t count = before.weapons.size();
  if (after.weapons.size() != (added ? count + 1 : count - 1)) return false;
  for (std::size_t index = 0; index < count; ++index) {
    if (!added && index == changed) continue;
    const std::size_t now = index < changed ? index : (added ? index + 1 : index - 1);
    WeaponRecord was;
    WeaponRecord is;
    ReadWeaponRecord(before, index, was);
    ReadWeaponRecord(after, now, is);
    if (was != is ||
        OwnTextOf(before, before.weapons[index]) != OwnTextOf(after, after.weapons[now])) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::string AppendWeapon(const ScriptDocument& document, const WeaponRecord& record) {
  std::string script = WriteScript(record);
  if (document.line_end != "\r\n") script = WithLineEnds(script, document.line_end);
  return EndingWithLineEnd(document) + script;
}

SavedText AppendWeaponFrom(const ScriptDocument& document, const ScriptDocument& source,
                           std::size_t index, const WeaponRecord& edited) {
  const SavedText saved = SaveWeapon(source, index, edited);
  if (!saved.ok()) return saved;
  const ScriptDocument edited_source = OpenScript(saved.text);
  const std::string_view weapon = OwnTextOf(edited_source, edited_source.weapons[index]);
  std::string text = EndingWithLineEnd(document) + WithLineEnds(weapon, document.line_end);
  text += document.line_end;
  // What the file ends in (an open comment or body) must not take the
  // weapon in: added, it is the file's last weapon and reads as it did.
  const ScriptDocument added = OpenScript(text);
  WeaponRecord expected;
  WeaponRecord read;
  ReadWeaponRecord(edited_source, index, expected);
  ReadWeaponRecord(added, document.weapons.size(), read);
  if (added.weapons.size() != document.weapons.size() + 1 || read != expected) {
    return {{},
            "The weapon cannot be added: the end of the file (an open comment, section or body) "
            "would take it in; mend the file first"};
  }
  return {std::move(text), {}};
}

SavedText InsertWeaponFrom(const ScriptDocument& document, std::size_t index,
                           const ScriptDocument& source, std::size_t source_index) {
  const std::string own =
      WithLineEnds(OwnTextOf(source, source.weapons[source_index]), document.line_end);
  const OwnTextEnd at = OwnTextEndOf(document, index);
  std::string text = document.text.substr(0, at.next_line);
  if (at.next_line == at.end) {
    // No line end follows the weapon (the end of the file, or the next
    // weapon on its line): the one inserted begins a line of its own, and
    // what followed the weapon follows it.
    text += document.line_end;
    text += own;
  } else {
    text += own;
    text += document.line_end;
  }
  text.append(document.text, at.next_line);
  const ScriptDocument inserted = OpenScript(text);
  WeaponRecord expected;
  WeaponRecord read;
  ReadWeaponRecord(source, source_index, expected);
  ReadWeaponRecord(inserted, index + 1, read);
  if (!OthersReadAsBefore(document, inserted, index + 1, true) || read != expected) {
    return {{},
            "The weapon cannot be added after another: what follows that one (an open comment, "
            "section or body) would take it in; mend the file first"};
  }
  return {std::move(text), {}};
}

SavedText CopyWeapon(const ScriptDocument& document, std::size_t index, const WeaponRecord& copy) {
  const SavedText saved = SaveWeapon(OpenWeaponAlone(document, index), 0, copy);
  if (!saved.ok()) return saved;
  return InsertWeaponFrom(document, index, OpenScript(saved.text), 0);
}

SavedText RemoveWeapon(const ScriptDocument& document, std::size_t index) {
  const ScriptWeapon& weapon = document.weapons[index];
  const OwnTextEnd own = OwnTextEndOf(document, index);
  std::size_t begin = weapon.header.begin;
  if (own.next_line == own.end) {
    // No line end follows the weapon: the one before it goes with it.
    if (begin > 0 && document.text[begin - 1] == '\n') --begin;
    if (begin > 0 && document.text[begin - 1] == '\r') --begin;
  }
  std::string text = document.text.substr(0, begin);
  text.append(document.text, own.next_line);
  if (!OthersReadAsBefore(document, OpenScript(text), index, false)) {
    return {{},
            "The weapon cannot be deleted: the weapons around it would no longer read as "
            "they do; mend the file first"};
  }
  return {std::move(text), {}};
}

}  // namespace kalvex
