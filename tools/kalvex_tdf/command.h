// What every command of kalvex-tdf gets and returns. Each command lives in a
// file of its own and is listed in the command table of main.cpp.
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace kalvex::tdf {

inline constexpr int kExitOk = 0;
inline constexpr int kExitCannotWrite = 1;  // the output file could not be written
inline constexpr int kExitCannotRead = 1;   // an input script could not be read or held no weapon
inline constexpr int kExitFindings = 1;     // check --strict: the scripts hold findings
inline constexpr int kExitBadInput = 2;     // bad arguments or bad input lines

inline constexpr std::string_view kProgram = "kalvex-tdf";

struct CommandContext {
  std::span<const std::string_view> args;  // the words after the command's name
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

struct Command {
  std::string_view name;
  std::string_view arguments;  // as shown in the usage line
  std::string_view summary;    // one line
  std::string_view details;    // shown by --help
  int (*run)(const CommandContext&);
};

// Says on standard error that `command` was given the wrong words: what it
// `expects`, and its usage line. Returns kExitBadInput.
int RefuseArguments(const CommandContext& context, const Command& command,
                    std::string_view expects);

// kalvex-tdf write [--append] OUT: writes the weapon script of the record
// read from standard input, or adds it at the end of a script.
extern const Command kWriteCommand;

// kalvex-tdf dump [--index N | --weapon CODE] FILE: prints the record read
// from a weapon of a script as record lines.
extern const Command kDumpCommand;

// kalvex-tdf normalize [--index N | --weapon CODE] IN OUT: reads a weapon of
// a script and writes it as the editor writes a new script.
extern const Command kNormalizeCommand;

// kalvex-tdf check [--strict] [--json] FILE...: lists what reading the
// scripts left out and what normalize would drop.
extern const Command kCheckCommand;

// kalvex-tdf list FILE: one line per weapon of a script.
extern const Command kListCommand;

// kalvex-tdf set FILE ...: edits one weapon of a script in place.
extern const Command kSetCommand;

// kalvex-tdf table FILE|FOLDER...: every weapon of the scripts as one table,
// a column per key.
extern const Command kTableCommand;

// kalvex-tdf apply TABLE: sets the entries whose cells changed in a table
// that table printed.
extern const Command kApplyCommand;

}  // namespace kalvex::tdf
