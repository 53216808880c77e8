#include "app/command_line.h"

#include <ostream>
#include <string_view>

namespace kalvex {
namespace {

constexpr std::string_view kHelp =
    "Usage: kalvex [OPTION]... [FILE]\n"
    "Edit the weapon scripts (.tdf) of the game Cindervale in a window.\n"
    "\n"
    "With FILE, the editor starts with that weapon script open, as File, Open\n"
    "would open it; without FILE it starts empty.\n"
    "\n"
    "      --help     display this help and exit\n"
    "      --version  output version information and exit\n"
    "\n"
    "Exit status:\n"
    " 0  if --help or --version was given,\n"
    " 1  when the editor's window has been closed,\n"
    " 2  if the command line was wrong,\n"
    " 3  if there is no desktop to show the window on (no X11 or Wayland display).\n";

constexpr std::string_view kVersion =
    "kalvex " KALVEX_VERSION
    "\n"
    "Cindervale Weapon Editor: writes the weapons of Cindervale as weapon scripts\n"
    "and reads them back.\n"
    "\n" KALVEX_COPYRIGHT "\n" KALVEX_LICENCE "\n";

CommandLine WrongUse(std::ostream& err, std::string_view problem) {
  err << "kalvex: " << problem << "\nTry 'kalvex --help' for more information.\n";
  return {kWrongUseStatus, std::nullopt};
}

}  // namespace

CommandLine ReadCommandLine(std::span<const std::string> args, std::ostream& out,
                            std::ostream& err) {
  CommandLine command;
  bool options = true;
  for (const std::string_view arg : args) {
    if (options && arg == "--") {
      options = false;
    } else if (options && arg == "--help") {
      out << kHelp;
      return {0, std::nullopt};
    } else if (options && arg == "--version") {
      out << kVersion;
      return {0, std::nullopt};
    } else if (options && arg.size() > 1 && arg.front() == '-') {
      return WrongUse(err, "unrecognized option '" + std::string(arg) + "'");
    } else if (command.file) {
      return WrongUse(err, "only one FILE may be given");
    } else {
      command.file = std::string(arg);
    }
  }
  return command;
}

}  // namespace kalvex
