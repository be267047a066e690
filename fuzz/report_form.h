#pragma once

#include <string>
#include <string_view>

// The shape that every report must have, checked with plain code after each fuzzed run.

/// What a report may name beyond its fixed shape.
struct ReportLimits {
  /// Whether a failure report may name a check that only the input file can fail; a valid
  /// input file leaves those of the submission alone. The checks are those of the table.
  bool inputChecks = true;
  /// The highest test case number that a line of an accepted report may name.
  int maxTestNumber = 100;
};

/// Why `report` is not exactly one well-formed report form within `limits`; empty when it
/// is. The unexpected-error form counts as a fault: no fuzzer-sized input may cause it.
std::string reportFault(std::string_view report, const ReportLimits& limits);

/// Prints the finding and the start of the report on standard error, then aborts, so that
/// libFuzzer saves the input that caused it.
[[noreturn]] void abortWithFinding(std::string_view finding, std::string_view report);

/// Aborts with a finding unless `report` is exactly one well-formed form within `limits`.
void requireWellFormedReport(std::string_view report, const ReportLimits& limits);
