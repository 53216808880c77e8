// kalvex-tdf write [--append] OUT: reads `Name=value` lines from standard
// input and writes the weapon script to OUT, as the editor saves a new
// weapon, or adds it at the end of the script OUT.
#include <iostream>
#include <iterator>
#include <string>

#include "script/script_document.h"
#include "script/script_writer.h"
#include "tools/kalvex_tdf/command.h"
#include "tools/kalvex_tdf/command_output.h"
#include "tools/kalvex_tdf/record_lines.h"
#include "tools/kalvex_tdf/script_input.h"

namespace kalvex::tdf {
namespace {

bool ReadAll(std::istream& in, std::string& text) {
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

// Adds the weapon's script at the end of the existing script `target`.
int AppendTo(const CommandContext& context, std::string_view target, const WeaponRecord& record) {
  if (target == kStandardOutput) {
    context.err << kProgram << ": write --append needs an existing script file, not \"-\"\n";
    return kExitBadInput;
  }
  const std::optional<ScriptDocument> document = OpenWeaponScript(context, target);
  if (!document) return kExitCannotRead;
  return WriteScriptTo(context, target, AppendWeapon(*document, record));
}

int RunWrite(const CommandContext& context) {
  const bool append = !context.args.empty() && context.args.front() == "--append";
  if (context.args.size() != (append ? 2u : 1u)) {
    return RefuseArguments(context, kWriteCommand,
                           "one output file (\"-\" for standard output), or --append and an "
                           "existing script");
  }
  const std::string_view target = context.args.back();

  std::string text;
  if (!ReadAll(context.in, text)) {
    context.err << kProgram << ": cannot read standard input\n";
    return kExitBadInput;
  }
  WeaponRecord record;  // reset values, with model 0
  const RecordLinesResult parsed = ParseRecordLines(text, record);
  if (!parsed.ok) {
    context.err << kProgram << ": line " << parsed.line << ": " << parsed.message << "\n";
    return kExitBadInput;
  }
  if (append) return AppendTo(context, target, record);
  return WriteScriptTo(context, target, WriteScript(record));
}

}  // namespace

const Command kWriteCommand = {
    "write",
    "[--append] OUT < RECORD",
    "write the weapon script of a record read from standard input",
    "Reads lines Name=value from standard input, one field of the weapon record\n"
    "each: Name is a Weap* member (Weapcode, WeapID, Weapname, Weaprend, ...), the\n"
    "value is the rest of the line after the first \"=\", blanks kept. A flag takes\n"
    "0 or 1; a list member (model, sounds, explosions, barrel angle, render type,\n"
    "beam colour, style) takes a position in its list, or its script text in any\n"
    "letter case (Weapsost=cannon2, Weapstyle=dropped, Weapcol2=232 / 234); a\n"
    "text that no list holds is the mod's own, written as it stands\n"
    "(Weapsost=vortexfire), and is given in double quotes where it is a whole\n"
    "number (Weapbarr=\"-55\", Weaprend=\"9\"). Nothing (Weapexgaf=) is the value of\n"
    "a weapon without the entry: the list's entry for none, or no entry at all.\n"
    "A value outside a member's domain is refused, naming what it takes. Fields\n"
    "not named keep their reset values (Weapmodl 0). Empty lines and lines\n"
    "beginning with \"#\" are ignored.\n"
    "No text member may hold ; = [ ] { } or a line end. A member name whose case\n"
    "is wrong, or a byte-order mark before the first line, is named. These are\n"
    "the lines that dump prints.\n"
    "Writes the weapon script to OUT, or to standard output for \"-\".\n"
    "With --append, OUT must be an existing script: the weapon is added at its\n"
    "end, in that script's line ends (a missing line end after its last line\n"
    "added first), and everything OUT held stays as it was.\n"
    "Exit status: 0 written, 1 OUT could not be written (with --append: could not\n"
    "be read or held no weapon header; nothing is written), 2 bad arguments or\n"
    "lines.\n",
    RunWrite,
};

}  // namespace kalvex::tdf
