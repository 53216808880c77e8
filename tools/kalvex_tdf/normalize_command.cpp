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
  const std::optional<ReadResult> read = ReadWeaponScript(source, record, context.err);
  if (!read) return kExitCannotRead;
  NoteFindings(source, *read, context.err);
  return WriteScriptTo(context, context.args[1], WriteScript(record));
}

}  // namespace

const Command kNormalizeCommand = {
    "normalize",
    "IN OUT",
    "read a weapon script and write it again as the editor saves it",
    "Reads the weapon script IN as the editor opens it and writes the weapon to\n"
    "OUT, or to standard output for \"-\", byte for byte as the editor saves it.\n"
    "Entries the reader skipped, cut or could not match are not carried over;\n"
    "their number is given on standard error. When IN cannot be read or holds no\n"
    "weapon header, nothing is written. OUT may be IN.\n"
    "Exit status: 0 written, 1 IN could not be read, held no weapon header or OUT\n"
    "could not be written, 2 bad arguments.\n",
    RunNormalize,
};

}  // namespace kalvex::tdf
