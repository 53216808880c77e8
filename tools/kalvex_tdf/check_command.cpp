// kalvex-tdf check FILE...: reads each script as the editor opens it and lists
// what the reader left out, what `write` would refuse, and the weapon IDs that
// more than one of the scripts uses.
#include <filesystem>
#include <ostream>
#include <string>

#include "record/record_fields.h"
#include "script/finding_text.h"
#include "tools/kalvex_tdf/command.h"
#include "tools/kalvex_tdf/command_output.h"
#include "tools/kalvex_tdf/record_lines.h"
#include "tools/kalvex_tdf/script_input.h"
#include "script/utf8_path.h"
#include "tools/kalvex_tdf/weapon_ids.h"

namespace kalvex::tdf {
namespace {

// The same file named twice (or by two paths) gives the same text.
std::string FileIdentity(std::string_view path) {
  std::error_code error;
  const std::filesystem::path canonical =
      std::filesystem::weakly_canonical(PathFromUtf8(path), error);
  return error ? std::string(path) : Utf8FromPath(canonical);
}

void ListFindings(std::string_view path, const ReadResult& read, std::ostream& out) {
  for (const ReadFinding& finding : read.findings) {
    out << path << ":" << finding.line << ": " << DescribeFinding(finding) << "\n";
  }
  if (read.findings_not_kept > 0) {
    out << path << ": " << read.findings_not_kept << " more findings not kept\n";
  }
}

// The code, name and ID that write would refuse, so that dump then write
// would not give the script back.
void ListRefusedTexts(std::string_view path, const WeaponRecord& record, std::ostream& out) {
  for (const RecordField& field : RecordFields()) {
    if (!field.IsText() || !ForbidsScriptPunctuation(field.name)) continue;
    const std::string& text = record.*field.text;
    const std::size_t at = text.find_first_of(kScriptPunctuation);
    if (at == std::string::npos) continue;
    out << path << ": " << field.name << " " << Quoted(text) << " holds "
        << Quoted(std::string_view(&text[at], 1)) << ", which write refuses\n";
  }
}

void ListSharedIds(const WeaponIdRegister& ids, std::ostream& out) {
  for (const SharedWeaponId& shared : ids.SharedIds()) {
    for (const std::string& file : shared.files) {
      out << file << ": weapon ID " << Quoted(shared.id) << " is also used by";
      const char* separator = " ";
      for (const std::string& other : shared.files) {
        if (&other == &file) continue;
        out << separator << other;
        separator = ", ";
      }
      out << "\n";
    }
  }
}

int RunCheck(const CommandContext& context) {
  if (context.args.empty()) return RefuseArguments(context, kCheckCommand, "one or more scripts");
  bool all_read = true;
  WeaponIdRegister ids;
  for (const std::string_view path : context.args) {
    WeaponRecord record;
    const std::optional<ReadResult> read = ReadWeaponScript(path, record, context.err);
    if (!read) {
      all_read = false;
      continue;
    }
    ListFindings(path, *read, context.out);
    ListRefusedTexts(path, record, context.out);
    ids.Add(path, FileIdentity(path), record.WeapID);
  }
  ListSharedIds(ids, context.out);
  if (!FlushStandardOutput(context)) return kExitCannotWrite;
  return all_read ? kExitOk : kExitCannotRead;
}

}  // namespace

const Command kCheckCommand = {
    "check",
    "FILE...",
    "list what reading the scripts skipped, cut or could not match",
    "Reads each weapon script as the editor opens it and prints one line per\n"
    "finding, FILE:LINE: what, on standard output:\n"
    "  skipped unknown key \"K\" [with value \"V\"]   an entry the editor does not know\n"
    "  cut overlong value of key \"K\" to \"V\"       a value longer than its field\n"
    "  cut overlong weapon code to \"V\"\n"
    "  could not match \"V\" of key \"K\"            a table text or render type it\n"
    "                                            does not know\n"
    "and, as FILE: what,\n"
    "  N more findings not kept                  past those the reader keeps\n"
    "  Weapname \"V\" holds \"C\", which write refuses\n"
    "                                            (likewise Weapcode and WeapID)\n"
    "  weapon ID \"ID\" is also used by OTHER...   the game needs each ID once\n"
    "Quoted texts show a quote or backslash after a backslash and control\n"
    "characters as \\xNN. Scripts that cannot be read are named on standard error.\n"
    "Exit status: 0 every script read (findings alone do not fail), 1 a script\n"
    "could not be read or held no weapon header, 2 bad arguments.\n",
    RunCheck,
};

}  // namespace kalvex::tdf
