// kalvex-tdf write OUT: reads `Name=value` lines from standard input and
// writes the weapon script to OUT, as the editor saves it.
#include <iostream>
#include <iterator>
#include <string>

#include "script/script_writer.h"
#include "tools/kalvex_tdf/command.h"
#include "tools/kalvex_tdf/command_output.h"
#include "tools/kalvex_tdf/record_lines.h"

namespace kalvex::tdf {
namespace {

bool ReadAll(std::istream& in, std::string& text) {
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

int RunWrite(const CommandContext& context) {
  if (context.args.size() != 1) {
    return RefuseArguments(context, kWriteCommand, "one output file (\"-\" for standard output)");
  }

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

  return WriteScriptTo(context, context.args.front(), WriteScript(record));
}

}  // namespace

const Command kWriteCommand = {
    "write",
    "OUT < RECORD",
    "write the weapon script of a record read from standard input",
    "Reads lines Name=value from standard input, one field of the weapon record\n"
    "each: Name is a Weap* member (Weapcode, WeapID, Weapname, Weaprend, ...), the\n"
    "value is the rest of the line after the first \"=\", blanks kept; integer\n"
    "members take a decimal number. A model, sound, explosion GAF or explosion\n"
    "art of the mod's own that no list holds is given as its text in double\n"
    "quotes (Weapsost=\"vortexfire\") and written as it stands. Fields not named\n"
    "keep their reset values (Weapmodl 0). Empty lines and lines beginning with\n"
    "\"#\" are ignored.\n"
    "No text member may hold ; = [ ] { } or a line end. A member name whose case\n"
    "is wrong, or a byte-order mark before the first line, is named. These are\n"
    "the lines that dump prints.\n"
    "Writes the weapon script to OUT, or to standard output for \"-\".\n"
    "Exit status: 0 written, 1 OUT could not be written, 2 bad arguments or lines.\n",
    RunWrite,
};

}  // namespace kalvex::tdf
