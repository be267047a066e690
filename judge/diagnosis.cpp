#include "judge/diagnosis.h"

#include <algorithm>

#include "judge/cell_fault.h"
#include "taskinput/input_file.h"
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

/// Reads and diagnoses the blocks; a failed check ends it.
void diagnoseBlocks(LineReader& reader, const std::vector<TestCase>& testCases, DiagnosisSink& sink,
                    std::size_t limit, CodePath path) {
  readSubmissionHeader(reader);
  const auto testCount = static_cast<int32_t>(testCases.size());
  SubmittedGrid block;
  std::string line;
  for (int32_t number = readBlockHeader(reader, testCount, line); number != 0;
       number = readBlockHeader(reader, testCount, line)) {
    const uint64_t rowsOffset = reader.in.position();
    readBlockRows(block, reader, number, testCases[number - 1]);
    sink.takeBlock({block.headerLine, rowsOffset, block.testCase,
                    diagnoseGrid(*block.testCase, block.rows, limit, path)});
  }
}

}  // namespace

std::string BlockDiagnosis::message() const {
  return refusedBlockMessage(headerLine, faultMessage(grid.faults.kept().front(), *testCase));
}

bool readInputForDiagnosis(const std::string& inputPath, std::vector<TestCase>& testCases,
                           DiagnosisSink& sink) {
  return stopOnFailure(sink, [&] { readInputFile(inputPath, testCases); });
}

void diagnoseSubmission(LineReader& reader, const std::vector<TestCase>& testCases,
                        DiagnosisSink& sink, std::size_t limit, CodePath path) {
  const std::size_t kept = std::max<std::size_t>(limit, 1);
  stopOnFailure(sink, [&] { diagnoseBlocks(reader, testCases, sink, kept, path); });
}

void diagnose(const std::string& inputPath, const std::string& submissionPath, DiagnosisSink& sink,
              std::size_t limit, CodePath path) {
  std::vector<TestCase> testCases;
  if (!readInputForDiagnosis(inputPath, testCases, sink)) return;
  TextFile submission(submissionPath);
  LineReader reader{submission};
  diagnoseSubmission(reader, testCases, sink, limit, path);
}
