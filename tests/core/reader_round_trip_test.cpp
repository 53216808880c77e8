// Random weapon records written, read and written again.
//
// For tame records (no blanks around code, ID or name, render type 0 to 7, style 0 to 2, beam flag
// 0 or 1, a beam colour 0 to 4 on a beam weapon, explosions within their tables, numeric texts
// without tabs, line ends (but where the bounded form ends) or ";" and "}") the second script
// equals the first byte for byte, and the record read equals CarriedBy(record): the record as far
// as a script can carry it. Any record at all, once read from its script, is written and read
// again in the same way.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "reader_test_support.h"
#include "record/record_fields.h"
#include "script/number_text.h"
#include "script/script_reader.h"
#include "script/script_writer.h"
#include "script/value_tables.h"

namespace kalvex::test {
namespace {

constexpr int kRecords = 2000;
constexpr unsigned kSeed = 20240601;

// The texts written with the guarded form: up to the first blank, left out
// when empty, beginning with a blank, or zero.
constexpr std::string R::*kGuardedTexts[] = {
    &R::Weapreload, &R::Weapenps, &R::Weaptime, &R::Weapfght, &R::Weapcovg, &R::Weapspeed,
    &R::Weapstsp,   &R::Weapaccl, &R::Weapefft, &R::Weapbrst, &R::Weapbsta, &R::Weapspry,
    &R::Weaprand,   &R::Weapeftn, &R::Weapfire, &R::Weapaccu, &R::Weaprate, &R::Weaptolr,
    &R::Weapmet,    &R::Weapenr,  &R::Weapturn};

// The texts written with the bounded form: always, up to a blank or line feed.
constexpr std::string R::*kBoundedTexts[] = {&R::Weaprange, &R::Weapdamage, &R::Weapsmdl};

constexpr int R::*kFlags[] = {&R::Weaptur,  &R::Weapguid, &R::Weapxpld, &R::Weapauto, &R::Weaptrak,
                              &R::Weapsprp, &R::Weapwatr, &R::Weapparl, &R::Weapcomm, &R::Weapsmtl,
                              &R::Weapsotg, &R::Weapsmst, &R::Weapprop, &R::Weapsmed, &R::Weapunit,
                              &R::Weapbunc, &R::Weapblow};

std::string Guarded(const std::string& text) {
  if (text.empty() || text[0] == ' ') return kResetText;
  const std::string value = text.substr(0, text.find(' '));
  return IsZeroNumber(value) ? kResetText : value;
}

std::string Bounded(const std::string& text) {
  return text.substr(0, std::min(text.find(' '), text.find('\n')));
}

std::string Trimmed(std::string text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return kResetText;
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

int Within(int value, int first, int last, int otherwise) {
  return value >= first && value <= last ? value : otherwise;
}

// What a script written from `r` carries back.
WeaponRecord CarriedBy(const WeaponRecord& r) {
  WeaponRecord c = r;
  c.Weapcode = Trimmed(r.Weapcode);
  c.WeapID = Trimmed(r.WeapID);
  c.Weapname = Trimmed(r.Weapname);
  for (const auto member : kGuardedTexts) c.*member = Guarded(r.*member);
  if (r.Weapguid != 1) c.Weapturn = kResetText;
  for (const auto member : kBoundedTexts) c.*member = Bounded(r.*member);
  if (r.Weapsmdl == kResetText) c.Weapsmdl = kResetText;
  for (const auto member : kFlags) c.*member = r.*member == 1 ? 1 : 0;
  c.Weapbeam = r.Weapbeam == 1 ? 1 : 0;
  c.Weapstyle = Within(r.Weapstyle, 0, 2, kNoEntry);
  // A render type outside the list is written as a number, read back as an
  // own text; kNoEntry writes none.
  if (r.own.Weaprend.empty()) {
    c.Weaprend = Within(r.Weaprend, 0, 7, kNoEntry);
    if (c.Weaprend == kNoEntry && r.Weaprend != kNoEntry)
      c.own.Weaprend = std::to_string(r.Weaprend);
  }
  if (r.own.Weapbarr.empty()) c.Weapbarr = Within(r.Weapbarr, 1, 9, 0);
  c.Weapmodl = r.Weapbeam == 0 ? Within(r.Weapmodl, 0, 13, 14) : 14;
  if (r.Weapbeam != 1) c.own.Weapcol2.clear();
  if (c.own.Weapcol2.empty())
    c.Weapcol2 = r.Weapbeam == 1 ? Within(r.Weapcol2, 0, 4, kNoEntry) : kNoEntry;
  for (const auto member : {&R::Weapexgaf, &R::Weapwtgaf, &R::Weaplagaf})
    c.*member = Within(r.*member, 0, 1, kNoEntry);
  for (const auto member : {&R::Weapexart, &R::Weapwtart, &R::Weaplaart})
    c.*member = Within(r.*member, 0, 11, kNoEntry);
  c.Weapsost = Within(r.Weapsost, 0, 30, 31);
  c.Weapsoht = Within(r.Weapsoht, 0, 20, 21);
  return c;
}

// Findings other than numbers that are not decimal numbers, which the writer
// writes as they stand.
std::vector<ReadFinding> OtherThanNumbers(std::vector<ReadFinding> findings) {
  std::erase_if(findings, [](const ReadFinding& f) { return f.kind == FindingKind::kNotANumber; });
  return findings;
}

class RecordMaker {
 public:
  explicit RecordMaker(unsigned seed) : random_(seed) {}

  // A record within the reader's limits.
  WeaponRecord Tame() {
    WeaponRecord r;
    r.Weapcode = HeaderText(15, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-;[{}=/*");
    r.WeapID = HeaderText(8, "0123456789AB/=");
    r.Weapname = Name();
    for (const auto member : kGuardedTexts) r.*member = NumericText(false);
    for (const auto member : kBoundedTexts) r.*member = NumericText(true);
    if (Chance(8)) r.Weapsmdl = "   ";
    for (const auto member : kFlags) r.*member = Chance(10) ? Number(-1, 2) : Number(0, 1);
    r.Weapbeam = Number(0, 1);
    r.Weapstyle = Number(0, 2);
    r.Weaprend = Number(0, 7);
    r.Weapbarr = Number(-1, 11);
    r.Weapmodl = Number(-1, 16);
    r.Weapcol2 = r.Weapbeam == 1 ? Number(0, 4) : Number(-2, 7);
    r.Weapsost = Number(-1, 33);
    r.Weapsoht = Number(-1, 23);
    for (const auto member : {&R::Weapexgaf, &R::Weapwtgaf, &R::Weaplagaf})
      r.*member = Number(0, 1);
    for (const auto member : {&R::Weapexart, &R::Weapwtart, &R::Weaplaart})
      r.*member = Number(0, 11);
    return r;
  }

  // A record of any values, texts of any bytes.
  WeaponRecord Wild() {
    WeaponRecord r;
    for (const RecordField& field : kRecordFields) {
      if (field.IsText()) {
        r.*field.text = AnyBytes(Number(0, 80));
      } else {
        r.*field.number = Number(-3, 40);
      }
    }
    return r;
  }

 private:
  int Number(int first, int last) { return std::uniform_int_distribution(first, last)(random_); }
  bool Chance(int one_in) { return Number(1, one_in) == 1; }
  char OneOf(std::string_view chars) {
    return chars[static_cast<std::size_t>(Number(0, static_cast<int>(chars.size()) - 1))];
  }

  // The reset text, or characters with blanks only inside.
  std::string HeaderText(int longest, std::string_view chars) {
    if (Chance(8)) return kResetText;
    std::string text;
    const int length = Number(1, longest);
    for (int i = 0; i < length; ++i) {
      text += i > 0 && i < length - 1 && Chance(6) ? ' ' : OneOf(chars);
    }
    return text;
  }

  // Up to 80 characters; the writer keeps 69, and never ends them in a blank.
  std::string Name() {
    if (Chance(8)) return kResetText;
    std::string text;
    const int length = Number(1, 80);
    for (int i = 0; i < length; ++i) {
      const bool inside = i > 0 && i < length - 1 && i != 68;
      if (inside && Chance(7)) {
        text += OneOf(" \t");
      } else if (Chance(20)) {
        text += static_cast<char>(Number(0x80, 0xFF));
      } else {
        text += static_cast<char>(Number(0x21, 0x7E));
        if (text.back() == ';') text.back() = ':';
      }
    }
    return text;
  }

  // The bounded form stops at a line feed, the guarded form does not.
  std::string NumericText(bool bounded) {
    switch (Number(0, 9)) {
      case 0:
        return kResetText;
      case 1:
        return "";
      case 2:
        return "0" + Digits(Number(0, 3));
      case 3:
        return " " + Digits(Number(1, 3));
      case 4:
        return Digits(Number(1, 3)) + " " + Digits(Number(1, 3));
      case 5:
        return Digits(Number(1, 3)) + (bounded ? "\n" : "") + Digits(Number(1, 3));
      case 6:
        return Digits(Number(8, 20));
      default:
        return Digits(Number(1, 7));
    }
  }

  std::string Digits(int length) {
    std::string text;
    for (int i = 0; i < length; ++i) text += OneOf(Chance(4) ? ".-+eE/*=[{" : "0123456789");
    if (!text.empty() && text[0] == '0') text[0] = '1';
    return text;
  }

  std::string AnyBytes(int length) {
    std::string text;
    for (int i = 0; i < length; ++i) {
      text += Chance(3) ? OneOf(" \t\r\n;=[]{}/*0") : static_cast<char>(Number(1, 255));
    }
    return text;
  }

  std::mt19937 random_;
};

TEST(ReaderRoundTrip, RecordsWithinLimitsComeBackAsTheScriptCarriesThem) {
  RecordMaker maker(kSeed);
  for (int i = 0; i < kRecords; ++i) {
    const WeaponRecord record = maker.Tame();
    const std::string script = WriteScript(record);
    WeaponRecord read = DirtyRecord();
    const ReadResult result = ReadScript(script, read);
    SCOPED_TRACE("record " + std::to_string(i) + ":\n" + script);
    ASSERT_TRUE(result.header_found);
    ASSERT_EQ(OtherThanNumbers(result.findings), std::vector<ReadFinding>{});
    ASSERT_EQ(Differences(CarriedBy(record), read), "");
    ASSERT_EQ(WriteScript(read), script);
  }
}

TEST(ReaderRoundTrip, AnyRecordSettlesAfterOneRead) {
  RecordMaker maker(kSeed + 1);
  for (int i = 0; i < kRecords; ++i) {
    WeaponRecord first;
    ReadScript(WriteScript(maker.Wild()), first);
    WeaponRecord second;
    const ReadResult result = ReadScript(WriteScript(first), second);
    SCOPED_TRACE("record " + std::to_string(i) + ":\n" + WriteScript(first));
    ASSERT_TRUE(result.header_found);
    ASSERT_EQ(OtherThanNumbers(result.findings), std::vector<ReadFinding>{});
    ASSERT_EQ(Differences(CarriedBy(first), second), "");
    const std::string settled = WriteScript(second);
    WeaponRecord third;
    ReadScript(settled, third);
    ASSERT_EQ(Differences(second, third), "");
    ASSERT_EQ(WriteScript(third), settled);
  }
}

TEST(ReaderRoundTrip, LongCodeAndNameComeBackWhole) {
  WeaponRecord first;
  ReadScript("[ABCDEFGHIJKLMN OPQRSTUVWXYZ_MK2]{name=" + std::string(300, 'n') + ";}", first);
  WeaponRecord second;
  ReadScript(WriteScript(first), second);
  EXPECT_EQ(second.Weapcode, "ABCDEFGHIJKLMN OPQRSTUVWXYZ_MK2");
  EXPECT_EQ(second.Weapname, std::string(300, 'n'));
}

}  // namespace
}  // namespace kalvex::test
