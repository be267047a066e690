#include "diagnosis/diagnosis.h"

#include <algorithm>

#include "judge/cell_fault.h"
#include "textio/assertion.h"
#include "textio/text_file.h"

namespace {

/// Runs `action`; false, after handing `sink` the stop, when it fails.
template <class Action>
bool stopOnFailure(DiagnosisSink& sink, Action&& action) {
  try {
    action();
    return true;
  } catch (const EAssertion& failure) {
    sink.takeStop({failure.line, std::string(shownMessage(failure.message))});
  } catch (...) {
    sink.takeStop({0, std::string(UnexpectedFailureText)});
  }
  return false;
}

}  // namespace

std::string BlockDiagnosis::message() const {
  return refusedBlockMessage(headerLine, faultMessage(grid.faults.kept().front(), *testCase));
}

BlockDiagnosis diagnoseBlock(const SubmittedGrid& block, std::size_t limit, CodePath path) {
  return {block.headerLine, block.rowsOffset, block.testCase,
          diagnoseGrid(*block.testCase, block.rows, limit, path)};
}

InputDiagnosis::InputDiagnosis(const std::string& inputPath, std::vector<TestCase>& testCases,
                               DiagnosisSink& sink)
    : sink_(sink) {
  stopOnFailure(sink_, [&] { reader_ = std::make_unique<InputFileReader>(inputPath, testCases); });
}

bool InputDiagnosis::step() {
  if (!reader_) return false;
  bool read = false;
  if (!stopOnFailure(sink_, [&] { read = reader_->readNext(); })) {
    reader_.reset();
    return false;
  }
  if (read) return true;
  sound_ = true;
  reader_.reset();
  return false;
}

bool readInputForDiagnosis(const std::string& inputPath, std::vector<TestCase>& testCases,
                           DiagnosisSink& sink) {
  InputDiagnosis input(inputPath, testCases, sink);
  while (input.step()) {
  }
  return input.sound();
}

SubmissionDiagnosis::SubmissionDiagnosis(LineReader& reader, const std::vector<TestCase>& testCases,
                                         DiagnosisSink& sink, std::size_t limit, CodePath path)
    : submission_(reader, testCases),
      sink_(sink),
      limit_(std::max<std::size_t>(limit, 1)),
      path_(path) {}

bool SubmissionDiagnosis::step() {
  if (ended_) return false;
  bool judged = false;
  stopOnFailure(sink_, [&] { judged = diagnoseNextBlock(); });
  ended_ = !judged;
  return judged;
}

bool SubmissionDiagnosis::diagnoseNextBlock() {
  if (!submission_.readNextBlock(block_)) return false;
  sink_.takeBlock(diagnoseBlock(block_, limit_, path_));
  return true;
}

void diagnoseSubmission(LineReader& reader, const std::vector<TestCase>& testCases,
                        DiagnosisSink& sink, std::size_t limit, CodePath path) {
  SubmissionDiagnosis diagnosis(reader, testCases, sink, limit, path);
  while (diagnosis.step()) {
  }
}

void diagnose(const std::string& inputPath, const std::string& submissionPath, DiagnosisSink& sink,
              std::size_t limit, CodePath path) {
  std::vector<TestCase> testCases;
  if (!readInputForDiagnosis(inputPath, testCases, sink)) return;
  TextFile submission(submissionPath);
  LineReader reader{submission};
  diagnoseSubmission(reader, testCases, sink, limit, path);
}
