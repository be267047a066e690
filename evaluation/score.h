#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "evaluation/outcome.h"

// The score rules of an accepted submission, shared by the contest systems' checker, the
// standings and the contestant's tools. A test case answered more than once counts by its
// first block.

/// Which way a count is better: the contest's rules say, never the evaluator.
enum class Better : uint8_t { Higher, Lower };

/// A direction with the word that a command line names it by.
struct BetterEntry {
  /// The direction.
  Better better;
  /// Its word: "higher" or "lower".
  std::string_view word;
};

/// Every direction, in the order of their values.
inline constexpr BetterEntry BetterWords[] = {{Better::Higher, "higher"}, {Better::Lower, "lower"}};

static_assert(BetterWords[0].better == Better::Higher && BetterWords[1].better == Better::Lower,
              "the table lists the directions in the order of their values");

/// The direction named by `word`, or nothing.
std::optional<Better> betterNamed(std::string_view word);

/// The word of a direction.
constexpr std::string_view betterWord(Better better) {
  return BetterWords[static_cast<std::size_t>(better)].word;
}

/// A count per test case, indexed by test case number - 1; empty where none is known.
using CountsByTestCase = std::vector<std::optional<int64_t>>;

/// The count of each of the `testCaseCount` test cases' first block among `results`.
CountsByTestCase firstBlockCounts(const std::vector<TestResult>& results, int32_t testCaseCount);

/// The count score: the sum, over the test cases answered, of the first block's count.
int64_t countScore(const std::vector<TestResult>& results, int32_t testCaseCount);

/// Takes into `best` each count of `counts` that is better than the one that it holds, or
/// where it holds none: over every accepted submission, the best count known.
void keepBetterCounts(CountsByTestCase& best, const CountsByTestCase& counts, Better better);

/// A test case's fraction of the best count known: 0 where it is not answered; otherwise
/// yours / best (higher is better) or best / yours (lower is better), at most 1, and 1 where
/// both are 0 or no best count is known.
double testCaseFraction(std::optional<int64_t> yours, std::optional<int64_t> best, Better better);

/// Each test case's fraction of `best`, indexed by test case number - 1.
std::vector<double> relativeFractions(const std::vector<TestResult>& results, int32_t testCaseCount,
                                      const CountsByTestCase& best, Better better);

/// The relative score: the mean of the test cases' fractions over all `testCaseCount` of them.
double relativeScore(const std::vector<TestResult>& results, int32_t testCaseCount,
                     const CountsByTestCase& best, Better better);

/// A non-negative score or fraction as the programs write it, the same on every platform:
/// rounded to six decimals, with no trailing zeros ("1", "0.5", "66.666667").
std::string decimalText(double value);
