// What every command of kalvex-tdf gets and returns. Each command lives in a
// file of its own and is listed in the command table of main.cpp.
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace kalvex::tdf {

inline constexpr int kExitOk = 0;
inline constexpr int kExitCannotWrite = 1;  // the output file could not be written
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

// kalvex-tdf write OUT: writes the weapon script of the record read from
// standard input.
extern const Command kWriteCommand;

}  // namespace kalvex::tdf
