// exhaustive_check: compares the grid check with the brute-force count on every n by n grid
// of red, black and white cells, for every d from 1 to n and thresholds at the edge of
// passing. The unit tests cover n = 1 to 3 in CI; this program, run by hand, covers n = 4
// (3^16 = 43,046,721 grids, a few minutes).
//
//   exhaustive_check [n]      n from 1 to 4, 4 when left out
//
// Exits with 0 when every verdict agrees, 1 at the first disagreement (which it prints) and
// 2 on a bad argument.

#include <chrono>
#include <cstdio>
#include <string_view>

#include "tests/support/exhaustive.h"

int main(int argc, char** argv) {
  const std::string_view argument = argc > 1 ? argv[1] : "4";
  if (argument.size() != 1 || argument[0] < '1' || argument[0] > '4') {
    std::fputs("usage: exhaustive_check [n]   (n from 1 to 4)\n", stderr);
    return 2;
  }
  const int32_t n = argument[0] - '0';
  const auto start = std::chrono::steady_clock::now();
  const ExhaustiveResult result = checkEveryGrid(n);
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
