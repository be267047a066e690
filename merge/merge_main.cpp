// mrezovnik-merge: the best valid block of each test case among a contestant's submissions,
// merged into one submission.
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "driver/output_path.h"
#include "driver/report.h"
#include "merge/merge_call.h"
#include "merge/merge_plan.h"
#include "merge/merge_table_text.h"
#include "merge/merged_submission.h"
#include "merge/whole_file.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

/// Exit codes.
/// The merged submission was written.
constexpr int ExitMerged = 0;
/// The command line is wrong.
constexpr int ExitUsage = 1;
/// The merged submission could not be written, or -o names a file that is read.
constexpr int ExitNotWritten = 2;
/// The input file is at fault.
constexpr int ExitInputFault = 3;
/// The merge failed unexpectedly (exhausted memory), or a submission changed meanwhile.
constexpr int ExitFailed = 4;

/// Tells what went wrong on standard error; returns `code`.
int fail(int code, const std::string& problem) {
  std::fprintf(stderr, "mrezovnik-merge: %s\n", problem.c_str());
  return code;
}

/// What is wrong with writing the call's -o file, checked before anything is read, or "".
std::string outputProblem(const MergeCall& call) {
  const char* output = call.outputPath->c_str();
  if (namesDataStream(output)) return "-o " + *call.outputPath + " names a data stream";
  std::error_code error;
  if (std::filesystem::is_directory(output, error)) {
    return "-o " + *call.outputPath + " names a folder";
  }
  if (namesSameFile(output, call.inputPath.c_str())) {
    return "-o " + *call.outputPath + " names the INPUT file";
  }
  for (const std::string& submission : call.submissionPaths) {
    if (namesSameFile(output, submission.c_str())) {
      return "-o " + *call.outputPath + " names the SUBMISSION " + submission;
    }
  }
  return "";
}

/// Writes the merged submission to the -o file or to standard output; the exit code.
int writeMerged(const MergeCall& call, const MergePlan& plan) {
  if (call.outputPath) {
    std::string changed;
    const std::string problem = writeWholeFile(*call.outputPath, [&](std::FILE* file) {
      changed = writeMergedSubmission(plan, file);
      return changed;
    });
    if (problem.empty()) return ExitMerged;
    return fail(changed.empty() ? ExitNotWritten : ExitFailed, problem);
  }
#ifdef _WIN32
  // Line feeds as they are: the same bytes on every platform.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  const std::string changed = writeMergedSubmission(plan, stdout);
  if (!changed.empty()) return fail(ExitFailed, changed);
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
    return fail(ExitNotWritten, "cannot write standard output whole");
  }
  return ExitMerged;
}

/// Runs a complete call; the exit code.
int merge(const MergeCall& call) {
  const MergePlan plan = planMerge(call.inputPath, call.submissionPaths, *call.better);
  if (plan.inputFault) {
    std::fprintf(stderr, "%s\n", failureReportLine(*plan.inputFault).c_str());
    return ExitInputFault;
  }
  std::fputs(mergeTableText(plan.table).c_str(), stderr);
  if (!plan.table.complete()) return fail(ExitFailed, IncompleteMerge);
  return writeMerged(call, plan);
}

}  // namespace

int main(int argc, char** argv) {
#ifdef SIGPIPE
  // A closed pipe shows as a failed write, which the exit code reports.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  MergeCall call;
  const std::string problem = parseMergeCall(argc, argv, call);
  if (call.help) {
    std::fputs(mergeUsage().c_str(), stdout);
    return std::fflush(stdout) == 0 ? ExitMerged : ExitNotWritten;
  }
  if (!problem.empty()) {
    std::fprintf(stderr, "mrezovnik-merge: %s\n%s", problem.c_str(), mergeUsage().c_str());
    return ExitUsage;
  }
  if (call.outputPath) {
    const std::string outputFault = outputProblem(call);
    if (!outputFault.empty()) return fail(ExitNotWritten, outputFault);
  }
  try {
    return merge(call);
  } catch (...) {
    return fail(ExitFailed, UnexpectedMergeFailure);
  }
}
