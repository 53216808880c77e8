#include "tools/kalvex_tdf/line_diff.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace kalvex::tdf {
namespace {

using Lines = std::vector<std::string_view>;

// Each line with its LF; the last one without, where the text does not end
// with one.
Lines SplitLines(std::string_view text) {
  Lines lines;
  while (!text.empty()) {
    const std::size_t lf = text.find('\n');
    const std::size_t size = lf == std::string_view::npos ? text.size() : lf + 1;
    lines.push_back(text.substr(0, size));
    text.remove_prefix(size);
  }
  return lines;
}

// One line of the difference: kept (in both), removed (from `before` only)
// or added (to `after` only), with its place in each text.
struct Step {
  char mark;  // ' ', '-' or '+'
  std::size_t before;
  std::size_t after;
};

// Finds the shortest difference between two runs of lines (Myers' method):
// both ends walked towards each other until they meet, the problem split
// where they do, so that memory stays linear.
class Differ {
 public:
  Differ(const Lines& a, const Lines& b) : a_(a), b_(b) {}

  std::vector<Step> Run() {
    Compare(0, a_.size(), 0, b_.size());
    return std::move(steps_);
  }

 private:
  void Compare(std::size_t a0, std::size_t a1, std::size_t b0, std::size_t b1) {
    std::size_t head = 0;
    while (a0 + head < a1 && b0 + head < b1 && a_[a0 + head] == b_[b0 + head]) ++head;
    for (std::size_t i = 0; i < head; ++i) steps_.push_back({' ', a0 + i, b0 + i});
    a0 += head;
    b0 += head;
    std::size_t tail = 0;
    while (a1 - tail > a0 && b1 - tail > b0 && a_[a1 - tail - 1] == b_[b1 - tail - 1]) ++tail;
    const std::size_t kept_a = a1 - tail;
    const std::size_t kept_b = b1 - tail;
    if (a0 == kept_a || b0 == kept_b) {
      for (std::size_t i = a0; i < kept_a; ++i) steps_.push_back({'-', i, b0});
      for (std::size_t i = b0; i < kept_b; ++i) steps_.push_back({'+', kept_a, i});
    } else {
      auto [x, y] = Split(a0, kept_a, b0, kept_b);
      if ((x == a0 && y == b0) || (x == kept_a && y == kept_b)) {
        x = kept_a;  // a split that divides nothing: everything removed, then added
        y = b0;
      }
      Compare(a0, x, b0, y);
      Compare(x, kept_a, y, kept_b);
    }
    for (std::size_t i = 0; i < tail; ++i) steps_.push_back({' ', kept_a + i, kept_b + i});
  }

  // A point that a shortest difference of the two runs (neither empty, their
  // first and last lines differing) passes through: the paths from the start
  // (forward) and from the end (backward) are lengthened one difference at a
  // time, on every diagonal k = x - y they can reach, until they overlap.
  std::pair<std::size_t, std::size_t> Split(std::size_t a0, std::size_t a1, std::size_t b0,
                                            std::size_t b1) const {
    const long n = static_cast<long>(a1 - a0);
    const long m = static_cast<long>(b1 - b0);
    const auto same = [&](long x, long y) {
      return a_[a0 + static_cast<std::size_t>(x)] == b_[b0 + static_cast<std::size_t>(y)];
    };
    const auto split = [&](long x, long y) {
      return std::pair(a0 + static_cast<std::size_t>(x), b0 + static_cast<std::size_t>(y));
    };
    const long most = (n + m + 1) / 2;
    const long offset = most;
    const long size = 2 * most + 2;
    // The furthest x reached on each diagonal, -1 where none was.
    std::vector<long> forward(static_cast<std::size_t>(size), -1);
    std::vector<long> backward(static_cast<std::size_t>(size), -1);
    const auto at = [](std::vector<long>& v, long i) -> long& {
      return v[static_cast<std::size_t>(i)];
    };
    at(forward, offset + 1) = 0;
    at(backward, offset + 1) = 0;
    const long delta = n - m;
    // With an odd delta the walks overlap first in the forward step.
    const bool odd = delta % 2 != 0;
    // Diagonals that ran off the grid are not walked again.
    long forward_start = 0, forward_end = 0, backward_start = 0, backward_end = 0;
    for (long d = 0; d < most; ++d) {
      for (long k = -d + forward_start; k <= d - forward_end; k += 2) {
        const long i = offset + k;
        long x = (k == -d || (k != d && at(forward, i - 1) < at(forward, i + 1)))
                     ? at(forward, i + 1)
                     : at(forward, i - 1) + 1;
        long y = x - k;
        while (x < n && y < m && same(x, y)) ++x, ++y;
        at(forward, i) = x;
        if (x > n) {
          forward_end += 2;
        } else if (y > m) {
          forward_start += 2;
        } else if (odd) {
          const long other = offset + delta - k;
          if (other >= 0 && other < size && at(backward, other) != -1 &&
              x >= n - at(backward, other)) {
            return split(x, y);
          }
        }
      }
      for (long k = -d + backward_start; k <= d - backward_end; k += 2) {
        const long i = offset + k;
        long x = (k == -d || (k != d && at(backward, i - 1) < at(backward, i + 1)))
                     ? at(backward, i + 1)
                     : at(backward, i - 1) + 1;
        long y = x - k;
        while (x < n && y < m && same(n - x - 1, m - y - 1)) ++x, ++y;
        at(backward, i) = x;
        if (x > n) {
          backward_end += 2;
        } else if (y > m) {
          backward_start += 2;
        } else if (!odd) {
          const long other = offset + delta - k;
          if (other >= 0 && other < size && at(forward, other) != -1) {
            const long forward_x = at(forward, other);
            if (forward_x >= n - x) return split(forward_x, forward_x - (other - offset));
          }
        }
      }
    }
    return split(n, 0);  // the walks did not meet: everything removed, then added
  }

  const Lines& a_;
  const Lines& b_;
  std::vector<Step> steps_;
};

constexpr std::size_t kContext = 3;

// "l,s" of a hunk header: the first line and the count, the line before the
// place where the count is 0, the count left out where it is 1.
std::string Range(std::size_t first, std::size_t count) {
  if (count == 0) return std::to_string(first) + ",0";
  if (count == 1) return std::to_string(first + 1);
  return std::to_string(first + 1) + "," + std::to_string(count);
}

void PutLine(std::string& out, char mark, std::string_view line) {
  out += mark;
  out += line;
  if (!line.ends_with('\n')) out += "\n\\ No newline at end of file\n";
}

}  // namespace

std::string UnifiedDiff(std::string_view from, std::string_view to, std::string_view before,
                        std::string_view after) {
  if (before == after) return {};
  const Lines a = SplitLines(before);
  const Lines b = SplitLines(after);
  const std::vector<Step> steps = Differ(a, b).Run();
  std::string out = "--- " + std::string(from) + "\n+++ " + std::string(to) + "\n";
  std::size_t i = 0;
  while (i < steps.size()) {
    if (steps[i].mark == ' ') {
      ++i;
      continue;
    }
    // A hunk: from a change, up to the first run of more than twice the
    // context of kept lines, with the context around it.
    const std::size_t begin = i - std::min(i, kContext);
    std::size_t end = i;
    std::size_t kept = 0;
    while (end < steps.size() && kept <= 2 * kContext) {
      kept = steps[end].mark == ' ' ? kept + 1 : 0;
      ++end;
    }
    end -= kept > kContext ? kept - kContext : 0;
    std::size_t removed = 0;
    std::size_t added = 0;
    for (std::size_t s = begin; s < end; ++s) {
      if (steps[s].mark != '+') ++removed;
      if (steps[s].mark != '-') ++added;
    }
    out += "@@ -" + Range(steps[begin].before, removed) + " +" + Range(steps[begin].after, added) +
           " @@\n";
    for (std::size_t s = begin; s < end; ++s) {
      const Step& step = steps[s];
      PutLine(out, step.mark, step.mark == '+' ? b[step.after] : a[step.before]);
    }
    i = end;
  }
  return out;
}

}  // namespace kalvex::tdf
