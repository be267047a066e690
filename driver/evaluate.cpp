#include "driver/evaluate.h"

#include <cstdio>

#include "driver/output_path.h"
#include "driver/report.h"
#include "evaluation/evaluation.h"

void printUsage() {
  std::fputs("Uporaba: Mrezovnik eval input.txt submission.txt report.txt\n", stdout);
}

int evaluate(int argc, char** argv) {
  if (argc < 5) {
    printUsage();
    return ExitUsage;
  }
  Outcome outcome;
  return evaluateAndReport(argv[2], argv[3], argv[4], outcome);
}

int evaluateAndReport(const char* inputPath, const char* submissionPath, const char* reportPath,
                      Outcome& outcome) {
  // Opening the report truncates it: it must never be one of the files to read.
  if (namesDataStream(reportPath) || namesSameFile(reportPath, inputPath) ||
      namesSameFile(reportPath, submissionPath)) {
    return ExitReportFailed;
  }
  std::FILE* report = std::fopen(reportPath, "wt");
  if (report == nullptr) return ExitReportFailed;

  outcome = evaluateFiles(inputPath, submissionPath);
  writeReport(report, outcome);
  if (!closeReport(report)) return ExitReportFailed;
  // The console lines follow the closed report, so that they can neither reach the report
  // nor claim a result that the report failed to record.
  if (outcome.accepted()) printSummary(stdout, outcome.results);
  return ExitDone;
}
