#include "tools/kalvex_tdf/script_input.h"

#include <filesystem>
#include <istream>

#include "script/finding_text.h"
#include "script/script_file_reader.h"
#include "script/utf8_path.h"
#include "tools/kalvex_tdf/command.h"

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

// Standard input, up to one byte more than a script may hold.
ScriptFileStatus LoadStandardInput(std::istream& in, std::string& bytes) {
  char chunk[64 * 1024];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > kMaxScriptFileSize) return ScriptFileStatus::kTooLarge;
  }
  return in.bad() ? ScriptFileStatus::kCannotOpen : ScriptFileStatus::kRead;
}

ScriptFileResult ReadFrom(const CommandContext& context, std::string_view path,
                          WeaponRecord& record) {
  if (path != kStandardInput) return ReadScriptFile(PathFromUtf8(path), record);
  ScriptFileResult result;
  std::string bytes;
  result.status = LoadStandardInput(context.in, bytes);
  if (result.opened()) result.read = ReadScript(bytes, record);
  return result;
}

bool HasControlCharacter(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
  }
  return false;
}

}  // namespace

std::string DisplayName(std::string_view path) {
  if (path == kStandardInput) return "(standard input)";
  return HasControlCharacter(path) ? Quoted(path) : std::string(path);
}

std::optional<ReadResult> ReadWeaponScript(const CommandContext& context, std::string_view path,
                                           WeaponRecord& record) {
  ScriptFileResult result = ReadFrom(context, path, record);
  if (!result.opened()) {
    context.err << kProgram << ": " << DisplayName(path) << ": ";
    SayCannotLoad(result.status, context.err);
    context.err << "\n";
    return std::nullopt;
  }
  if (result.read.utf16) {
    context.err << kProgram << ": " << DisplayName(path)
                << ": UTF-16 text, which the editor does not read; save it as ANSI or UTF-8\n";
    return std::nullopt;
  }
  if (!result.read.header_found) {
    context.err << kProgram << ": " << DisplayName(path)
                << ": no weapon header \"[\" ... \"]\" found\n";
    return std::nullopt;
  }
  return std::move(result.read);
}

void NoteFindings(const CommandContext& context, std::string_view path, const ReadResult& read) {
  const std::size_t count = read.findings.size() + read.findings_not_kept;
  if (count == 0) return;
  context.err << kProgram << ": " << DisplayName(path) << ": " << count
              << (count == 1 ? " finding" : " findings")
              << " (skipped, cut, unmatched or out of place); \"" << kProgram
              << " check\" lists them\n";
}

}  // namespace kalvex::tdf
