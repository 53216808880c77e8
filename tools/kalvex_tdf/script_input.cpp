#include "tools/kalvex_tdf/script_input.h"

#include <filesystem>

#include "script/script_file_reader.h"
#include "tools/kalvex_tdf/command.h"
#include "script/utf8_path.h"

namespace kalvex::tdf {
namespace {

constexpr std::size_t kMebibyte = 1024 * 1024;

void SayCannotLoad(ScriptFileStatus status, std::ostream& err) {
  switch (status) {
    case ScriptFileStatus::kRead:
      return;
    case ScriptFileStatus::kCannotOpen:
      err << "cannot open or read the file";
      return;
    case ScriptFileStatus::kNotAFile:
      err << "not a regular file";
      return;
    case ScriptFileStatus::kTooLarge:
      err << "larger than " << kMaxScriptFileSize / kMebibyte << " MiB, not a weapon script";
      return;
  }
}

}  // namespace

std::optional<ReadResult> ReadWeaponScript(std::string_view path, WeaponRecord& record,
                                           std::ostream& err) {
  ScriptFileResult result = ReadScriptFile(PathFromUtf8(path), record);
  if (!result.opened()) {
    err << kProgram << ": " << path << ": ";
    SayCannotLoad(result.status, err);
    err << "\n";
    return std::nullopt;
  }
  if (!result.read.header_found) {
    err << kProgram << ": " << path << ": no weapon header \"[\" ... \"]\" found\n";
    return std::nullopt;
  }
  return std::move(result.read);
}

void NoteFindings(std::string_view path, const ReadResult& read, std::ostream& err) {
  const std::size_t count = read.findings.size() + read.findings_not_kept;
  if (count == 0) return;
  err << kProgram << ": " << path << ": " << count << (count == 1 ? " entry" : " entries")
      << " skipped, cut or not matched; \"" << kProgram << " check\" lists them\n";
}

}  // namespace kalvex::tdf
