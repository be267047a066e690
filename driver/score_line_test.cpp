#include "driver/score_line.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>
#include <vector>

namespace {

/// Whether a line, without its line end, matches the runners' pattern
/// ^\s*Score\s*=\s*(\d+)\s*$ (written out by hand: GCC 12 warns inside <regex>).
bool matchesRunnersPattern(std::string_view line) {
  const auto skipSpace = [&line] {
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.front())))
      line.remove_prefix(1);
  };
  const auto take = [&line](std::string_view word) {
    if (!line.starts_with(word)) return false;
    line.remove_prefix(word.size());
    return true;
  };
  skipSpace();
  if (!take("Score")) return false;
  skipSpace();
  if (!take("=")) return false;
  skipSpace();
  const std::size_t digits = line.find_first_not_of("0123456789");
  if (digits == 0 || line.empty()) return false;
  line.remove_prefix(digits == std::string_view::npos ? line.size() : digits);
  skipSpace();
  return line.empty();
}

/// An outcome of the given kind over four test cases.
Outcome outcomeOf(OutcomeKind kind, std::vector<TestResult> results = {}) {
  Outcome outcome;
  outcome.kind = kind;
  outcome.results = std::move(results);
  outcome.testCaseCount = 4;
  return outcome;
}

TEST(ScoreLine, CountScoreOfAnAcceptedSubmissionZeroOfARefusedOneNoneWithoutAScore) {
  const struct {
    const char* what;
    Outcome outcome;
    std::string line;
  } cases[] = {
      {"accepted: a test case answered twice counts by its first block",
       outcomeOf(OutcomeKind::Accepted, {{3, 5}, {1, 2}, {3, 100}}), "Score = 7\n"},
      {"accepted, past 32 bits", outcomeOf(OutcomeKind::Accepted, {{2, 5'000'000'000}, {4, 1}}),
       "Score = 5000000001\n"},
      {"accepted with no block", outcomeOf(OutcomeKind::Accepted), "Score = 0\n"},
      {"refused", outcomeOf(OutcomeKind::Refused), "Score = 0\n"},
      {"the input file at fault", outcomeOf(OutcomeKind::InputFault), ""},
      {"an unexpected failure", outcomeOf(OutcomeKind::UnexpectedFailure), ""},
  };
  for (const auto& c : cases) {
    const std::string line = scoreLine(c.outcome);
    EXPECT_EQ(line, c.line) << c.what;
    if (!line.empty()) {
      EXPECT_TRUE(matchesRunnersPattern(line.substr(0, line.size() - 1))) << c.what;
    }
  }
  EXPECT_FALSE(matchesRunnersPattern("Score = "));
  EXPECT_FALSE(matchesRunnersPattern("Score = 7 points"));
}

}  // namespace
