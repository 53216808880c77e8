// The words of a Windows command line, read from its UTF-16 as the editor
// and the companion read theirs: every letter whole, in UTF-8, whatever code
// page the system gives programs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script/program_arguments.h"

namespace kalvex {
namespace {

struct CommandLineRow {
  const char* name;
  const wchar_t* commandLine;
  std::vector<std::string> arguments;
};

const CommandLineRow kCommandLines[] = {
    {.name = "a name of Latin-1 letters",
     .commandLine = L"kalvex.exe Fus\u00E9e.tdf",
     .arguments = {"Fus\xC3\xA9"
                   "e.tdf"}},
    {.name = "letters of no single code page, one beyond 16 bits",
     .commandLine = L"kalvex-tdf.exe dump \u6B66\u03A9\U0001D50A.tdf",
     .arguments = {"dump", "\xE6\xAD\xA6\xCE\xA9\xF0\x9D\x94\x8A.tdf"}},
    {.name = "quoted, with blanks, the program in a quoted folder",
     .commandLine =
         L"\"C:\\Program Files\\Kalvex\\kalvex.exe\" \"D:\\Mods\\Fus\u00E9e Rouge\\gun.tdf\"",
     .arguments = {"D:\\Mods\\Fus\xC3\xA9"
                   "e Rouge\\gun.tdf"}},
    {.name = "a value quoted inside a word, and a folder ending in a backslash",
     .commandLine = L"kalvex-tdf.exe set Weapname=\"Big Gun\" \"D:\\Mods\\\\\"",
     .arguments = {"set", "Weapname=Big Gun", "D:\\Mods\\"}},
    {.name = "the program alone", .commandLine = L"kalvex.exe", .arguments = {}},
};

TEST(ProgramArguments, WideCommandLineGivesTheWordsAfterTheProgramInUtf8) {
  for (const CommandLineRow& row : kCommandLines) {
    EXPECT_EQ(Utf8ArgumentsOf(row.commandLine), row.arguments) << row.name;
  }
}

}  // namespace
}  // namespace kalvex
