#include "tools/kalvex_tdf/script_input.h"

#include <filesystem>
#include <istream>

#include "script/finding_text.h"
#include "script/script_file_reader.h"
#include "script/utf8_path.h"
#include "tools/kalvex_tdf/command.h"

namespace kalvex::tdf {
namespace {

bool HasControlCharacter(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
  }
  return false;
}

}  // namespace

std::optional<FileRefusal> ReadStandardInput(std::istream& in, std::string& bytes) {
  char chunk[64 * 1024];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > kMaxScriptFileSize) return LoadRefusal(ScriptFileStatus::kTooLarge, {}, {});
  }
  if (in.bad()) {
    return LoadRefusal(ScriptFileStatus::kCannotOpen, {},
                       std::make_error_code(std::errc::io_error));
  }
  return std::nullopt;
}

std::string DisplayName(std::string_view path) {
  if (path == kStandardInput) return "(standard input)";
  return DisplayWord(path);
}

std::string DisplayWord(std::string_view word) {
  return HasControlCharacter(word) ? Quoted(word) : std::string(word);
}

std::optional<ScriptDocument> OpenWeaponScript(const CommandContext& context, std::string_view path,
                                               std::string* refusal) {
  ScriptDocument document;
  std::optional<FileRefusal> refused;
  if (path == kStandardInput) {
    std::string bytes;
    refused = ReadStandardInput(context.in, bytes);
    if (!refused) {
      document = OpenScript(std::move(bytes));
      refused = NoWeaponRefusal(document);
    }
  } else {
    refused = OpenScriptFile(PathFromUtf8(path), document);
  }
  if (!refused) return document;
  std::string told = TellRefusal(context, path, *refused);
  if (refusal) *refusal = std::move(told);
  return std::nullopt;
}

std::string TellRefusal(const CommandContext& context, std::string_view path,
                        const FileRefusal& refusal) {
  std::string told = std::string(FailureMessage(refusal.failure)) + ": " + refusal.reason;
  context.err << kProgram << ": " << DisplayName(path) << ": " << told << "\n";
  return told;
}

}  // namespace kalvex::tdf
