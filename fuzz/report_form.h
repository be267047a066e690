#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

// The shape that every report must have, checked with plain code after each fuzzed run.

/// Every check number that a failure report may name.
inline constexpr std::array<int, 23> AllCheckNumbers{48,  50,  57,  72,  69,  73,  173, 178,
                                                     185, 143, 149, 150, 152, 153, 160, 163,
                                                     217, 221, 248, 249, 254, 263, 264};

/// The check numbers of the submission alone (the only ones a valid input file leaves).
inline constexpr std::array<int, 8> SubmissionCheckNumbers{69, 217, 221, 248, 249, 254, 263, 264};

/// What a report may name beyond its fixed shape.
struct ReportLimits {
  /// The check numbers that a failure report may name.
  std::span<const int> checkNumbers;
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
