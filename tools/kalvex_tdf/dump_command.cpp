// kalvex-tdf dump FILE: reads a weapon script and prints the record it gives
// as the lines that `write` takes.
#include <ostream>

#include "tools/kalvex_tdf/command.h"
#include "tools/kalvex_tdf/command_output.h"
#include "tools/kalvex_tdf/record_lines.h"
#include "tools/kalvex_tdf/script_input.h"

namespace kalvex::tdf {
namespace {

int RunDump(const CommandContext& context) {
  if (context.args.size() != 1) return RefuseArguments(context, kDumpCommand, "one script file");
  const std::string_view path = context.args.front();
  WeaponRecord record;
  const std::optional<ReadResult> read = ReadWeaponScript(context, path, record);
  if (!read) return kExitCannotRead;
  NoteFindings(context, path, *read);
  context.out << PrintRecordLines(record);
  return FlushStandardOutput(context) ? kExitOk : kExitCannotWrite;
}

}  // namespace

const Command kDumpCommand = {
    "dump",
    "FILE",
    "print the weapon record read from a script, as the lines write takes",
    "Reads the weapon script FILE (\"-\": standard input) as the editor opens it\n"
    "and prints all 58 fields of the weapon record, one line Name=value each, in\n"
    "the record's order, texts exactly as read. write takes these lines back, so dump then write "
    "gives the\n"
    "script as the editor saves it, for every script that check passes.\n"
    "The reader's findings are counted on standard error.\n"
    "Exit status: 0 printed, 1 FILE could not be read, held no weapon header or\n"
    "standard output failed, 2 bad arguments.\n",
    RunDump,
};

}  // namespace kalvex::tdf
