// Nothing in a script goes unread without a word: over seeded random scripts
// (a weapon's entries as the writer gives them, reordered, with comments and
// blanks between them, then one character inserted or deleted), every
// character that is not blank and not in a comment is either read into the
// record or lies in the span of a finding.
//
// "Read into the record" is checked against the script before the change: an
// entry the change did not touch and no finding covers must give its member
// the value it gave there.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "reader_test_support.h"
#include "record/record_fields.h"
#include "script/field_keys.h"
#include "script/script_reader.h"
#include "script/script_writer.h"

namespace kalvex::test {
namespace {

constexpr int kScripts = 1500;
constexpr unsigned kSeed = 1010;

// How the test sees a byte of the script it builds.
enum class Part : unsigned char { kText, kLineComment, kBlockComment };

// A unit of the script: an entry "key=value;", or structure ("{", "}",
// "[DAMAGE]"). `key` is empty for structure.
struct Unit {
  std::string text;
  std::string key;
  std::size_t begin = 0;
  std::size_t end = 0;
  bool changed = false;
};

class ScriptMaker {
 public:
  explicit ScriptMaker(unsigned seed) : random_(seed) {}

  int Number(int first, int last) { return std::uniform_int_distribution(first, last)(random_); }
  bool Chance(int one_in) { return Number(1, one_in) == 1; }
  char OneOf(std::string_view chars) {
    return chars[static_cast<std::size_t>(Number(0, static_cast<int>(chars.size()) - 1))];
  }

  WeaponRecord Record() {
    WeaponRecord r;
    for (const RecordField& field : kRecordFields) {
      if (field.IsText()) r.*field.text = Chance(3) ? kResetText : Digits();
    }
    // Appended, not prefixed: GCC 12 at -O3 warns falsely (-Wrestrict) on a
    // one-character C string put before a std::string.
    r.Weapcode = "W";
    r.Weapcode += Digits();
    r.WeapID = Digits();
    r.Weapname = "Gun " + Digits();
    for (const auto flag :
         {&R::Weaptur, &R::Weapguid, &R::Weapxpld, &R::Weapauto, &R::Weaptrak, &R::Weapwatr,
          &R::Weapparl, &R::Weapcomm, &R::Weapsmtl, &R::Weapsotg, &R::Weapsmst, &R::Weapprop,
          &R::Weapsmed, &R::Weapunit, &R::Weapbunc, &R::Weapblow, &R::Weapbeam}) {
      r.*flag = Number(0, 1);
    }
    r.Weapstyle = Number(0, 2);
    r.Weaprend = Number(0, 7);
    r.Weapbarr = Number(0, 9);
    r.Weapmodl = Number(0, 13);
    r.Weapcol2 = Number(0, 4);
    r.Weapsost = Number(0, 31);
    r.Weapsoht = Number(0, 21);
    for (const auto gaf : {&R::Weapexgaf, &R::Weapwtgaf, &R::Weaplagaf}) {
      r.*gaf = Number(0, 1);
    }
    for (const auto art : {&R::Weapexart, &R::Weapwtart, &R::Weaplaart}) {
      r.*art = Number(0, 11);
    }
    return r;
  }

  // The entries of the writer's script, one unit each, the damage section as
  // four units; "color2=" stays after "color=".
  std::vector<std::vector<Unit>> Units(const std::string& script) {
    const std::size_t body = script.find('{') + 1;
    const std::size_t damage = script.find("[DAMAGE]");
    std::vector<std::vector<Unit>> groups;
    std::size_t at = body;
    while (true) {
      const std::size_t semicolon = script.find(';', at);
      if (semicolon == std::string::npos || semicolon > damage) break;
      std::string entry = script.substr(at, semicolon + 1 - at);
      entry.erase(std::remove_if(entry.begin(), entry.end(),
                                 [](char c) { return c == '\t' || c == '\r' || c == '\n'; }),
                  entry.end());
      const std::string key = entry.substr(0, entry.find('='));
      if (key == "color2") {
        groups.back().push_back({entry, key});
      } else {
        groups.push_back({{entry, key}});
      }
      at = semicolon + 1;
    }
    const std::string default_entry =
        script.substr(script.find("default="), script.rfind(';') + 1 - script.find("default="));
    groups.push_back({{"[DAMAGE]", ""}, {"{", ""}, {default_entry, "default"}, {"}", ""}});
    std::shuffle(groups.begin(), groups.end(), random_);
    return groups;
  }

  // Blanks, line ends, now and then a comment, between units.
  void Gap(std::string& script, std::vector<Part>& parts, bool& block_comment_used) {
    const auto add = [&](std::string_view text, Part part) {
      script += text;
      parts.insert(parts.end(), text.size(), part);
    };
    add(Chance(2) ? "\r\n" : "\n", Part::kText);
    if (Chance(6)) add("\n", Part::kText);
    if (Chance(8)) {
      add("// a note", Part::kLineComment);
      add("\n", Part::kText);
    } else if (Chance(12) && !block_comment_used) {
      // One block comment only: with two, losing the end of the first would
      // join them around what stands between, which no reader can tell.
      add("/* a note */", Part::kBlockComment);
      block_comment_used = true;
    }
    // One draw after the other: the order in which a call's arguments are
    // worked out differs between compilers, and so would the scripts.
    const auto blanks = static_cast<std::size_t>(Number(0, 2));
    add(std::string(blanks, OneOf(" \t")), Part::kText);
  }

 private:
  std::string Digits() {
    std::string text;
    const int length = Number(1, 5);
    for (int i = 0; i < length; ++i) text += OneOf("0123456789");
    if (text[0] == '0') text[0] = '5';
    // A decimal point now and then: a number with two is malformed.
    if (length > 1 && Chance(3)) text[static_cast<std::size_t>(Number(1, length - 1))] = '.';
    return text;
  }

  std::mt19937 random_;
};

// The member that an entry's key sets, compared as text.
std::string MemberOf(const WeaponRecord& record, const std::string& key) {
  std::string lower;
  for (const char c : key) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const FieldKey sets =
      FindFieldKey(lower, lower == "default" ? EntryScope::kDamage : EntryScope::kBody);
  const RecordField* field = sets.field;
  if (field == nullptr) return "?";
  if (field->IsText()) return record.*field->text;
  if (field->reading == ValueRule::kColour && sets.nth == 1) return "";  // "color2"
  const std::string own = field->own != nullptr ? " own " + record.own.*field->own : "";
  return std::to_string(record.*field->number) + own;
}

std::string WithoutBlanks(std::string text) {
  std::erase_if(text, [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; });
  return text;
}

bool Covered(const std::vector<ReadFinding>& findings, std::size_t begin, std::size_t end) {
  return std::any_of(findings.begin(), findings.end(),
                     [&](const ReadFinding& f) { return f.begin < end && begin < f.end; });
}

TEST(ReaderCoverage, EveryCharacterIsReadOrReported) {
  ScriptMaker maker(kSeed);
  for (int n = 0; n < kScripts; ++n) {
    const WeaponRecord record = maker.Record();
    const std::string written = WriteScript(record);

    std::string script = "[" + record.Weapcode + "]\n{";
    std::vector<Part> parts(script.size(), Part::kText);
    std::vector<Unit> units;
    bool block_comment_used = false;
    for (std::vector<Unit>& group : maker.Units(written)) {
      for (Unit& unit : group) {
        maker.Gap(script, parts, block_comment_used);
        unit.begin = script.size();
        script += unit.text;
        unit.end = script.size();
        parts.insert(parts.end(), unit.text.size(), Part::kText);
        units.push_back(unit);
      }
    }
    script += "\n}";
    parts.insert(parts.end(), 2, Part::kText);

    // Reordered, with comments and blanks, the weapon reads as the writer's.
    WeaponRecord expected;
    const ReadResult clean = ReadScript(script, expected);
    SCOPED_TRACE("script " + std::to_string(n) + ":\n" + script);
    ASSERT_EQ(clean.findings, std::vector<ReadFinding>{});
    WeaponRecord from_writer;
    ReadScript(written, from_writer);
    ASSERT_EQ(Differences(from_writer, expected), "");

    // One character inserted or deleted, never one that would turn text into
    // a comment or a comment's end into text.
    const std::size_t at =
        static_cast<std::size_t>(maker.Number(0, static_cast<int>(script.size()) - 1));
    const bool insert = maker.Chance(2);
    const Part before = at > 0 ? parts[at - 1] : Part::kText;
    std::string change;
    if (insert) {
      const char c = maker.OneOf("azAZ09 \t\n;=[]{}/.,-\xE9");
      const bool after_line_comment = before == Part::kLineComment && c != '\n';
      const bool inside_block = before == Part::kBlockComment && parts[at] == Part::kBlockComment;
      const bool opens_comment = c == '/' && parts[at] != Part::kText;
      const Part part = after_line_comment || opens_comment ? Part::kLineComment
                        : inside_block                      ? Part::kBlockComment
                                                            : Part::kText;
      script.insert(at, 1, c);
      parts.insert(parts.begin() + static_cast<std::ptrdiff_t>(at), part);
      change = std::string("inserted '") + c + "' at " + std::to_string(at);
    } else {
      if (before == Part::kLineComment && (script[at] == '\n' || script[at] == '\r')) continue;
      change = std::string("deleted '") + script[at] + "' at " + std::to_string(at);
      script.erase(at, 1);
      parts.erase(parts.begin() + static_cast<std::ptrdiff_t>(at));
    }
    for (Unit& unit : units) {
      // A character inserted at a unit's beginning stands before the unit.
      const bool before_unit = insert && at == unit.begin;
      unit.changed = at >= unit.begin && at < unit.end && !before_unit;
      if (unit.begin > at || before_unit) unit.begin = insert ? unit.begin + 1 : unit.begin - 1;
      if (unit.end > at) unit.end = insert ? unit.end + 1 : unit.end - 1;
    }

    WeaponRecord read;
    const ReadResult result = ReadScript(script, read);
    SCOPED_TRACE(change + ":\n" + script);
    if (!result.header_found) continue;  // the file is refused as a whole
    ASSERT_EQ(result.findings_not_kept, 0u);

    // The changed entry read alone, in its section: what it may set.
    WeaponRecord changed_alone;
    WeaponRecord nothing;
    ReadScript("[T]{}", nothing);
    ReadScript("[T]{}", changed_alone);
    for (const Unit& unit : units) {
      if (!unit.changed) continue;
      const std::string now = script.substr(unit.begin, unit.end - unit.begin);
      ReadScript(unit.key == "default" ? "[T]{[DAMAGE]{" + now + "}}" : "[T]{" + now + "}",
                 changed_alone);
    }
    const auto set_by_change = [&](const std::string& key) {
      return MemberOf(changed_alone, key) != MemberOf(nothing, key) &&
             MemberOf(changed_alone, key) == MemberOf(read, key);
    };

    // The beam colour is read from its two entries together: a change to
    // either, or a finding over either, changes it.
    const bool colour_changed = std::any_of(units.begin(), units.end(), [&](const Unit& unit) {
      return unit.key.starts_with("color") &&
             (unit.changed || Covered(result.findings, unit.begin, unit.end));
    });
    std::vector<bool> accepted(units.size());
    for (std::size_t u = 0; u < units.size(); ++u) {
      const Unit& unit = units[u];
      const bool reported = Covered(result.findings, unit.begin, unit.end);
      const std::string now = script.substr(unit.begin, unit.end - unit.begin);
      if (!unit.changed) {
        accepted[u] = true;
        const bool colour = unit.key == "color" && colour_changed;
        if (!unit.key.empty() && !reported && !set_by_change(unit.key) && !colour) {
          EXPECT_EQ(MemberOf(read, unit.key), MemberOf(expected, unit.key)) << unit.text;
        }
      } else if (!unit.key.empty() && WithoutBlanks(now).starts_with(unit.key + "=")) {
        // The value changed and was read: as the entry alone reads.
        accepted[u] = true;
        if (!reported && !unit.key.starts_with("color")) {
          EXPECT_EQ(MemberOf(read, unit.key), MemberOf(changed_alone, unit.key)) << now;
        }
      } else {
        accepted[u] = WithoutBlanks(now) == WithoutBlanks(unit.text);  // blanks in structure
      }
    }
    const std::size_t header_end = script.find(']') + 1;
    for (std::size_t i = header_end; i < script.size(); ++i) {
      if (parts[i] != Part::kText || std::isspace(static_cast<unsigned char>(script[i]))) continue;
      bool in_unit = false;
      for (std::size_t u = 0; u < units.size(); ++u) {
        in_unit = in_unit || (accepted[u] && i >= units[u].begin && i < units[u].end);
      }
      const bool body_brace = i == script.find('{', header_end) || i + 1 == script.size();
      // A ";" alone is an empty entry: it holds nothing that could be lost.
      const bool empty_entry = script[i] == ';';
      // An extra "{" beside another cannot be told from it: one of them is
      // reported.
      const bool extra_brace = insert && i == at && script[i] == '{' && !result.findings.empty();
      if (in_unit || body_brace || empty_entry || extra_brace ||
          Covered(result.findings, i, i + 1)) {
        continue;
      }
      ADD_FAILURE() << "character '" << script[i] << "' at " << i << " neither read nor reported";
      break;
    }
  }
}

}  // namespace
}  // namespace kalvex::test
