// kalvex-tdf normalize IN OUT: reads a weapon script and writes it again as
// the editor saves it.
#include "script/script_writer.h"
#include "tools/kalvex_tdf/command.h"
#include "tools/kalvex_tdf/command_output.h"
#include "tools/kalvex_tdf/script_input.h"

namespace kalvex::tdf {
namespace {

int RunNormalize(const CommandContext& context) {
  if (context.args.size() != 2) {
    return RefuseArguments(context, kNormalizeCommand,
                           "a script file and an output file (\"-\" for standard output)");
  }
  const std::string_view source = context.args[0];
  WeaponRecord record;
  const std::optional<ReadResult> read = ReadWeaponScript(context, source, record);
  if (!read) return kExitCannotRead;
  NoteFindings(context, source, *read);
  return WriteScriptTo(context, context.args[1], WriteScript(record));
}

}  // namespace

const Command kNormalizeCommand = {
    "normalize",
    "IN OUT",
    "read a weapon script and write it again as the editor saves it",
    "Reads the weapon script IN (\"-\": standard input) as the editor opens it and\n"
    "writes the weapon to OUT, or to standard output for \"-\", byte for byte as\n"
    "the editor saves it. What the reader reported (entries skipped, cut, not\n"
    "matched, text after the weapon) is not carried over; the number of findings\n"
    "is given on standard error. When IN cannot be read or holds no weapon\n"
    "header, nothing is written. OUT may be IN.\n"
    "Exit status: 0 written, 1 IN could not be read, held no weapon header or OUT\n"
    "could not be written, 2 bad arguments.\n",
    RunNormalize,
};

}  // namespace kalvex::tdf
