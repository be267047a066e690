#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "evaluation/outcome.h"
#include "textio/checks.h"

// The report's three forms, each written once at the end of a run, and the console summary,
// all from the outcome of the evaluation.

/// The one form of the report that `outcome` calls for.
void writeReport(std::FILE* report, const Outcome& outcome);

/// The success form: "OK", the number of results, then "<number> <nearPairs>" per result.
void writeSuccessReport(std::FILE* report, const std::vector<TestResult>& results);

/// The failure form: the failed check's number and message, then "-1". The message is
/// written as data, up to its first NUL byte.
void writeFailureReport(std::FILE* report, int32_t checkNumber, std::string_view message);

/// The failure form's first line, without its line end: the check's number and the message up
/// to its first NUL byte, "Napaka [Mrezovnik:<number>]: <message>".
std::string failureLine(Check check, std::string_view message);

/// The first line of the report of an outcome that is not accepted, without its line end: the
/// failure line, or the unexpected-error form's text; for a program that tells the failure on
/// standard error.
std::string failureReportLine(const Outcome& outcome);

/// The unexpected-error form, for any failure that is not a failed check.
void writeUnexpectedReport(std::FILE* report);

/// Flushes and closes the report; false when any write, the flush or the close failed.
bool closeReport(std::FILE* report);

/// The console line of every result, in order, or of the first `limit` of them; returns the
/// number of results left out.
std::size_t printSummary(std::FILE* out, const std::vector<TestResult>& results,
                         std::size_t limit = SIZE_MAX);

/// One result's console line, without its line end.
std::string summaryLine(const TestResult& result);
