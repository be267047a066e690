#include "driver/score_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

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
  for (const auto& c : cases) EXPECT_EQ(scoreLine(c.outcome), c.line) << c.what;
}

}  // namespace
