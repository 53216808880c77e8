// libFuzzer target: the script reader over any bytes. Besides the sanitizers'
// checks it asserts that what the reader stores stays within its limits, that
// every finding lies within the script and names a line, that
// the script written from what it read reads back without findings, and that
// from then on writing and reading change nothing (the first writing may still
// cut a code of 16 to 18 characters).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "record/weapon_record.h"
#include "script/script_reader.h"
#include "script/script_writer.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kalvex;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  WeaponRecord record;
  const ReadResult result = ReadScript(bytes, record);
  Require(result.findings.size() <= kMaxKeptFindings);
  Require(result.findings_not_kept == 0 || result.findings.size() == kMaxKeptFindings);
  Require(!record.Weapcode.empty() && record.Weapcode.size() <= 18);
  Require(!record.WeapID.empty() && record.WeapID.size() <= 8);
  Require(!record.Weapname.empty() && record.Weapname.size() <= 69);
  Require(record.Weapmodl >= 0 && record.Weapmodl <= 14);
  Require(!result.utf16 || !result.header_found);
  for (const ReadFinding& finding : result.findings) {
    Require(finding.begin <= finding.end && finding.end <= size);
    Require(finding.line >= 1);
  }

  WeaponRecord written_once;
  const ReadResult second = ReadScript(WriteScript(record), written_once);
  Require(second.header_found);
  Require(second.findings.empty());

  const std::string settled = WriteScript(written_once);
  WeaponRecord written_twice;
  const ReadResult third = ReadScript(settled, written_twice);
  Require(third.header_found);
  Require(third.findings.empty());
  Require(written_twice == written_once);
  Require(WriteScript(written_twice) == settled);
  return 0;
}
