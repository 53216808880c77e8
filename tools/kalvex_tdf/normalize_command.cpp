// kalvex-tdf normalize [--index N | --weapon CODE] IN OUT: reads a weapon of a
// script and writes it again as the editor writes a new script.
#include "script/script_writer.h"
#include "tools/kalvex_tdf/check_findings.h"
#include "tools/kalvex_tdf/command.h"
#include "tools/kalvex_tdf/command_output.h"
#include "tools/kalvex_tdf/script_input.h"
#include "tools/kalvex_tdf/weapon_selection.h"

namespace kalvex::tdf {
namespace {

int RunNormalize(const CommandContext& context) {
  const std::optional<SelectionWords> words = TakeWeaponSelection(context, kNormalizeCommand);
  if (!words) return kExitBadInput;
  if (words->rest.size() != 2) {
    return RefuseArguments(context, kNormalizeCommand,
                           "a script file and an output file (\"-\" for standard output)");
  }
  const std::string_view source = words->rest[0];
  const std::optional<ScriptDocument> document = OpenWeaponScript(context, source);
  if (!document) return kExitCannotRead;
  if (!words->selection.given() && document->weapons.size() > 1) {
    context.err << kProgram << ": " << DisplayName(source) << ": holds " << document->weapons.size()
                << " weapons and normalize writes one: choose it with --index N or --weapon "
                   "CODE\n";
    return kExitBadInput;
  }
  const std::optional<std::size_t> index =
      FindSelectedWeapon(context, source, *document, words->selection);
  if (!index) return kExitCannotRead;
  WeaponRecord record;
  NoteFindings(context, source, *document, *index, ReadWeapon(*document, *index, record));
  return WriteScriptTo(context, words->rest[1], WriteScript(record));
}

}  // namespace

const Command kNormalizeCommand = {
    "normalize",
    "[--index N | --weapon CODE] IN OUT",
    "read a weapon of a script and write it again as the editor writes a new script",
    "Reads the weapon script IN (\"-\": standard input) as the editor opens it and\n"
    "writes one of its weapons to OUT, or to standard output for \"-\", byte for\n"
    "byte as the editor writes a new script of it, in the canonical layout.\n"
    "--index N takes the Nth weapon of IN (counted from 1), --weapon CODE the\n"
    "first weapon of that code (ASCII letter case ignored). A file of several\n"
    "weapons needs one of them: without it nothing is written and standard error\n"
    "says how many weapons IN holds.\n"
    "Entries without a field, comments and the other weapons are not carried\n"
    "over (check names each entry that normalize would drop or write\n"
    "differently; set edits a weapon in place and keeps them); the number of\n"
    "findings is given on standard error. When IN cannot be read or holds no\n"
    "weapon header, nothing is written. OUT may be IN.\n"
    "Exit status: 0 written, 1 IN could not be read, held no weapon header or no\n"
    "weapon of that number or code, or OUT could not be written, 2 bad arguments\n"
    "or a file of several weapons without a choice.\n",
    RunNormalize,
};

}  // namespace kalvex::tdf
