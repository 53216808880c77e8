#include "tools/kalvex_tdf/script_input.h"

#include <filesystem>
#include <istream>

#include "script/finding_text.h"
#include "script/script_file_reader.h"
#include "script/utf8_path.h"
#include "tools/kalvex_tdf/command.h"

namespace kalvex::tdf {
namespace {

// Standard input, refused once it holds more than a script may.
std::optional<FileRefusal> LoadStandardInput(std::istream& in, ScriptDocument& document) {
  std::string bytes;
  char chunk[64 * 1024];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > kMaxScriptFileSize) return LoadRefusal(ScriptFileStatus::kTooLarge, {}, {});
  }
  if (in.bad()) {
    return LoadRefusal(ScriptFileStatus::kCannotOpen, {},
                       std::make_error_code(std::errc::io_error));
  }
  document = OpenScript(std::move(bytes));
  return NoWeaponRefusal(document);
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

std::optional<FileRefusal> LoadWeaponScript(const CommandContext& context, std::string_view path,
                                            ScriptDocument& document) {
  if (path == kStandardInput) return LoadStandardInput(context.in, document);
  return OpenScriptFile(PathFromUtf8(path), document);
}

std::optional<ScriptDocument> OpenWeaponScript(const CommandContext& context,
                                               std::string_view path) {
  ScriptDocument document;
  if (const std::optional<FileRefusal> refusal = LoadWeaponScript(context, path, document)) {
    TellRefusal(context, path, *refusal);
    return std::nullopt;
  }
  return document;
}

std::string RefusalText(const FileRefusal& refusal) {
  return std::string(FailureMessage(refusal.failure)) + ": " + refusal.reason;
}

void TellRefusal(const CommandContext& context, std::string_view path, const FileRefusal& refusal) {
  context.err << kProgram << ": " << DisplayName(path) << ": " << RefusalText(refusal) << "\n";
}

void NoteFindings(const CommandContext& context, std::string_view path, const ReadResult& read) {
  const std::size_t count = read.findings.size() + read.findings_not_kept;
  if (count == 0) return;
  context.err << kProgram << ": " << DisplayName(path) << ": " << count
              << (count == 1 ? " finding" : " findings") << "; \"" << kProgram
              << " check\" lists them\n";
}

}  // namespace kalvex::tdf
