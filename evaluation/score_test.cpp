#include "evaluation/score.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Score, ATestCaseCountsByItsFirstBlock) {
  const std::vector<TestResult> results = {{3, 5}, {1, 2}, {3, 9}};
  EXPECT_EQ(countScore(results, 4), 7);
  EXPECT_EQ(firstBlockCounts(results, 4), (CountsByTestCase{2, std::nullopt, 5, std::nullopt}));
  EXPECT_EQ(countScore({}, 4), 0);
}

TEST(Score, AFractionIsAtMostOneAndZeroWhereNotAnswered) {
  struct Case {
    std::optional<int64_t> yours, best;
    Better better;
    double fraction;
  };
  const std::vector<Case> cases = {
      {std::nullopt, 10, Better::Higher, 0},
      {std::nullopt, std::nullopt, Better::Lower, 0},
      {5, 10, Better::Higher, 0.5},
      {5, 10, Better::Lower, 1},
      {20, 10, Better::Higher, 1},
      {20, 10, Better::Lower, 0.5},
      {0, 0, Better::Higher, 1},
      {0, 0, Better::Lower, 1},
      {0, 4, Better::Higher, 0},
      {0, 4, Better::Lower, 1},
      {4, 0, Better::Higher, 1},
      {4, 0, Better::Lower, 0},
      {7, std::nullopt, Better::Higher, 1},
      {7, std::nullopt, Better::Lower, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(testCaseFraction(c.yours, c.best, c.better), c.fraction)
        << c.yours.value_or(-1) << " against " << c.best.value_or(-1);
  }
}

TEST(Score, TheRelativeScoreIsTheMeanOverEveryTestCase) {
  const std::vector<TestResult> results = {{1, 1}, {2, 6}, {1, 3}};
  const CountsByTestCase best = {3, 4, 8};
  EXPECT_EQ(relativeFractions(results, 3, best, Better::Higher),
            (std::vector<double>{1.0 / 3, 1, 0}));
  EXPECT_EQ(relativeScore(results, 3, best, Better::Higher), (1.0 / 3 + 1) / 3);
  EXPECT_EQ(relativeScore(results, 3, best, Better::Lower), (1 + 4.0 / 6) / 3);
}

TEST(Score, TheBestCountIsTheHighestOrTheLowestAnswered) {
  CountsByTestCase higher(3);
  CountsByTestCase lower(3);
  for (const CountsByTestCase& counts :
       {CountsByTestCase{5, std::nullopt, 0}, CountsByTestCase{2, std::nullopt, 7},
        CountsByTestCase{9, std::nullopt, std::nullopt}}) {
    keepBetterCounts(higher, counts, Better::Higher);
    keepBetterCounts(lower, counts, Better::Lower);
  }
  EXPECT_EQ(higher, (CountsByTestCase{9, std::nullopt, 7}));
  EXPECT_EQ(lower, (CountsByTestCase{2, std::nullopt, 0}));
  EXPECT_EQ(betterNamed("lower"), Better::Lower);
  EXPECT_EQ(betterNamed("Higher"), std::nullopt);
  EXPECT_EQ(betterWord(Better::Higher), "higher");
}

TEST(Score, DecimalTextRoundsToSixDecimalsWithoutTrailingZeros) {
  const std::vector<std::pair<double, std::string>> cases = {
      {0, "0"},
      {1, "1"},
      {0.5, "0.5"},
      {2.0 / 3, "0.666667"},
      {100, "100"},
      {200.0 / 3, "66.666667"},
      {1e-7, "0"},
      {0.0000005, "0.000001"},
      {12345678901.25, "12345678901.25"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(decimalText(value), text) << value;
}

}  // namespace
