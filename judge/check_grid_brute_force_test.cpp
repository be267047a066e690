#include "judge/check_grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "tests/reference/brute_force.h"
#include "tests/support/exhaustive.h"
#include "tests/support/layout_probes.h"
#include "tests/support/records.h"
#include "tests/support/verdict.h"

namespace {

TEST(CheckGridExhaustive, EveryGridUpToThreeByThreeAgreesWithTheBruteForceCount) {
  for (int32_t n = 1; n <= 3; ++n) {
    const ExhaustiveResult result = checkEveryGrid(n);
    EXPECT_EQ(result.mismatch, "") << "n " << n;
    EXPECT_GT(result.accepted, result.checks / 10) << "n " << n;
  }
}

TEST(CheckGridExhaustive, EveryPairOfGridsUpToTwoByTwoWithOneInvalidByte) {
  for (int32_t n = 1; n <= 2; ++n) {
    for (int64_t pair = 0; pair < gridPairCount(n); ++pair) {
      const auto [input, candidate] = gridPairNumbered(pair, n);
      const int32_t d = 1 + static_cast<int32_t>(pair % n);
      const int32_t b = 1 + static_cast<int32_t>(pair % 2);
      const int32_t c = 1 + static_cast<int32_t>(pair % 3);
      ASSERT_EQ(checkVerdict(testCaseOf(input, d, b, c), gridOverBlack(candidate)),
                bruteForceVerdict(input, candidate, d, b, c))
          << "n " << n << " pair " << pair;
    }
  }
}

TEST(CheckGridRandom, AgreesWithTheBruteForceCountOnDenseAndSparseGridsUpTo300Wide) {
  std::mt19937 random(300);
  auto pick = [&](int32_t low, int32_t high) {
    return std::uniform_int_distribution<int32_t>(low, high)(random);
  };
  // The brute-force count visits each black cell's square: a bound on that work per grid.
  constexpr int64_t CountingWork = 1'000'000;
  int accepted = 0;
  for (int round = 0; round < 300; ++round) {
    const int32_t n = round % 3 == 0 ? LayoutWidths[pick(0, 20)] : pick(1, 300);
    const bool sparse = round % 2 == 0;
    // Sparse grids: a few red and black cells and a few painted; dense: a share of them.
    const int32_t share = sparse ? 0 : pick(1, 60);
    Rows input(n, std::string(n, '.'));
    for (std::string& row : input) {
      for (char& cell : row) {
        if (share > 0 && pick(1, 100) <= share) cell = "R#"[pick(0, 1)];
      }
    }
    for (int k = sparse ? pick(0, 8) : 0; k > 0; --k) {
      input[pick(0, n - 1)][pick(0, n - 1)] = "R#"[pick(0, 1)];
    }
    Rows candidate = input;
    for (std::string& row : candidate) {
      for (char& cell : row) {
        if (share > 0 && cell == '.' && pick(1, 200) <= share) cell = '#';
      }
    }
    for (int k = sparse ? pick(0, 8) : 0; k > 0; --k) {
      char& cell = candidate[pick(0, n - 1)][pick(0, n - 1)];
      if (cell == '.') cell = '#';
    }
    if (pick(0, 7) == 0) candidate[pick(0, n - 1)][pick(0, n - 1)] = "R#.\x01\xf0"[pick(0, 4)];

    int64_t blacks = 0;
    for (const std::string& row : candidate) blacks += std::count(row.begin(), row.end(), '#');
    int32_t d = pick(1, n);
    auto side = [&] { return std::min<int64_t>(n, 2 * d + 1); };
    while (d > 1 && blacks * side() * side() > CountingWork) d = (d + 1) / 2;

    const std::vector<BlackCell> cells = blackCells(candidate, d);
    const std::string fault = comparisonFault(input, candidate);
    TestCase testCase = testCaseOf(input, d, 1, 1);
    const Grid grid = gridOverBlack(candidate);
    for (const auto& [b, c] : edgeThresholds(cells, d)) {
      testCase.b = b;
      testCase.c = c;
      const std::string expected = fault.empty() ? countingVerdict(cells, b, c) : fault;
      ASSERT_EQ(checkVerdict(testCase, grid), expected)
          << "round " << round << " n " << n << " d " << d << " b " << b << " c " << c;
      accepted += expected.starts_with("ok");
    }
  }
  EXPECT_GT(accepted, 100);
}

}  // namespace
