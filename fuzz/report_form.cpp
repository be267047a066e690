#include "fuzz/report_form.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "textio/checks.h"

namespace {

/// The whole unexpected-error report.
constexpr std::string_view UnexpectedReport =
    "Nepricakovana napaka.  Predlagamo, da obvestis organizatorje tekmovanja.\n-1\n";
/// The start of the accepted form.
constexpr std::string_view AcceptedStart = "OK\n";
/// The start of the failure form, before the check number.
constexpr std::string_view FailureStart = "Napaka [Mrezovnik:";
/// What separates the check number from the message.
constexpr std::string_view FailureSeparator = "]: ";
/// The end of the failure form, after the message.
constexpr std::string_view FailureEnd = "\n-1\n";
/// Digits of the largest near-pair count (a 64-bit signed value).
constexpr std::size_t MaxCountDigits = 19;
/// Digits of the largest check number and test case number.
constexpr std::size_t MaxSmallDigits = 3;
/// How much of a faulty report a finding shows.
constexpr std::size_t ShownReportBytes = 2000;

/// Whether `text` is a non-negative integer as printf writes it: 1 to `maxDigits` digits,
/// without a leading zero unless it is "0".
bool isPlainDecimal(std::string_view text, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) return false;
  if (text.size() > 1 && text.front() == '0') return false;
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

/// The value of plain decimal text of at most MaxSmallDigits digits.
int smallValue(std::string_view text) {
  int value = 0;
  for (const char digit : text) value = value * 10 + (digit - '0');
  return value;
}

/// The lines of text that ends with a line feed, without their line feeds.
std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  return lines;
}

/// The fault of one "<k> <count>" line of an accepted report, or empty.
std::string resultLineFault(std::string_view line, const ReportLimits& limits) {
  const std::size_t space = line.find(' ');
  if (space == std::string_view::npos) return "a result line has no space";
  const std::string_view number = line.substr(0, space);
  const std::string_view count = line.substr(space + 1);
  if (!isPlainDecimal(number, MaxSmallDigits)) return "a result line's test number is malformed";
  const int value = smallValue(number);
  if (value < 1 || value > limits.maxTestNumber)
    return "a result line's test number is out of range";
  if (!isPlainDecimal(count, MaxCountDigits)) return "a result line's count is malformed";
  return {};
}

/// The fault of a report that starts like the accepted form, or empty.
std::string acceptedFault(std::string_view report, const ReportLimits& limits) {
  if (report.back() != '\n') return "an accepted report does not end with a line feed";
  const std::vector<std::string_view> lines = splitLines(report);
  if (lines.size() < 2) return "an accepted report has no result count";
  if (lines[1] != std::to_string(lines.size() - 2)) {
    return "an accepted report's result count is not its number of result lines";
  }
  for (std::size_t i = 2; i < lines.size(); ++i) {
    std::string fault = resultLineFault(lines[i], limits);
    if (!fault.empty()) return fault;
  }
  return {};
}

/// The fault of a report that starts like the failure form, or empty.
std::string failureFault(std::string_view report, const ReportLimits& limits) {
  if (report.size() < FailureStart.size() + FailureEnd.size() || !report.ends_with(FailureEnd)) {
    return "a failure report does not end with \"\\n-1\\n\"";
  }
  const std::string_view body =
      report.substr(FailureStart.size(), report.size() - FailureStart.size() - FailureEnd.size());
  const std::size_t separator = body.find(FailureSeparator);
  if (separator == std::string_view::npos) return "a failure report has no \"]: \"";
  const std::string_view check = body.substr(0, separator);
  const std::string_view message = body.substr(separator + FailureSeparator.size());
  if (!isPlainDecimal(check, MaxSmallDigits)) return "a failure report's check number is malformed";
  const auto named = [&](const CheckEntry& entry) {
    return checkNumber(entry.check) == smallValue(check) &&
           (limits.inputChecks || entry.file != CheckedFile::Input);
  };
  if (std::ranges::none_of(AllChecks, named)) {
    return "a failure report names a check that this run cannot fail";
  }
  if (message.empty()) return "a failure report has an empty message";
  if (message.find('\n') != std::string_view::npos) return "a failure message spans lines";
  if (message.find('\0') != std::string_view::npos) return "a failure message holds a NUL byte";
  return {};
}

}  // namespace

std::string reportFault(std::string_view report, const ReportLimits& limits) {
  if (report == UnexpectedReport) return "the unexpected-error report";
  if (report.starts_with(AcceptedStart)) return acceptedFault(report, limits);
  if (report.starts_with(FailureStart)) return failureFault(report, limits);
  return "the report starts like none of its three forms";
}

void abortWithFinding(std::string_view finding, std::string_view report) {
  const std::size_t shown = std::min(report.size(), ShownReportBytes);
  std::fprintf(stderr, "\n==== mrezovnik fuzz finding: %.*s\n==== report (%zu bytes):\n",
               static_cast<int>(finding.size()), finding.data(), report.size());
  std::fwrite(report.data(), 1, shown, stderr);
  std::fputs("\n==== end of report\n", stderr);
  std::abort();
}

void requireWellFormedReport(std::string_view report, const ReportLimits& limits) {
  const std::string fault = reportFault(report, limits);
  if (!fault.empty()) abortWithFinding(fault, report);
}
