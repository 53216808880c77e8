#include "tools/kalvex_tdf/entry_edit.h"

#include <algorithm>
#include <vector>

#include "script/ascii_case.h"
#include "script/script_keys.h"
#include "script/text_edits.h"
#include "tools/kalvex_tdf/record_lines.h"

namespace kalvex::tdf {
namespace {

constexpr std::string_view kDamagePrefix = "DAMAGE/";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsKeyCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsKey(std::string_view key) {
  return !key.empty() && !(key.front() >= '0' && key.front() <= '9') &&
         std::all_of(key.begin(), key.end(), IsKeyCharacter);
}

// The "[DAMAGE]" section of the weapon, or nullptr.
const ScriptSection* DamageSection(const ScriptWeapon& weapon) {
  const auto it =
      std::find_if(weapon.sections.begin(), weapon.sections.end(),
                   [](const ScriptSection& s) { return s.damage && s.open != kNoPlace; });
  return it == weapon.sections.end() ? nullptr : &*it;
}

class EntryChanger {
 public:
  EntryChanger(const ScriptDocument& document, const ScriptWeapon& weapon,
               const EntryChange& change)
      : doc_(document), weapon_(weapon), change_(change), edits_(document) {}

  std::string Run() {
    std::vector<const ScriptEntry*> same;
    for (const ScriptEntry& entry : weapon_.entries) {
      const std::string_view key(doc_.text.data() + entry.key.begin, entry.key.size());
      if (entry.scope == change_.scope && EqualIgnoringCase(key, change_.key))
        same.push_back(&entry);
    }
    if (change_.value.empty()) {
      for (const ScriptEntry* entry : same) edits_.RemoveEntry(*entry);
    } else if (!same.empty()) {
      edits_.Replace(same.back()->value, std::string(change_.value));
    } else if (change_.scope == EntryScope::kDamage) {
      AddToDamage();
    } else {
      Add(edits_.PlaceAfter(BodyAnchor(), BodyIndent(), edits_.LineEndAfter(BodyAnchor())));
    }
    return edits_.Apply();
  }

 private:
  std::string Entry() const {
    return std::string(change_.key) + "=" + std::string(change_.value) + ";";
  }

  void Add(const TextEdits::Place& place) {
    edits_.Insert(place.at, place.before + Entry() + place.after);
  }

  // The last entry of the body before "[DAMAGE]", or nullptr.
  const ScriptEntry* LastBodyEntry() const {
    const ScriptSection* damage = DamageSection(weapon_);
    const std::size_t until = damage ? damage->name.begin : kNoPlace;
    const ScriptEntry* last = nullptr;
    for (const ScriptEntry& entry : weapon_.entries) {
      if (entry.key.begin > until) break;
      if (entry.scope == EntryScope::kBody) last = &entry;
    }
    return last;
  }

  std::size_t BodyAnchor() const {
    if (const ScriptEntry* last = LastBodyEntry()) return last->Whole().end;
    return weapon_.open != kNoPlace ? weapon_.open + 1 : weapon_.header.end;
  }

  std::string BodyIndent() const {
    const ScriptEntry* last = LastBodyEntry();
    return last ? std::string(edits_.IndentOf(last->key.begin)) : std::string("\t");
  }

  void AddToDamage() {
    const ScriptSection* section = DamageSection(weapon_);
    if (section == nullptr) {
      AddDamageSection();
      return;
    }
    if (section->first_entry < section->end_entry) {
      const ScriptEntry& last = weapon_.entries[section->end_entry - 1];
      const std::size_t end = last.Whole().end;
      Add(edits_.PlaceAfter(end, edits_.IndentOf(last.key.begin), edits_.LineEndAfter(end)));
      return;
    }
    std::string indent(edits_.IndentOf(section->open));
    indent += '\t';
    Add(edits_.PlaceAfter(section->open + 1, indent, doc_.line_end));
  }

  // The writer's section, holding the entry, on lines of its own before the
  // body's closing "}" (after the body's last entry where it has none).
  void AddDamageSection() {
    const std::string le(doc_.line_end);
    const std::string section = "\t[DAMAGE]" + le + "\t\t{" + le + "\t\t" + Entry() + le + "\t\t}";
    if (weapon_.close == kNoPlace) {
      edits_.Insert(BodyAnchor(), le + section);
      return;
    }
    const std::string& text = doc_.text;
    std::size_t line_start = weapon_.close;
    while (line_start > 0 && (text[line_start - 1] == ' ' || text[line_start - 1] == '\t')) {
      --line_start;
    }
    if (line_start == 0 || text[line_start - 1] == '\n' || text[line_start - 1] == '\r') {
      edits_.Insert(line_start, section + le);
    } else {
      edits_.Insert(weapon_.close, le + section + le);
    }
  }

  const ScriptDocument& doc_;
  const ScriptWeapon& weapon_;
  const EntryChange& change_;
  TextEdits edits_;
};

}  // namespace

std::optional<EntryChange> ParseEntryChange(std::string_view word, std::string& problem) {
  const std::size_t equals = word.find('=');
  if (equals == std::string_view::npos) {
    problem = "needs KEY=VALUE";
    return std::nullopt;
  }
  EntryChange change;
  change.key = word.substr(0, equals);
  change.value = word.substr(equals + 1);
  if (change.key.size() > kDamagePrefix.size() &&
      EqualIgnoringCase(change.key.substr(0, kDamagePrefix.size()), kDamagePrefix)) {
    change.scope = EntryScope::kDamage;
    change.key.remove_prefix(kDamagePrefix.size());
  }
  if (!IsKey(change.key)) {
    problem = "a key is letters, digits and \"_\", not beginning with a digit";
  } else if ((change.scope == EntryScope::kBody ? FindBodyKey(change.key)
                                                : FindDamageKey(change.key))) {
    problem = "the key \"" + std::string(change.key) +
              "\" has a member of its own: use Member=value (dump shows them)";
  } else if (change.value.find_first_of(kScriptPunctuation) != std::string_view::npos ||
             change.value.find('\n') != std::string_view::npos) {
    problem = "the value must not hold ; = [ ] { } or a line end";
  } else if (!change.value.empty() &&
             (IsBlank(change.value.front()) || IsBlank(change.value.back()))) {
    problem = "the value must not begin or end with a blank";
  } else {
    return change;
  }
  return std::nullopt;
}

SavedText ChangeEntry(const ScriptDocument& document, std::size_t index,
                      const EntryChange& change) {
  if (index >= document.weapons.size()) return {{}, "The script holds no such weapon"};
  return {EntryChanger(document, document.weapons[index], change).Run(), {}};
}

}  // namespace kalvex::tdf
