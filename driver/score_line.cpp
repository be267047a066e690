#include "driver/score_line.h"

#include <cstdint>

#include "evaluation/score.h"

std::string scoreLine(const Outcome& outcome) {
  int64_t score = 0;
  switch (outcome.kind) {
    case OutcomeKind::Accepted:
      score = countScore(outcome.results, outcome.testCaseCount);
      break;
    case OutcomeKind::Refused:
      break;
    case OutcomeKind::InputFault:
    case OutcomeKind::UnexpectedFailure:
      return "";
  }
  return "Score = " + std::to_string(score) + "\n";
}
