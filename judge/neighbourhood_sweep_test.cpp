#include "judge/neighbourhood_sweep.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "tests/reference/brute_force.h"
#include "tests/support/records.h"
#include "tests/support/verdict.h"

namespace {

using Rows = std::vector<std::string>;

/// An outcome as one comparable value.
std::tuple<std::optional<CellFault>, int64_t> key(const SweepOutcome& o) {
  return {o.fault, o.nearPairs};
}

TEST(NeighbourhoodSweep, ThePortablePathIsAlwaysThereAndListedFirst) {
  const std::vector<CodePath> paths = availableCodePaths();
  ASSERT_FALSE(paths.empty());
  EXPECT_EQ(paths.front(), CodePath::Portable);
  EXPECT_EQ(paths.back(), fastestCodePath());
}

// Every path must give the same outcome, fault or count, on grids of every width that the
// vector loops cut differently, with radii from 1 to past the grid.
TEST(NeighbourhoodSweep, EveryPathGivesTheSameOutcome) {
  std::mt19937 random(12);
  auto pick = [&](int32_t low, int32_t high) {
    return std::uniform_int_distribution<int32_t>(low, high)(random);
  };
  const std::vector<int32_t> widths = {1,  2,  3,  7,  8,  9,  15,  16, 17,
                                       31, 32, 33, 63, 64, 65, 129, 257};
  int faults = 0;
  for (int round = 0; round < 600; ++round) {
    const int32_t n = widths[round % widths.size()];
    const int32_t d = pick(1, n);
    const int32_t full = (2 * d + 1) * (2 * d + 1) - 1;
    const int black = pick(1, 60);
    Rows grid(n, std::string(n, '.'));
    for (auto& row : grid) {
      for (char& cell : row) cell = pick(0, 99) < black ? '#' : pick(0, 9) == 0 ? 'R' : '.';
    }
    const TestCase testCase = testCaseOf(grid, d, pick(1, std::min(full, 12)), pick(1, full));
    const Grid candidate = gridOf(grid);
    const SweepOutcome expected = sweepNeighbourhoods(testCase, candidate, CodePath::Portable);
    faults += expected.fault.has_value();
    for (const CodePath path : availableCodePaths()) {
      ASSERT_EQ(key(sweepNeighbourhoods(testCase, candidate, path)), key(expected))
          << "round " << round << " n " << n << " d " << d << " path " << static_cast<int>(path);
    }
  }
  EXPECT_GT(faults, 100);
  EXPECT_LT(faults, 500);
}

// Where a row's sums pass 16 bits a half but every window still fits, a path may let each
// half wrap: sparse grids (nearly all white, so the white sums are largest) against the
// brute-force count, and dense ones against every path, at radii either side of where the
// windows stop fitting.
TEST(NeighbourhoodSweep, RowSumsPastSixteenBitsAHalfCountExactly) {
  std::mt19937 random(34);
  auto pick = [&](int32_t low, int32_t high) {
    return std::uniform_int_distribution<int32_t>(low, high)(random);
  };
  for (const int32_t n : {600, 1000}) {
    for (const int32_t d : {32, 33, 100, 127, 128}) {
      const int32_t full = (2 * d + 1) * (2 * d + 1) - 1;
      Rows sparse(n, std::string(n, '.'));
      for (int k = 0; k < 40; ++k) sparse[pick(0, n - 1)][pick(0, n - 1)] = "#R"[k % 2];
      const int32_t b = pick(full / 2, full);
      const int32_t c = pick(0, 2);
      EXPECT_EQ(checkVerdict(testCaseOf(sparse, d, b, std::max(c, 1)), gridOf(sparse)),
                bruteForceVerdict(sparse, sparse, d, b, std::max(c, 1)))
          << "sparse n " << n << " d " << d;
      Rows dense(n, std::string(n, '.'));
      for (auto& row : dense) {
        for (char& cell : row) cell = ".#R"[pick(0, 2)];
      }
      const std::string verdict = checkVerdict(testCaseOf(dense, d, 1, full), gridOf(dense));
      EXPECT_TRUE(verdict.starts_with("ok ")) << verdict << " dense n " << n << " d " << d;
    }
  }
}

}  // namespace
