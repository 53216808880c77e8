// The main window's title: the editor's name, then the file and the weapon
// that the window holds.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kalvex {

// What the title names.
struct TitleParts {
  std::string_view path;     // the script's file, UTF-8; empty for a weapon of File, New
  bool unsaved = false;      // anything of the script is unsaved
  std::string_view code;     // the weapon's code, as its bytes stand in the record
  std::size_t position = 0;  // the weapon's place in the script, from 0
  std::size_t count = 1;     // how many weapons the script holds
};

// "EDITOR - FILE* - CODE (POSITION of COUNT)", UTF-8: the file by its name
// alone as messages show it ("Untitled" without one), "*" only while
// anything is unsaved, the code without the blanks around it ("(no code)"
// when nothing else is left).
std::string WindowTitle(std::string_view editor, const TitleParts& parts);

// A weapon's code as the user reads it: its bytes as UTF-8 without the
// blanks around them, "(no code)" when nothing else is left.
std::string ShownCode(std::string_view code);

}  // namespace kalvex
