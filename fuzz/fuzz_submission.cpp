// Fuzzes the submission alone against one fixed, valid input file of three test cases
// (fuzz/fixed_input.txt): every run must end in exactly one well-formed report with exit
// code 0, and a failed check can only be one of the submission's.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fixed_input.h"
#include "fuzz/eval_workspace.h"
#include "fuzz/report_form.h"

namespace {

/// The number of test cases in the fixed input file.
constexpr int FixedTestCount = 3;

/// The process's private folder. libFuzzer's entry points take no context, so the folder
/// lives in this one function-local object, made on first use and never changed after.
const EvalWorkspace& workspace() {
  static const EvalWorkspace folder;
  return folder;
}

}  // namespace

/// Called once by libFuzzer before the first input: writes the fixed input file.
extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  silenceStandardOutput();
  writeFileOrAbort(workspace().inputPath(), FixedInput);
  return 0;
}

/// Called by libFuzzer for every input: the input is the whole submission.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view submission(reinterpret_cast<const char*>(data), size);
  writeFileOrAbort(workspace().submissionPath(), submission);
  const std::string report = workspace().evaluate(FixedInput, submission);
  requireWellFormedReport(report, ReportLimits{SubmissionCheckNumbers, FixedTestCount});
  return 0;
}
