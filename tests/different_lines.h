// The lines in which two texts differ, for tests that a change touched only
// the lines it should.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kalvex::test {

// The parts of `text` between the characters `at`: for "\n" its lines (a
// "\r" before it stays in the line).
inline std::vector<std::string> Split(const std::string& text, char at) {
  std::vector<std::string> parts;
  std::size_t begin = 0;
  for (std::size_t end; (end = text.find(at, begin)) != std::string::npos; begin = end + 1) {
    parts.push_back(text.substr(begin, end - begin));
  }
  parts.push_back(text.substr(begin));
  return parts;
}

// The lines of `a` and those of `b` between their common first and last
// lines.
inline std::pair<std::vector<std::string>, std::vector<std::string>> DifferentLines(
    const std::string& a, const std::string& b) {
  const std::vector<std::string> x = Split(a, '\n');
  const std::vector<std::string> y = Split(b, '\n');
  std::size_t head = 0;
  while (head < x.size() && head < y.size() && x[head] == y[head]) ++head;
  std::size_t tail = 0;
  while (tail < x.size() - head && tail < y.size() - head &&
         x[x.size() - 1 - tail] == y[y.size() - 1 - tail]) {
    ++tail;
  }
  return {std::vector(x.begin() + head, x.end() - tail),
          std::vector(y.begin() + head, y.end() - tail)};
}

}  // namespace kalvex::test
