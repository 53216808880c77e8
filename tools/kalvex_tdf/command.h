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

// kalvex-tdf write OUT: writes the weapon script of the record read from
// standard input.
extern const Command kWriteCommand;

// kalvex-tdf dump FILE: prints the record read from a script as record lines.
extern const Command kDumpCommand;

// kalvex-tdf normalize IN OUT: reads a script and writes it as the editor does.
extern const Command kNormalizeCommand;

// kalvex-tdf check [--strict] [--json] FILE...: lists what reading the
// scripts left out.
extern const Command kCheckCommand;

}  // namespace kalvex::tdf
