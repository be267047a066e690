#include "fuzz/diagnosis_agreement.h"

#include <string>

#include "diagnosis/diagnosis.h"
#include "fuzz/report_form.h"
#include "textio/assertion.h"

namespace {

/// Builds the report that a diagnosis stands for, block by block.
class ReportOfDiagnosis : public DiagnosisSink {
 public:
  void takeBlock(const BlockDiagnosis& block) override {
    if (!failure_.empty()) return;
    if (!block.accepted()) {
      failure_ = failureForm(221, block.message());
      return;
    }
    ++blocks_;
    lines_ +=
        std::to_string(block.testCase->number) + " " + std::to_string(block.grid.nearPairs) + "\n";
  }
  void takeStop(const DiagnosisStop& stop) override {
    if (!failure_.empty()) return;
    failure_ = stop.check == 0 ? std::string(UnexpectedFailureText) + "\n-1\n"
                               : failureForm(stop.check, stop.message);
  }

  /// The report form.
  std::string report() const {
    return failure_.empty() ? "OK\n" + std::to_string(blocks_) + "\n" + lines_ : failure_;
  }

 private:
  /// The failure form of a check.
  static std::string failureForm(int check, const std::string& message) {
    return "Napaka [Mrezovnik:" + std::to_string(check) + "]: " + message + "\n-1\n";
  }

  std::string failure_;
  int blocks_ = 0;
  std::string lines_;
};

}  // namespace

void requireDiagnosisAgrees(const std::filesystem::path& input,
                            const std::filesystem::path& submission, std::string_view report) {
  ReportOfDiagnosis diagnosis;
  diagnose(input.string(), submission.string(), diagnosis);
  const std::string told = diagnosis.report();
  if (told != report) abortWithFinding("the diagnosis tells another report: " + told, report);
}
