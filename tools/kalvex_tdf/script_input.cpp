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

ScriptFileStatus LoadFrom(const CommandContext& context, std::string_view path,
                          std::string& bytes) {
  if (path != kStandardInput) return LoadScriptFile(PathFromUtf8(path), bytes);
  return LoadStandardInput(context.in, bytes);
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
  return DisplayWord(path);
}

std::string DisplayWord(std::string_view word) {
  return HasControlCharacter(word) ? Quoted(word) : std::string(word);
}

std::optional<ScriptDocument> OpenWeaponScript(const CommandContext& context,
                                               std::string_view path) {
  std::string bytes;
  const ScriptFileStatus status = LoadFrom(context, path, bytes);
  if (status != ScriptFileStatus::kRead) {
    context.err << kProgram << ": " << DisplayName(path) << ": ";
    SayCannotLoad(status, context.err);
    context.err << "\n";
    return std::nullopt;
  }
  ScriptDocument document = OpenScript(std::move(bytes));
  if (document.utf16) {
    context.err << kProgram << ": " << DisplayName(path)
                << ": UTF-16 text, which the editor does not read; save it as ANSI or UTF-8\n";
    return std::nullopt;
  }
  if (document.weapons.empty()) {
    context.err << kProgram << ": " << DisplayName(path)
                << ": no weapon header \"[\" ... \"]\" found\n";
    return std::nullopt;
  }
  return document;
}

void NoteFindings(const CommandContext& context, std::string_view path, const ReadResult& read) {
  const std::size_t count = read.findings.size() + read.findings_not_kept;
  if (count == 0) return;
  context.err << kProgram << ": " << DisplayName(path) << ": " << count
              << (count == 1 ? " finding" : " findings") << "; \"" << kProgram
              << " check\" lists them\n";
}

}  // namespace kalvex::tdf
