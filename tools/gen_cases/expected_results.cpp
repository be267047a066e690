#include "tools/gen_cases/expected_results.h"

#include <stdexcept>
#include <utility>

#include "tests/reference/brute_force.h"
#include "tests/reference/report_wording.h"

namespace {

/// Whether every answer cell equals the input's, except white cells that turned black.
bool keepsInputCells(const Rows& input, const Rows& answer) {
  for (int32_t i = 0; i < sideOf(input); ++i) {
    for (int32_t j = 0; j < sideOf(input); ++j) {
      const char in = input[i][j];
      const char out = answer[i][j];
      if (in != out && !(in == WhiteChar && out == BlackChar)) return false;
    }
  }
  return true;
}

/// The counting phase over a grid's black cells with the case's parameters.
Counting countingOf(SummedCounts& counts, const Parameters& p, const Rows& grid) {
  return countBlackCells(counts.blackCells(grid, p.d), p.b, p.c);
}

}  // namespace

Verdict verdictOf(SummedCounts& counts, const Case& testCase) {
  std::string fault = comparisonFault(testCase.input, testCase.answer);
  if (!fault.empty()) return {false, false, 0, std::move(fault)};
  Counting counting = countingOf(counts, testCase.parameters, testCase.answer);
  if (counting.fault == Counting::Fault::None) return {true, false, counting.nearPairs, {}};
  return {false, counting.fault == Counting::Fault::TooManyBlack, 0, std::move(counting.message)};
}

void requireWellFormed(const Case& testCase, int32_t k, SummedCounts& counts) {
  const Parameters& p = testCase.parameters;
  const int32_t limit = (2 * p.d + 1) * (2 * p.d + 1) - 1;
  const bool inRange =
      p.d >= 1 && p.d <= p.n && p.b >= 1 && p.b <= limit && p.c >= 1 && p.c <= limit;
  if (!inRange || countingOf(counts, p, testCase.input).fault != Counting::Fault::None ||
      !keepsInputCells(testCase.input, testCase.answer)) {
    throw std::logic_error("test case " + std::to_string(k) + " came out malformed");
  }
}

void requireIntendedVerdicts(const std::vector<SubmittedBlock>& blocks, Variant variant) {
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const Verdict& verdict = blocks[i].verdict;
    const bool lastFails = variant == Variant::FailLast && i + 1 == blocks.size();
    const bool shouldFail = lastFails || variant == Variant::RefuseAll;
    if (verdict.accepted == shouldFail || (lastFails && !verdict.blackCountFault)) {
      throw std::logic_error("the answer to test case " + std::to_string(blocks[i].number) +
                             " did not come out as intended");
    }
  }
}

std::string expectedReport(const std::vector<SubmittedBlock>& blocks) {
  for (const SubmittedBlock& block : blocks) {
    if (!block.verdict.accepted) return refusedReport(block.headerLine, block.verdict.fault);
  }
  std::string report = acceptedReportHead(blocks.size());
  for (const SubmittedBlock& block : blocks) {
    report += acceptedReportLine(block.number, block.verdict.nearPairs);
  }
  return report;
}

std::string expectedStdout(const std::vector<SubmittedBlock>& blocks) {
  std::string text;
  for (const SubmittedBlock& block : blocks) {
    if (!block.verdict.accepted) return {};
    text += acceptedStdoutLine(block.number, block.verdict.nearPairs);
  }
  return text;
}
