// Fuzzes the whole evaluation: one fuzzer input holds both the input file and the
// submission, and every run must end in exactly one well-formed report with exit code 0.
//
// Split: the bytes before the first "=== submission ===\n" are the input file, the bytes
// after it are the submission. Without the marker, all bytes are the input file and the
// submission is empty.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/diagnosis_agreement.h"
#include "fuzz/eval_workspace.h"
#include "fuzz/report_form.h"

namespace {

/// The marker between the input file's bytes and the submission's in one fuzzer input.
constexpr std::string_view SubmissionMarker = "=== submission ===\n";

/// The two files that one fuzzer input stands for.
struct FilePair {
  std::string_view input;
  std::string_view submission;
};

/// Splits a fuzzer input at its first marker.
FilePair splitFuzzerInput(std::string_view data) {
  const std::size_t marker = data.find(SubmissionMarker);
  if (marker == std::string_view::npos) return {data, {}};
  return {data.substr(0, marker), data.substr(marker + SubmissionMarker.size())};
}

}  // namespace

/// Called once by libFuzzer before the first input.
extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  silenceStandardOutput();
  processWorkspace();  // Makes the folder now, so that a set-up failure shows before any run.
  return 0;
}

/// Called by libFuzzer for every input.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const FilePair files =
      splitFuzzerInput(std::string_view(reinterpret_cast<const char*>(data), size));
  writeFileOrAbort(processWorkspace().inputPath(), files.input);
  writeFileOrAbort(processWorkspace().submissionPath(), files.submission);
  const std::string report = processWorkspace().evaluate(files.input, files.submission);
  requireWellFormedReport(report, ReportLimits{true, 100});
  requireDiagnosisAgrees(processWorkspace().inputPath(), processWorkspace().submissionPath(),
                         report);
  return 0;
}
