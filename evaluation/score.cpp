#include "evaluation/score.h"

#include <cmath>

CountsByTestCase firstBlockCounts(const std::vector<TestResult>& results, int32_t testCaseCount) {
  CountsByTestCase counts(static_cast<std::size_t>(testCaseCount));
  for (const TestResult& result : results) {
    std::optional<int64_t>& count = counts.at(static_cast<std::size_t>(result.number - 1));
    if (!count) count = result.nearPairs;
  }
  return counts;
}

std::optional<Better> betterNamed(std::string_view word) {
  for (const BetterEntry& entry : BetterWords) {
    if (entry.word == word) return entry.better;
  }
  return std::nullopt;
}

void keepBetterCounts(CountsByTestCase& best, const CountsByTestCase& counts, Better better) {
  for (std::size_t t = 0; t < counts.size() && t < best.size(); ++t) {
    if (!counts[t]) continue;
    const bool improves =
        !best[t] || (better == Better::Higher ? *counts[t] > *best[t] : *counts[t] < *best[t]);
    if (improves) best[t] = counts[t];
  }
}

int64_t countScore(const std::vector<TestResult>& results, int32_t testCaseCount) {
  int64_t sum = 0;
  for (const std::optional<int64_t>& count : firstBlockCounts(results, testCaseCount)) {
    sum += count.value_or(0);
  }
  return sum;
}

double testCaseFraction(std::optional<int64_t> yours, std::optional<int64_t> best, Better better) {
  if (!yours) return 0;
  if (!best) return 1;
  const int64_t numerator = better == Better::Higher ? *yours : *best;
  const int64_t denominator = better == Better::Higher ? *best : *yours;
  if (numerator >= denominator) return 1;
  return static_cast<double>(numerator) / static_cast<double>(denominator);
}

std::vector<double> relativeFractions(const std::vector<TestResult>& results, int32_t testCaseCount,
                                      const CountsByTestCase& best, Better better) {
  const CountsByTestCase yours = firstBlockCounts(results, testCaseCount);
  std::vector<double> fractions(yours.size());
  for (std::size_t t = 0; t < yours.size(); ++t) {
    fractions[t] = testCaseFraction(yours[t], t < best.size() ? best[t] : std::nullopt, better);
  }
  return fractions;
}

double relativeScore(const std::vector<TestResult>& results, int32_t testCaseCount,
                     const CountsByTestCase& best, Better better) {
  if (testCaseCount <= 0) return 0;
  double sum = 0;
  for (const double fraction : relativeFractions(results, testCaseCount, best, better)) {
    sum += fraction;
  }
  return sum / testCaseCount;
}

std::string decimalText(double value) {
  constexpr int64_t Millionths = 1'000'000;
  const int64_t rounded = std::llround(value * Millionths);
  std::string text = std::to_string(rounded / Millionths);
  const int64_t fraction = rounded % Millionths;
  if (fraction == 0) return text;
  std::string digits = std::to_string(fraction + Millionths).substr(1);
  digits.erase(digits.find_last_not_of('0') + 1);
  return text + "." + digits;
}
