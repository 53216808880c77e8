// Helpers shared by the reader tests: scripts around a few entries, and the
// record that a script without entries reads as.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "record/record_fields.h"
#include "record/weapon_record.h"
#include "script/finding_text.h"
#include "script/script_reader.h"

namespace kalvex {

inline void PrintTo(const ReadFinding& f, std::ostream* os) {
  *os << FindingKindName(f.kind) << " line " << f.line << " key \"" << f.key << "\" value \""
      << f.value << "\"";
}

}  // namespace kalvex

namespace kalvex::test {

// A weapon "T" whose body holds `entries`; the entries begin on line 3.
inline std::string InBody(const std::string& entries) { return "[T]\n{\n" + entries + "\n}"; }

// What a script with the header "[T]" and no entries reads as: the lists
// that have an entry for none show it, the others none.
inline WeaponRecord EmptyWeapon() {
  WeaponRecord r;
  r.Weapcode = "T";
  r.Weapmodl = 14;
  r.Weapstyle = kNoEntry;
  r.Weaprend = kNoEntry;
  r.Weapcol2 = kNoEntry;
  r.Weapexgaf = r.Weapexart = kNoEntry;
  r.Weapwtgaf = r.Weapwtart = kNoEntry;
  r.Weaplagaf = r.Weaplaart = kNoEntry;
  return r;
}

// A record that no read gives: every field, and every own text, differs from
// its reset value.
inline WeaponRecord DirtyRecord() {
  WeaponRecord r;
  for (const RecordField& field : kRecordFields) {
    if (field.IsText()) {
      r.*field.text = "dirty";
    } else {
      r.*field.number = 77;
    }
    if (field.own) r.own.*field.own = "dirty";
  }
  return r;
}

struct ReadOutcome {
  WeaponRecord record;
  ReadResult result;
};

inline ReadOutcome Read(std::string_view script) {
  ReadOutcome out{DirtyRecord(), {}};
  out.result = ReadScript(script, out.record);
  return out;
}

// Names the fields in which two records differ, for readable failures.
// Beside an own text the index means nothing, and is not compared.
inline std::string Differences(const WeaponRecord& expected, const WeaponRecord& actual) {
  std::string out;
  for (const RecordField& field : kRecordFields) {
    const bool own = field.own && !(expected.own.*field.own).empty() &&
                     expected.own.*field.own == actual.own.*field.own;
    if (field.IsText() && expected.*field.text != actual.*field.text) {
      out += std::string(field.name) + ": expected \"" + expected.*field.text + "\", got \"" +
             actual.*field.text + "\"\n";
    } else if (!field.IsText() && !own && expected.*field.number != actual.*field.number) {
      out += std::string(field.name) + ": expected " + std::to_string(expected.*field.number) +
             ", got " + std::to_string(actual.*field.number) + "\n";
    }
  }
  for (const RecordField& field : kRecordFields) {
    if (field.own && expected.own.*field.own != actual.own.*field.own) {
      out += "own." + std::string(field.name) + ": expected \"" + expected.own.*field.own +
             "\", got \"" + actual.own.*field.own + "\"\n";
    }
  }
  return out;
}

inline ReadFinding Skipped(std::size_t line, std::string key, std::string value = {}) {
  return {FindingKind::kSkippedKey, line, std::move(key), std::move(value)};
}
inline ReadFinding Unmatched(std::size_t line, std::string key, std::string value) {
  return {FindingKind::kUnmatchedValue, line, std::move(key), std::move(value)};
}

inline ReadFinding Repeated(std::size_t line, std::string key, std::string value) {
  return {FindingKind::kRepeatedKey, line, std::move(key), std::move(value)};
}
inline ReadFinding NotANumber(std::size_t line, std::string key, std::string value) {
  return {FindingKind::kNotANumber, line, std::move(key), std::move(value)};
}

inline ReadFinding MissingSemicolon(std::size_t line, std::string key, std::string value) {
  return {FindingKind::kMissingSemicolon, line, std::move(key), std::move(value)};
}
inline ReadFinding AfterWeapon(std::size_t line, std::string what) {
  return {FindingKind::kAfterWeapon, line, std::move(what), {}};
}
inline ReadFinding UnclosedSection(std::size_t line, std::string name) {
  return {FindingKind::kUnclosedSection, line, std::move(name), {}};
}
inline ReadFinding BeforeHeader(std::size_t line, std::string passed_over) {
  return {FindingKind::kBeforeHeader, line, {}, std::move(passed_over)};
}
inline ReadFinding UnclosedComment(std::size_t line) {
  return {FindingKind::kUnclosedComment, line, "/*", {}};
}

using R = WeaponRecord;
using O = OwnTexts;

// One member of an expected record and the value it holds.
struct Set {
  Set(std::string R::*member, std::string value) : apply([=](R& r) { r.*member = value; }) {}
  Set(int R::*member, int value) : apply([=](R& r) { r.*member = value; }) {}
  Set(std::string O::*member, std::string value) : apply([=](R& r) { r.own.*member = value; }) {}
  std::function<void(R&)> apply;
};

// A change of a record that sets each of `sets` in turn.
inline std::function<void(R&)> Sets(std::vector<Set> sets) {
  return [sets = std::move(sets)](R& r) {
    for (const Set& set : sets) set.apply(r);
  };
}

// One case of a table: the script, how its record differs from EmptyWeapon()
// and what the reader reports.
struct ReadCase {
  std::string name;
  std::string script;
  std::function<void(WeaponRecord&)> change;
  std::vector<ReadFinding> findings = {};
};

// The findings of a case, named in its row.
inline std::vector<ReadFinding> Found(std::vector<ReadFinding> findings) { return findings; }

inline void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

inline std::string CaseName(const testing::TestParamInfo<ReadCase>& info) {
  return info.param.name;
}

inline void ExpectCase(const ReadCase& c) {
  SCOPED_TRACE(c.name);
  const ReadOutcome out = Read(c.script);
  WeaponRecord expected = EmptyWeapon();
  c.change(expected);
  EXPECT_TRUE(out.result.header_found);
  EXPECT_EQ(Differences(expected, out.record), "");
  EXPECT_EQ(out.result.findings, c.findings);
  EXPECT_EQ(out.result.findings_not_kept, 0u);
}

}  // namespace kalvex::test
