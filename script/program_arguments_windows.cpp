#include <windows.h>
// After <windows.h>, which it needs.
#include <shellapi.h>

#include "script/program_arguments.h"

namespace kalvex {
namespace {

std::string Utf8FromWide(const wchar_t* word) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, word, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, word, -1, utf8.data(), size, nullptr, nullptr);
  utf8.pop_back();  // the terminating zero
  return utf8;
}

}  // namespace

std::vector<std::string> ProgramArguments(int, char*[]) {
  return Utf8ArgumentsOf(GetCommandLineW());
}

std::vector<std::string> Utf8ArgumentsOf(const wchar_t* commandLine) {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(commandLine, &count);
  if (!words) return {};
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(Utf8FromWide(words[i]));
  LocalFree(words);
  return arguments;
}

}  // namespace kalvex
