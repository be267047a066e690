// Fuzzes the submission alone against one fixed, valid input file of three test cases
// (fuzz/fixed_input.txt): every run must end in exactly one well-formed report with exit
// code 0, and a failed check can only be one of the submission's.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fixed_input.h"
#include "fuzz/diagnosis_agreement.h"
#include "fuzz/eval_workspace.h"
#include "fuzz/report_form.h"

namespace {

/// The number of test cases in the fixed input file.
constexpr int FixedTestCount = 3;

}  // namespace

/// Called once by libFuzzer before the first input: writes the fixed input file.
extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  silenceStandardOutput();
  writeFileOrAbort(processWorkspace().inputPath(), FixedInput);
  return 0;
}

/// Called by libFuzzer for every input: the input is the whole submission.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view submission(reinterpret_cast<const char*>(data), size);
  writeFileOrAbort(processWorkspace().submissionPath(), submission);
  const std::string report = processWorkspace().evaluate(FixedInput, submission);
  requireWellFormedReport(report, ReportLimits{false, FixedTestCount});
  requireDiagnosisAgrees(processWorkspace().inputPath(), processWorkspace().submissionPath(),
                         report);
  return 0;
}
