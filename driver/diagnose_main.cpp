// mrezovnik-diagnose: a contestant's diagnosis of a submission as JSON on standard output, or
// with --score its count score alone, as one line "Score = N".
#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "diagnosis/diagnosis.h"
#include "driver/diagnosis_json.h"
#include "driver/report.h"
#include "driver/score_line.h"
#include "evaluation/evaluation.h"

namespace {

/// Exit code: fewer than two paths.
constexpr int ExitUsage = 1;
/// Exit code: what was to be printed could not be written whole.
constexpr int ExitWriteFailed = 2;
/// Exit code of --score: the input file is at fault, or the evaluation failed unexpectedly.
constexpr int ExitNoScore = 3;

/// The exit code once standard output has been written.
int exitAfterWriting() {
  return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? 0 : ExitWriteFailed;
}

/// Prints the score line of the evaluation of the two files; the exit code.
int printScore(const char* inputPath, const char* submissionPath) {
  const Outcome outcome = evaluateFiles(inputPath, submissionPath);
  const std::string line = scoreLine(outcome);
  if (line.empty()) {
    std::fprintf(stderr, "%s\n", failureReportLine(outcome).c_str());
    return ExitNoScore;
  }
  std::fputs(line.c_str(), stdout);
  return exitAfterWriting();
}

}  // namespace

int main(int argc, char** argv) {
#ifdef SIGPIPE
  // A closed pipe shows as a failed write, which the exit code reports.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  // --score may stand anywhere; the first two other arguments are the paths, and any further
  // ones are ignored.
  bool score = false;
  std::vector<const char*> paths;
  for (int k = 1; k < argc; ++k) {
    if (std::string_view(argv[k]) == "--score") {
      score = true;
    } else {
      paths.push_back(argv[k]);
    }
  }
  if (paths.size() < 2) {
    std::fputs("Uporaba: mrezovnik-diagnose input.txt submission.txt\n", stdout);
    return ExitUsage;
  }
  if (score) return printScore(paths[0], paths[1]);
  DiagnosisJson json(stdout);
  diagnose(paths[0], paths[1], json);
  json.finish();
  return exitAfterWriting();
}
