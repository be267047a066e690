// exhaustive_check: compares the grid check with the brute-force count on every n by n grid
// of red, black and white cells, for every d from 1 to n and thresholds at the edge of
// passing. The unit tests cover n = 1 to 3 in CI; this program, run by hand, covers n = 4
// (3^16 = 43,046,721 grids, a few minutes).
//
//   exhaustive_check [n]      n from 1 to 4, 4 when left out
//
// Exits with 0 when every verdict agrees, 1 at the first disagreement (which it prints) and
// 2 on a bad argument.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "judge/check_grid.h"
#include "tests/reference/exhaustive.h"

namespace {

/// The grid of `rows` in a buffer whose every other byte, padding included, is a black cell,
/// as a reader's reused row buffer leaves it.
Grid gridOverBlack(const Rows& rows) {
  const int32_t n = sideOf(rows);
  Grid grid(n + 1);
  for (int32_t i = 0; i <= n; ++i) std::fill_n(grid.rowData(i), paddedRowLength(n + 1), BlackChar);
  grid.resize(n);
  for (int32_t i = 0; i < n; ++i) rows[i].copy(grid.rowData(i), rows.size());
  return grid;
}

/// What checkGrid says on one code path: its message, or "ok <near-pair count>".
std::string verdictOn(const TestCase& testCase, const Grid& candidate, CodePath path) {
  std::string message;
  int64_t nearPairs = -1;
  if (checkGrid(testCase, candidate, message, nearPairs, path)) {
    return "ok " + std::to_string(nearPairs);
  }
  return message;
}

/// checkGrid on every code path for one candidate against one input grid: a callable from d, b
/// and c to the portable path's verdict, or to a text that no verdict matches when paths differ.
auto checkGridOf(const Rows& input, const Rows& candidate) {
  TestCase testCase;
  testCase.number = 1;
  testCase.n = sideOf(input);
  Grid inputGrid(testCase.n);
  for (int32_t i = 0; i < testCase.n; ++i) input[i].copy(inputGrid.rowData(i), input.size());
  testCase.grid = PackedGrid(inputGrid);
  return [grid = gridOverBlack(candidate), testCase](int32_t d, int32_t b, int32_t c) mutable {
    testCase.d = d;
    testCase.b = b;
    testCase.c = c;
    std::string portable = verdictOn(testCase, grid, CodePath::Portable);
    for (const CodePath path : availableCodePaths()) {
      if (verdictOn(testCase, grid, path) != portable) return "paths disagree on " + portable;
    }
    return portable;
  };
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view argument = argc > 1 ? argv[1] : "4";
  if (argument.size() != 1 || argument[0] < '1' || argument[0] > '4') {
    std::fputs("usage: exhaustive_check [n]   (n from 1 to 4)\n", stderr);
    return 2;
  }
  const int32_t n = argument[0] - '0';
  const auto start = std::chrono::steady_clock::now();
  const ExhaustiveResult result = checkEveryGrid(n, checkGridOf);
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  std::printf("n = %d: %lld grids, %lld checks, %lld accepted, %.1f s\n", n,
              static_cast<long long>(result.grids), static_cast<long long>(result.checks),
              static_cast<long long>(result.accepted), seconds.count());
  if (!result.mismatch.empty()) {
    std::printf("disagreement: %s\n", result.mismatch.c_str());
    return 1;
  }
  std::puts("every verdict agrees with the brute-force count");
  return 0;
}
