// kalvex-tdf list FILE: one line per weapon of a script, so that a shell loop
// can walk them.
#include <ostream>
#include <string>

#include "script/script_document.h"
#include "tools/kalvex_tdf/command.h"
#include "tools/kalvex_tdf/command_output.h"
#include "tools/kalvex_tdf/script_input.h"
#include "tools/kalvex_tdf/table_text.h"

namespace kalvex::tdf {
namespace {

// A value as one field of a line, the reset text " " as no value.
std::string Field(std::string_view value) {
  return value == kResetText ? std::string() : OneLine(value);
}

int RunList(const CommandContext& context) {
  if (context.args.size() != 1) return RefuseArguments(context, kListCommand, "one script file");
  const std::string_view path = context.args.front();
  const std::optional<ScriptDocument> document = OpenWeaponScript(context, path);
  if (!document) return kExitCannotRead;
  std::size_t number = 0;
  for (const WeaponChoice& weapon : ListWeapons(*document)) {
    context.out << ++number << '\t' << Field(weapon.code) << '\t' << Field(weapon.id) << '\t'
                << Field(weapon.name) << '\t' << weapon.line << '\n';
  }
  return FlushStandardOutput(context) ? kExitOk : kExitCannotWrite;
}

}  // namespace

const Command kListCommand = {
    "list",
    "FILE",
    "list the weapons of a script, one line each",
    "Reads the weapon script FILE (\"-\": standard input) as the editor opens it\n"
    "and prints one line per weapon, in the order of the file:\n"
    "  N<TAB>CODE<TAB>ID<TAB>NAME<TAB>LINE\n"
    "N counts the weapons from 1 (the number --index takes), LINE is the line of\n"
    "the weapon's header. A value the weapon does not give is an empty field; a\n"
    "tab or line end inside a value is written as one blank.\n"
    "Exit status: 0 listed, 1 FILE could not be read, held no weapon or standard\n"
    "output failed, 2 bad arguments.\n",
    RunList,
};

}  // namespace kalvex::tdf
