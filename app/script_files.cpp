#include <filesystem>
#include <string>
#include <string_view>

#include "app/kalvex.h"
#include "script/finding_text.h"
#include "script/save_file.h"
#include "script/script_file_reader.h"
#include "script/script_writer.h"
#include "script/utf8_path.h"
#include "script/utf8_text.h"

namespace {

constexpr unsigned kErrorBox = MB_ICONEXCLAMATION | MB_OK;

constexpr std::string_view kNoHeader =
    "It has no line with a weapon code in brackets, such as [GUN]";
constexpr std::string_view kUtf16 =
    "It is UTF-16 text, which the editor does not read; save it as ANSI or UTF-8";

constexpr std::string_view kUnreadableReplaced =
    "It does not hold a weapon script that this editor can read; replacing it loses its "
    "contents.\n";

// At most this many findings are listed, so that the message fits a screen.
constexpr std::size_t kListedFindings = 15;

std::string FindingsMessage(const kalvex::ReadResult& read) {
  std::string text =
      "Some entries of this script cannot be kept by the editor\n"
      "and will not be written back when you save:\n\n";
  const std::size_t total = read.findings.size() + read.findings_not_kept;
  for (std::size_t i = 0; i < read.findings.size() && i < kListedFindings; ++i) {
    const kalvex::ReadFinding& finding = read.findings[i];
    text += "Line " + std::to_string(finding.line) + ": " +
            kalvex::Utf8FromLatin1(kalvex::DescribeFinding(finding)) + "\n";
  }
  if (total > kListedFindings) {
    text += "... and " + std::to_string(total - kListedFindings) + " more.\n";
  }
  return text;
}

// A file's name as a message shows it: in the system's separators, in UTF-8
// whatever bytes the name is made of.
std::string ShownName(const std::string& path) {
  return kalvex::Utf8ForDisplay(kalvex::Utf8FromPath(kalvex::PathFromUtf8(path).make_preferred()));
}

// The message of a file error: its first line, then the file and why.
std::string FileErrorMessage(std::string_view firstLine, const std::string& path,
                             std::string_view reason) {
  return std::string(firstLine) + "\n\n" + ShownName(path) + "\n" + std::string(reason);
}

// Whether the file at `path` reads as a weapon script.
bool HoldsWeaponScript(const std::string& path) {
  kalvex::WeaponRecord scratch;
  const kalvex::ScriptFileResult result =
      kalvex::ReadScriptFile(kalvex::PathFromUtf8(path), scratch);
  return result.opened() && result.read.header_found;
}

}  // namespace

bool TMachines::ConfirmReplace(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(kalvex::PathFromUtf8(path), error)) return true;
  // What the editor cannot read is lost once replaced: then No is what Enter gives.
  const bool readable = HoldsWeaponScript(path);
  std::string question = ShownName(path) + " Already Exists.\n";
  if (!readable) question += kUnreadableReplaced;
  question += "Do You Want To Replace It?";
  const unsigned type = MB_YESNO | MB_ICONEXCLAMATION | (readable ? MB_DEFBUTTON1 : MB_DEFBUTTON2);
  return MessageBox(question, "Warning...", type) == IDYES;
}

bool TMachines::SaveFile() {
  const kalvex::SaveResult result =
      kalvex::SaveScriptFile(FileData->FileName, kalvex::WriteScript(Weapon));
  if (!result.ok()) {
    MessageBox(FileErrorMessage(result.message, FileData->FileName, result.reason), result.caption,
               kErrorBox);
  }
  return result.ok();
}

void TMachines::OpenFile() {
  const kalvex::ScriptFileResult result =
      kalvex::ReadScriptFile(kalvex::PathFromUtf8(FileData->FileName), Weapon);
  keptWeapon_ = Weapon;
  if (!result.opened()) {
    MessageBox(FileErrorMessage("Unable to open file", FileData->FileName, result.reason),
               "File Error", kErrorBox);
  } else if (!result.read.header_found) {
    const std::string_view reason = result.read.utf16 ? kUtf16 : kNoHeader;
    MessageBox(FileErrorMessage("No weapon found in file", FileData->FileName, reason),
               "File Error", kErrorBox);
  } else if (!result.read.findings.empty()) {
    MessageBox(FindingsMessage(result.read), "Warning...", kErrorBox);
  }
  if (!result.opened() || !result.read.header_found) ForgetUnreadFile();
}

void TMachines::ForgetUnreadFile() {
  // The next dialog opens in the file's folder with no name, so that Enter
  // does not save an empty weapon over a file the editor could not read.
  FileData->InitialDir =
      kalvex::Utf8FromPath(kalvex::PathFromUtf8(FileData->FileName).parent_path());
  FileData->FileName.clear();
}
