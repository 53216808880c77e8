// kalvex-tdf dump [--index N | --weapon CODE] FILE: reads a weapon of a script
// and prints the record it gives as the lines that `write` takes.
#include <ostream>

#include "tools/kalvex_tdf/check_findings.h"
#include "tools/kalvex_tdf/command.h"
#include "tools/kalvex_tdf/command_output.h"
#include "tools/kalvex_tdf/record_lines.h"
#include "tools/kalvex_tdf/script_input.h"
#include "tools/kalvex_tdf/weapon_selection.h"

namespace kalvex::tdf {
namespace {

int RunDump(const CommandContext& context) {
  const std::optional<SelectionWords> words = TakeWeaponSelection(context, kDumpCommand);
  if (!words) return kExitBadInput;
  if (words->rest.size() != 1) return RefuseArguments(context, kDumpCommand, "one script file");
  const std::string_view path = words->rest.front();
  const std::optional<ScriptDocument> document = OpenWeaponScript(context, path);
  if (!document) return kExitCannotRead;
  const std::optional<std::size_t> index =
      FindSelectedWeapon(context, path, *document, words->selection);
  if (!index) return kExitCannotRead;
  if (!words->selection.given() && document->weapons.size() > 1) {
    context.err << kProgram << ": " << DisplayName(path) << ": holds " << document->weapons.size()
                << " weapons; this is the first (--index N or --weapon CODE takes another)\n";
  }
  WeaponRecord record;
  NoteFindings(context, path, *document, *index, ReadWeapon(*document, *index, record));
  context.out << PrintRecordLines(record);
  return FlushStandardOutput(context) ? kExitOk : kExitCannotWrite;
}

}  // namespace

const Command kDumpCommand = {
    "dump",
    "[--index N | --weapon CODE] FILE",
    "print the weapon record read from a script, as the lines write takes",
    "Reads the weapon script FILE (\"-\": standard input) as the editor opens it\n"
    "and prints all 58 fields of one of its weapons, one line Name=value each, in\n"
    "the record's order, texts exactly as read. --index N takes the Nth weapon of\n"
    "the file (counted from 1, as list shows them), --weapon CODE the first weapon\n"
    "of that code (ASCII letter case ignored); without them the first weapon is\n"
    "printed, and standard error says how many the file holds when there are\n"
    "more. A list value of the mod's own that no list holds (a model, sound,\n"
    "explosion, barrel angle or render type, a beam colour pair that is not the\n"
    "list's) is printed as its text in double quotes (Weapsost=\"vortexfire\",\n"
    "Weapcol2=\"3 / 7\"), and a list that the weapon has no entry for, and that\n"
    "has no entry for none, as nothing (Weapexgaf=, Weapstyle=).\n"
    "write and set take these lines back, so dump then write gives that weapon\n"
    "as the editor writes a new script of it. Entries without a field, comments\n"
    "and the other weapons are not among the lines: set edits a weapon in its\n"
    "file and keeps them.\n"
    "The reader's findings are counted on standard error.\n"
    "Exit status: 0 printed, 1 FILE could not be read, held no weapon header, has\n"
    "no weapon of that number or code, or standard output failed, 2 bad\n"
    "arguments.\n",
    RunDump,
};

}  // namespace kalvex::tdf
