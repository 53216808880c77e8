// Helpers shared by the core tests.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include "record/weapon_record.h"
#include "tests/worked_example.h"

namespace kalvex::test {

inline std::string ReadTestData(const std::string& name) {
  std::ifstream in(std::string(KALVEX_TEST_DATA) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Line ends as the script stores them.
inline std::string Crlf(std::string text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace kalvex::test
