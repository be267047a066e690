#include "driver/evaluate.h"

#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "driver/report.h"
#include "evaluation/evaluation.h"

namespace {

/// Whether the report path names the existing file that `other` names, through any link.
bool namesSameFile(const char* reportPath, const char* otherPath) {
  std::error_code error;
  return std::filesystem::equivalent(reportPath, otherPath, error) && !error;
}

/// Whether a Windows path names a data stream of a file ("name:stream", "name::$DATA"): the
/// input's own data may stand behind such a name, where no comparison of files can see it.
/// Elsewhere a colon is an ordinary character of a file name.
bool namesDataStream(std::string_view path) {
#ifdef _WIN32
  // A colon may stand only after the drive letter, behind an optional "\\?\" or "\\.\".
  const auto isSlash = [](char c) { return c == '\\' || c == '/'; };
  if (path.size() >= 4 && isSlash(path[0]) && isSlash(path[1]) &&
      (path[2] == '?' || path[2] == '.') && isSlash(path[3])) {
    path.remove_prefix(4);
  }
  if (path.size() >= 2 && path[1] == ':') path.remove_prefix(2);
  return path.find(':') != std::string_view::npos;
#else
  static_cast<void>(path);
  return false;
#endif
}

}  // namespace

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
