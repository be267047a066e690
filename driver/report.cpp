#include "driver/report.h"

#include <algorithm>
#include <cinttypes>
#include <cstring>
#include <string>

#include "textio/assertion.h"
#include "textio/checks.h"
#include "textio/message.h"

void writeSuccessReport(std::FILE* report, const std::vector<TestResult>& results) {
  std::fprintf(report, "OK\n%zu\n", results.size());
  for (const TestResult& result : results) {
    std::fprintf(report, "%" PRId32 " %" PRId64 "\n", result.number, result.nearPairs);
  }
}

namespace {

/// The failure form's first line up to its message.
std::string failureStart(int32_t checkNumber) {
  return composeMessage("Napaka [Mrezovnik:", checkNumber, "]: ");
}

}  // namespace

void writeFailureReport(std::FILE* report, int32_t checkNumber, std::string_view message) {
  const std::string_view shown = shownMessage(message);
  const std::string start = failureStart(checkNumber);
  std::fwrite(start.data(), 1, start.size(), report);
  std::fwrite(shown.data(), 1, shown.size(), report);
  std::fputs("\n-1\n", report);
}

std::string failureLine(Check check, std::string_view message) {
  return failureStart(checkNumber(check)).append(shownMessage(message));
}

std::string failureReportLine(const Outcome& outcome) {
  if (outcome.checkFailed()) return failureLine(outcome.failure.check, outcome.failure.message);
  return std::string(UnexpectedFailureText);
}

void writeReport(std::FILE* report, const Outcome& outcome) {
  switch (outcome.kind) {
    case OutcomeKind::Accepted:
      writeSuccessReport(report, outcome.results);
      return;
    case OutcomeKind::Refused:
    case OutcomeKind::InputFault:
      writeFailureReport(report, checkNumber(outcome.failure.check), outcome.failure.message);
      return;
    case OutcomeKind::UnexpectedFailure:
      writeUnexpectedReport(report);
      return;
  }
}

void writeUnexpectedReport(std::FILE* report) {
  std::fwrite(UnexpectedFailureText.data(), 1, UnexpectedFailureText.size(), report);
  std::fputs("\n-1\n", report);
}

bool closeReport(std::FILE* report) {
  const bool written = std::fflush(report) == 0 && std::ferror(report) == 0;
  return std::fclose(report) == 0 && written;
}

namespace {

/// The console line of a result, with its line end: the test case and the near-pair count.
constexpr char SummaryFormat[] =
    "Testni primer %" PRId32 ": %" PRId64 " parov bliznjih crnih polj.\n";

}  // namespace

std::size_t printSummary(std::FILE* out, const std::vector<TestResult>& results,
                         std::size_t limit) {
  const std::size_t printed = std::min(limit, results.size());
  for (std::size_t k = 0; k < printed; ++k) {
    std::fprintf(out, SummaryFormat, results[k].number, results[k].nearPairs);
  }
  return results.size() - printed;
}

std::string summaryLine(const TestResult& result) {
  const int length = std::snprintf(nullptr, 0, SummaryFormat, result.number, result.nearPairs);
  std::string line(static_cast<std::size_t>(length), '\0');
  std::snprintf(line.data(), line.size() + 1, SummaryFormat, result.number, result.nearPairs);
  line.pop_back();
  return line;
}
