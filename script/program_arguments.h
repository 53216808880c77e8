// The words a program was started with, as the file code takes them: UTF-8.
// On Windows they are read from the system's own UTF-16 command line, so that
// a file name of any letters arrives whole, whatever code page the system
// gives programs. One implementation per system: program_arguments_posix.cpp,
// program_arguments_windows.cpp.
#pragma once

#include <string>
#include <vector>

namespace kalvex {

// The words after the program's name; `argc` and `argv` are main()'s, which
// on Windows only stand in for the command line.
std::vector<std::string> ProgramArguments(int argc, char* argv[]);

// Windows only: the words after the program's name in `commandLine` (as
// GetCommandLineW gives it), split as the system splits them, in UTF-8.
std::vector<std::string> Utf8ArgumentsOf(const wchar_t* commandLine);

}  // namespace kalvex
