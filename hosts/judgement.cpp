#include "hosts/judgement.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "driver/report.h"
#include "evaluation/best_counts.h"
#include "evaluation/evaluation.h"
#include "hosts/host_text.h"
#include "textio/assertion.h"
#include "textio/message.h"

namespace {

/// The judgement of an outcome that is no acceptance.
Judgement judgementOfFailure(Outcome outcome) {
  Judgement judgement;
  switch (outcome.kind) {
    case OutcomeKind::Refused:
      judgement.verdict = Verdict::WrongAnswer;
      judgement.message = hostText(failureLine(outcome.failure.check, outcome.failure.message));
      break;
    case OutcomeKind::InputFault:
      judgement.message = "the input file is at fault: " +
                          hostText(failureLine(outcome.failure.check, outcome.failure.message));
      break;
    default:
      judgement.message =
          "the evaluation failed unexpectedly (" + std::string(UnexpectedFailureText) + ")";
      break;
  }
  judgement.outcome = std::move(outcome);
  return judgement;
}

}  // namespace

std::string Judgement::scoreText(bool percent) const {
  if (rule == ScoreRule::Count) return std::to_string(count);
  return decimalText(percent ? 100 * fraction : fraction);
}

std::string Judgement::blockLines(std::string_view separator) const {
  std::string lines;
  const std::vector<TestResult>& results = outcome.results;
  const std::size_t listed = std::min(results.size(), ListedBlocks);
  for (std::size_t k = 0; k < listed; ++k) {
    if (k > 0) lines.append(separator);
    lines.append(summaryLine(results[k]));
  }
  if (listed < results.size()) {
    lines.append(separator).append(
        composeMessage("... and ", static_cast<uint64_t>(results.size() - listed), " more blocks"));
  }
  return lines;
}

Judgement judgeError(std::string_view reason) {
  Judgement judgement;
  judgement.message = hostText(reason);
  return judgement;
}

Judgement judge(const JudgeCall& call, const std::string& inputPath, const std::string& answerPath,
                TextFile& submission) {
  std::vector<TestCase> testCases;
  if (std::optional<Outcome> fault = readInputOrFault(inputPath, testCases)) {
    return judgementOfFailure(std::move(*fault));
  }
  const auto testCaseCount = static_cast<int32_t>(testCases.size());
  CountsByTestCase best;
  if (call.rule == ScoreRule::Relative) {
    try {
      best = readBestCounts(answerPath, testCaseCount);
    } catch (const EAnswerFile& fault) {
      return judgeError(fault.message);
    }
  }
  Outcome outcome = judgeSubmission(submission, testCases);
  if (!outcome.accepted()) return judgementOfFailure(std::move(outcome));
  Judgement judgement;
  judgement.verdict = Verdict::Accepted;
  judgement.rule = call.rule;
  judgement.count = countScore(outcome.results, testCaseCount);
  if (call.rule == ScoreRule::Relative) {
    judgement.fraction = relativeScore(outcome.results, testCaseCount, best, *call.better);
  }
  judgement.outcome = std::move(outcome);
  return judgement;
}
