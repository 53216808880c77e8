// The editor's command line: kalvex [OPTION]... [FILE]
#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <string>

namespace kalvex {

// Exit statuses besides 0 (--help, --version) and 1 (the window was closed).
inline constexpr int kWrongUseStatus = 2;
inline constexpr int kNoDesktopStatus = 3;

struct CommandLine {
  std::optional<int> exitStatus;    // set: end at once with this status, no window
  std::optional<std::string> file;  // the script to open at start-up
};

// Reads the arguments after the program's name (UTF-8, see
// script/program_arguments.h). --help and --version print their text to
// `out`; a wrong command line is told on `err` with status 2.
CommandLine ReadCommandLine(std::span<const std::string> args, std::ostream& out,
                            std::ostream& err);

}  // namespace kalvex
