#include "fuzz/diagnosis_agreement.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "diagnosis/diagnosis.h"
#include "driver/report.h"
#include "fuzz/report_form.h"
#include "textio/checks.h"

namespace {

/// Takes a diagnosis block by block, and writes the report that it stands for with the
/// evaluator's own report writers.
class ReportOfDiagnosis : public DiagnosisSink {
 public:
  void takeBlock(const BlockDiagnosis& block) override {
    if (failure_) return;
    if (!block.accepted()) {
      failure_ = DiagnosisStop{checkNumber(Check::SubmittedGridRefused), block.message()};
      return;
    }
    results_.push_back({block.testCase->number, block.grid.nearPairs});
  }
  void takeStop(const DiagnosisStop& stop) override {
    if (!failure_) failure_ = stop;
  }

  /// The report form.
  std::string report() const {
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&buffer, &size);
    if (!failure_) {
      writeSuccessReport(out, results_);
    } else if (failure_->check == 0) {
      writeUnexpectedReport(out);
    } else {
      writeFailureReport(out, failure_->check, failure_->message);
    }
    std::fclose(out);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
  }

 private:
  /// The first refused block or the stop, whichever came first.
  std::optional<DiagnosisStop> failure_;
  std::vector<TestResult> results_;
};

}  // namespace

void requireDiagnosisAgrees(const std::filesystem::path& input,
                            const std::filesystem::path& submission, std::string_view report) {
  ReportOfDiagnosis diagnosis;
  diagnose(input.string(), submission.string(), diagnosis);
  const std::string told = diagnosis.report();
  if (told != report) abortWithFinding("the diagnosis tells another report: " + told, report);
}
