#include "tools/kalvex_tdf/check_findings.h"

#include <algorithm>
#include <ostream>

#include "script/finding_text.h"
#include "script/known_keys.h"
#include "script/script_input.h"
#include "tools/kalvex_tdf/command.h"
#include "tools/kalvex_tdf/script_input.h"

namespace kalvex::tdf {
namespace {

// What a finding quotes of a value, at most, as the reader quotes it.
constexpr std::size_t kQuotedValue = 44;

std::string_view Text(const ScriptDocument& document, TextRange range) {
  return std::string_view(document.text).substr(range.begin, range.size());
}

std::string_view WithoutSpaceAround(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

// A value as a finding quotes it: each run of whitespace one blank, at most
// kQuotedValue characters.
std::string QuotedValue(std::string_view value) {
  std::string quoted;
  for (const char c : value) {
    if (quoted.size() == kQuotedValue) break;
    if (!IsSpace(c)) {
      quoted += c;
    } else if (!quoted.ends_with(' ')) {
      quoted += ' ';
    }
  }
  return quoted;
}

// The parts of a weapon that check judges the findings of.
class WeaponFindings {
 public:
  WeaponFindings(const ScriptDocument& document, const ScriptWeapon& weapon)
      : document_(document), weapon_(weapon) {}

  CheckFinding Judge(const ReadFinding& finding) const {
    switch (finding.kind) {
      case FindingKind::kSkippedKey:
        if (const ScriptEntry* entry = EntryAt(finding.begin)) return JudgeEntry(finding, *entry);
        return {.line = finding.line,
                .kind = "missing_equals",
                .key = finding.key,
                .message = "entry " + Quoted(finding.key) + " has no \"=\": nothing reads it",
                .fails_strict = true};
      case FindingKind::kUnknownSection:
        return JudgeSection(finding);
      case FindingKind::kNotANumber: {
        const ScriptEntry* entry = EntryAt(finding.begin);
        const std::string_view section = entry ? SectionOf(*entry) : std::string_view();
        return {
            .line = finding.line,
            .kind = "wrong_kind",
            .key = finding.key,
            .value = finding.value,
            .message = DescribeWrongKind(section, finding.key, finding.value, ValueKind::kNumber),
            .fails_strict = true};
      }
      case FindingKind::kMissingSemicolon:
      case FindingKind::kUnclosedSection:
      case FindingKind::kUnclosedComment:
      case FindingKind::kAfterWeapon:
      case FindingKind::kBeforeHeader:
        return AsRead(finding, true);
      case FindingKind::kUnmatchedValue:
      case FindingKind::kRepeatedKey:
      case FindingKind::kOldSpelling:
        return AsRead(finding, false);
    }
    return AsRead(finding, true);
  }

 private:
  static CheckFinding AsRead(const ReadFinding& finding, bool fails_strict) {
    return {.line = finding.line,
            .kind = FindingKindName(finding.kind),
            .key = finding.key,
            .value = finding.value,
            .message = DescribeFinding(finding),
            .fails_strict = fails_strict};
  }

  // The entry whose key begins at `begin`, or nullptr (a token without "=").
  const ScriptEntry* EntryAt(std::size_t begin) const {
    const auto found = std::lower_bound(
        weapon_.entries.begin(), weapon_.entries.end(), begin,
        [](const ScriptEntry& entry, std::size_t at) { return entry.key.begin < at; });
    return found != weapon_.entries.end() && found->key.begin == begin ? &*found : nullptr;
  }

  // The name of a section between its brackets, blanks around it left out.
  std::string_view NameOf(const ScriptSection& section) const {
    std::string_view name = Text(document_, section.name);
    if (name.starts_with('[')) name.remove_prefix(1);
    if (name.ends_with(']')) name.remove_suffix(1);
    return WithoutSpaceAround(name);
  }

  // The section whose braces hold the entry, as the table names sections:
  // empty for the body. A section whose braces the reader did not find
  // gives kNoSection.
  std::string_view SectionOf(const ScriptEntry& entry) const {
    if (entry.scope == EntryScope::kBody) return {};
    if (entry.scope == EntryScope::kDamage) return "DAMAGE";
    const std::size_t index = static_cast<std::size_t>(&entry - weapon_.entries.data());
    for (const ScriptSection& section : weapon_.sections) {
      if (section.open == kNoPlace || index < section.first_entry) continue;
      if (section.close == kNoPlace || index < section.end_entry) return NameOf(section);
    }
    return kNoSection;
  }

  CheckFinding JudgeEntry(const ReadFinding& finding, const ScriptEntry& entry) const {
    const std::string_view section = SectionOf(entry);
    // Entries of a section that is not known are the section's finding.
    if (!section.empty() && !IsKnownSection(section)) return {};
    const std::string_view value = Text(document_, entry.value);
    CheckFinding judged = {.line = finding.line, .key = finding.key, .value = QuotedValue(value)};
    if (const KnownKey* known = FindKnownKey(section, finding.key)) {
      if (IsValueOfKind(known->kind, value)) return {};
      judged.kind = "wrong_kind";
      judged.message = DescribeWrongKind(section, finding.key, judged.value, known->kind);
    } else {
      const KnownKey* nearest = NearestKnownKey(section, finding.key);
      judged.kind = "unknown_key";
      if (nearest) judged.suggestion = nearest->key;
      judged.message = DescribeUnknownKey(section, finding.key, judged.value, nearest);
    }
    judged.fails_strict = true;
    return judged;
  }

  CheckFinding JudgeSection(const ReadFinding& finding) const {
    const bool nested = std::any_of(weapon_.sections.begin(), weapon_.sections.end(),
                                    [&finding](const ScriptSection& s) {
                                      return s.open != kNoPlace && s.open < finding.begin &&
                                             (s.close == kNoPlace || finding.begin < s.close);
                                    });
    if (!nested && IsKnownSection(finding.key)) return {};
    const KnownKey* nearest =
        nested || finding.key.empty() ? nullptr : NearestKnownSection(finding.key);
    return {.line = finding.line,
            .kind = "unknown_section",
            .key = finding.key,
            .suggestion = nearest ? std::string(nearest->key) : std::string(),
            .message = DescribeUnknownSection(finding.key, nearest, nested),
            .fails_strict = true};
  }

  // No known section has this name.
  static constexpr std::string_view kNoSection = "[";

  const ScriptDocument& document_;
  const ScriptWeapon& weapon_;
};

}  // namespace

std::vector<CheckFinding> CheckReaderFindings(const ScriptDocument& document, std::size_t index,
                                              const ReadResult& read) {
  std::vector<CheckFinding> findings;
  if (index >= document.weapons.size()) return findings;
  const WeaponFindings weapon(document, document.weapons[index]);
  for (const ReadFinding& finding : read.findings) {
    CheckFinding judged = weapon.Judge(finding);
    if (!judged.kind.empty()) findings.push_back(std::move(judged));
  }
  return findings;
}

void NoteFindings(const CommandContext& context, std::string_view path,
                  const ScriptDocument& document, std::size_t index, const ReadResult& read) {
  const std::size_t findings = CheckReaderFindings(document, index, read).size();
  const std::vector<ScriptEntry>& entries = document.weapons[index].entries;
  const auto left_out = static_cast<std::size_t>(
      std::count_if(entries.begin(), entries.end(),
                    [](const ScriptEntry& e) { return e.sets.field == nullptr; }));
  const std::string name = DisplayName(path);
  if (findings != 0) {
    context.err << kProgram << ": " << name << ": " << findings
                << (findings == 1 ? " finding" : " findings") << "; \"" << kProgram
                << " check\" lists them\n";
  }
  if (left_out != 0) {
    context.err << kProgram << ": " << name << ": " << left_out
                << (left_out == 1 ? " entry that no field reads is"
                                  : " entries that no field reads are")
                << " left out\n";
  }
}

}  // namespace kalvex::tdf
