#include "evaluation/evaluation.h"

#include <utility>

#include "judge/check_grid.h"
#include "readers/input_file.h"
#include "textio/assertion.h"

namespace {

/// Reads and judges every block into `results`; `block` holds the block read last, so that
/// a refusal can name it.
void judgeBlocks(SubmissionReader& submission, SubmittedGrid& block,
                 std::vector<TestResult>& results) {
  TestResult result;
  while (readSubmittedGrid(block, submission, result)) results.push_back(result);
}

/// The outcome of a failed check, of the given kind; the message is moved, never copied.
Outcome failedOutcome(OutcomeKind kind, EAssertion& failure) {
  Outcome outcome;
  outcome.kind = kind;
  outcome.failure.check = static_cast<Check>(failure.line);
  outcome.failure.message = std::move(failure.message);
  outcome.failure.message.resize(shownMessage(outcome.failure.message).size());
  return outcome;
}

}  // namespace

std::vector<TestResult> readSubmission(LineReader& reader, const std::vector<TestCase>& testCases) {
  SubmissionReader submission(reader, testCases);
  // One block at a time; its row buffer is reused by the next block.
  SubmittedGrid block;
  std::vector<TestResult> results;
  judgeBlocks(submission, block, results);
  return results;
}

bool readSubmittedGrid(SubmittedGrid& block, SubmissionReader& submission, TestResult& result) {
  if (!submission.readNextBlock(block)) return false;
  result.number = block.testCase->number;
  std::string message;
  if (!checkGrid(*block.testCase, block.rows, message, result.nearPairs)) {
    throwAssertion(refusedBlockMessage(block.headerLine, message), __FILE__,
                   Check::SubmittedGridRefused);
  }
  return true;
}

std::optional<Outcome> readInputOrFault(const std::string& inputPath,
                                        std::vector<TestCase>& testCases) {
  try {
    readInputFile(inputPath, testCases);
    return std::nullopt;
  } catch (EAssertion& failure) {
    testCases.clear();
    return failedOutcome(OutcomeKind::InputFault, failure);
  } catch (...) {
    testCases.clear();
    return Outcome{};
  }
}

Outcome judgeSubmission(TextFile& submission, const std::vector<TestCase>& testCases) {
  LineReader reader{submission};
  SubmittedGrid block;
  Outcome outcome;
  try {
    SubmissionReader blocks(reader, testCases);
    judgeBlocks(blocks, block, outcome.results);
    outcome.kind = OutcomeKind::Accepted;
  } catch (EAssertion& failure) {
    outcome = failedOutcome(OutcomeKind::Refused, failure);
    if (outcome.failure.check == Check::SubmittedGridRefused) {
      outcome.refusedBlockLine = block.headerLine;
    }
  } catch (...) {
    outcome = Outcome{};
  }
  outcome.testCaseCount = static_cast<int32_t>(testCases.size());
  return outcome;
}

Outcome judgeSubmission(const std::string& submissionPath, const std::vector<TestCase>& testCases) {
  try {
    TextFile submission(submissionPath);
    return judgeSubmission(submission, testCases);
  } catch (...) {
    Outcome unexpected;
    unexpected.testCaseCount = static_cast<int32_t>(testCases.size());
    return unexpected;
  }
}

Outcome evaluateFiles(const std::string& inputPath, const std::string& submissionPath) {
  std::vector<TestCase> testCases;
  if (std::optional<Outcome> fault = readInputOrFault(inputPath, testCases)) {
    return std::move(*fault);
  }
  return judgeSubmission(submissionPath, testCases);
}
