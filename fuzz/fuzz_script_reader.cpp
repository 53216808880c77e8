// libFuzzer target: the script reader and the in-place save over any bytes.
// Besides the sanitizers' checks it asserts that every finding lies within
// the script and names a line; that the script written from what was read
// reads back with no finding but numbers that are not numbers, and from then
// on writing and reading change nothing; and that a weapon of the input,
// given one change and saved in place, reads back with that change, its
// other weapons as they were (or the save refuses).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "record/record_fields.h"
#include "script/script_document.h"
#include "script/script_reader.h"
#include "script/script_writer.h"

namespace {

using kalvex::WeaponRecord;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool OnlyNumberFindings(const kalvex::ReadResult& result) {
  for (const kalvex::ReadFinding& finding : result.findings) {
    if (finding.kind != kalvex::FindingKind::kNotANumber) return false;
  }
  return true;
}

void CheckReader(std::string_view bytes) {
  using namespace kalvex;
  WeaponRecord record;
  const ReadResult result = ReadScript(bytes, record);
  Require(result.findings.size() <= kMaxKeptFindings);
  Require(result.findings_not_kept == 0 || result.findings.size() == kMaxKeptFindings);
  Require(!record.Weapcode.empty() && !record.WeapID.empty() && !record.Weapname.empty());
  Require(record.Weapmodl >= 0 && record.Weapmodl <= 14);
  Require(!result.utf16 || !result.header_found);
  for (const ReadFinding& finding : result.findings) {
    Require(finding.begin <= finding.end && finding.end <= bytes.size());
    Require(finding.line >= 1);
  }

  WeaponRecord written_once;
  const ReadResult second = ReadScript(WriteScript(record), written_once);
  Require(second.header_found);
  Require(OnlyNumberFindings(second));

  const std::string settled = WriteScript(written_once);
  WeaponRecord written_twice;
  const ReadResult third = ReadScript(settled, written_twice);
  Require(third.header_found);
  Require(OnlyNumberFindings(third));
  Require(written_twice == written_once);
  Require(WriteScript(written_twice) == settled);
}

// One change of a field, picked by `choice`, in a form that reads back as
// it stands.
void Change(unsigned choice, WeaponRecord& r) {
  switch (choice % 8) {
    case 0:
      r.Weaprange = "950";
      break;
    case 1:
      r.Weapreload = choice & 8 ? kalvex::kResetText : "0.25";
      break;
    case 2:
      r.Weaptrak = 1 - (r.Weaptrak == 1);
      break;
    case 3:
      r.Weapstyle = static_cast<int>(choice / 8 % 4) - 1;
      break;
    case 4:
      r.own.Weapsoht = "vortexhit";
      break;
    case 5:
      r.Weapcol2 = static_cast<int>(choice / 8 % 5);
      break;
    case 6:
      r.Weapname = "Heavy Vortex";
      break;
    default:
      r.Weapdamage = "1234";
      break;
  }
}

// The record with the index of every table field that has an own text
// cleared: beside an own text the index means nothing.
WeaponRecord WithoutShadowedIndices(WeaponRecord r) {
  for (const kalvex::RecordField& field : kalvex::kRecordFields) {
    if (field.own && !(r.own.*field.own).empty()) r.*field.number = -1;
  }
  return r;
}

void CheckSave(std::string_view bytes, unsigned choice) {
  using namespace kalvex;
  const ScriptDocument document = OpenScript(std::string(bytes));
  if (document.weapons.empty()) return;
  const std::size_t index = choice % document.weapons.size();
  WeaponRecord edited;
  ReadWeapon(document, index, edited);
  Change(choice / 7, edited);
  const SavedText saved = SaveWeapon(document, index, edited);
  if (!saved.ok()) return;
  const ScriptDocument reopened = OpenScript(saved.text);
  Require(reopened.weapons.size() == document.weapons.size());
  for (std::size_t i = 0; i < document.weapons.size(); ++i) {
    WeaponRecord before;
    ReadWeapon(document, i, before);
    WeaponRecord after;
    ReadWeapon(reopened, i, after);
    Require(WithoutShadowedIndices(after) == WithoutShadowedIndices(i == index ? edited : before));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckReader(bytes);
  unsigned choice = 0;
  for (std::size_t i = 0; i < size && i < 4; ++i) choice = choice * 31 + data[i];
  CheckSave(bytes, choice);
  return 0;
}
