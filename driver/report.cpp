#include "driver/report.h"

#include <cinttypes>
#include <cstring>

#include "textio/assertion.h"

void writeSuccessReport(std::FILE* report, const std::vector<TestResult>& results) {
  std::fprintf(report, "OK\n%zu\n", results.size());
  for (const TestResult& result : results) {
    std::fprintf(report, "%" PRId32 " %" PRId64 "\n", result.number, result.nearPairs);
  }
}

void writeFailureReport(std::FILE* report, int32_t checkNumber, std::string_view message) {
  const std::string_view shown = shownMessage(message);
  std::fprintf(report, "Napaka [Mrezovnik:%" PRId32 "]: ", checkNumber);
  std::fwrite(shown.data(), 1, shown.size(), report);
  std::fputs("\n-1\n", report);
}

void writeUnexpectedReport(std::FILE* report) {
  std::fwrite(UnexpectedFailureText.data(), 1, UnexpectedFailureText.size(), report);
  std::fputs("\n-1\n", report);
}

bool closeReport(std::FILE* report) {
  const bool written = std::fflush(report) == 0 && std::ferror(report) == 0;
  return std::fclose(report) == 0 && written;
}

void printSummary(std::FILE* out, const std::vector<TestResult>& results) {
  for (const TestResult& result : results) {
    std::fprintf(out, "Testni primer %" PRId32 ": %" PRId64 " parov bliznjih crnih polj.\n",
                 result.number, result.nearPairs);
  }
}
