// kalvex-tdf: the editor's weapon scripts from the command line. Each command
// is a file of its own, listed in the table below.
#include <array>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "script/program_arguments.h"
#include "tools/kalvex_tdf/binary_streams.h"
#include "tools/kalvex_tdf/command.h"

namespace kalvex::tdf {
namespace {

constexpr std::array<const Command*, 8> kCommands = {
    &kListCommand, &kDumpCommand,  &kTableCommand,     &kApplyCommand,
    &kSetCommand,  &kWriteCommand, &kNormalizeCommand, &kCheckCommand};

const Command* FindCommand(std::string_view name) {
  for (const Command* command : kCommands) {
    if (command->name == name) return command;
  }
  return nullptr;
}

bool IsHelp(std::string_view word) { return word == "--help" || word == "-h"; }

void PrintUsage(std::ostream& out) {
  out << "Usage: " << kProgram << " COMMAND ARGUMENTS...\n"
      << "       " << kProgram << " --help | --version | COMMAND --help\n"
      << "Writes, reads and checks the weapon scripts (.tdf) of the Cindervale Weapon Editor.\n\n"
      << "Commands:\n";
  for (const Command* command : kCommands) {
    out << "  " << command->name << " " << command->arguments << "\n      " << command->summary
        << "\n";
  }
}

void PrintExitStatus(std::ostream& out) {
  out << "\nExit status:\n"
      << "  0  success\n"
      << "  1  a file could not be read or written, or held no weapon; with apply, a row\n"
      << "     no longer matching its weapon; with check --strict, also an unknown key or\n"
      << "     section, a value of the wrong kind, malformed text or a shared weapon ID\n"
      << "  2  bad input, tables or arguments\n"
      << "A file that could not be read or written is named on standard error with what\n"
      << "failed and why: " << kProgram << ": FILE: Unable to open file: Permission denied\n";
}

void PrintCommandHelp(const Command& command, std::ostream& out) {
  out << "Usage: " << kProgram << " " << command.name << " " << command.arguments << "\n\n"
      << command.details;
}

int Run(const std::vector<std::string_view>& words) {
  if (words.empty()) {
    PrintUsage(std::cerr);
    return kExitBadInput;
  }
  if (IsHelp(words[0]) || words[0] == "help") {
    PrintUsage(std::cout);
    for (const Command* command : kCommands) {
      std::cout << "\n";
      PrintCommandHelp(*command, std::cout);
    }
    PrintExitStatus(std::cout);
    return kExitOk;
  }
  if (words[0] == "--version") {
    std::cout << kProgram << " " << KALVEX_VERSION << "\n\n"
              << KALVEX_COPYRIGHT << "\n"
              << KALVEX_LICENCE << "\n";
    return kExitOk;
  }
  const Command* command = FindCommand(words[0]);
  if (command == nullptr) {
    std::cerr << kProgram << ": unknown command \"" << words[0] << "\"\n";
    PrintUsage(std::cerr);
    return kExitBadInput;
  }
  const std::span<const std::string_view> args(words.begin() + 1, words.end());
  if (args.size() == 1 && IsHelp(args[0])) {
    PrintCommandHelp(*command, std::cout);
    return kExitOk;
  }
  return command->run({args, std::cin, std::cout, std::cerr});
}

}  // namespace
}  // namespace kalvex::tdf

int main(int argc, char** argv) {
  kalvex::tdf::UseBinaryStandardStreams();
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args = kalvex::ProgramArguments(argc, argv);
  const std::vector<std::string_view> words(args.begin(), args.end());
  return kalvex::tdf::Run(words);
}
