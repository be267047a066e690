#include "driver/report.h"

#include <algorithm>
#include <cinttypes>
#include <cstring>

void writeSuccessReport(std::FILE* report, const std::vector<TestResult>& results) {
  std::fprintf(report, "OK\n%zu\n", results.size());
  for (const TestResult& result : results) {
    std::fprintf(report, "%" PRId32 " %" PRId64 "\n", result.number, result.nearPairs);
  }
}

void writeFailureReport(std::FILE* report, int32_t checkNumber, std::string_view message) {
  const std::size_t shown = std::min(message.size(), message.find('\0'));
  std::fprintf(report, "Napaka [Mrezovnik:%" PRId32 "]: ", checkNumber);
  std::fwrite(message.data(), 1, shown, report);
  std::fputs("\n-1\n", report);
}

void writeUnexpectedReport(std::FILE* report) {
  std::fputs("Nepricakovana napaka.  Predlagamo, da obvestis organizatorje tekmovanja.\n-1\n",
             report);
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
