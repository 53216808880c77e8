// Starts a program and waits for it, with its standard streams on files. One
// implementation per system: run_program_posix.cpp, run_program_windows.cpp.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kalvex::test {

// Runs `program` with `args`, standard input read from the file `in` and
// standard output and error written to the files `out` and `err`; an empty
// `out` leaves standard output closed. Returns the exit status, or -1 with a
// test failure when the program could not be run.
int RunProgram(const std::string& program, const std::vector<std::string>& args,
               const std::filesystem::path& in, const std::filesystem::path& out,
               const std::filesystem::path& err);

}  // namespace kalvex::test
