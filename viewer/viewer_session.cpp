#include "viewer/viewer_session.h"

namespace {

/// The block that `summary` describes, read again.
SubmittedGrid reread(const std::string& submissionPath, const BlockSummary& summary,
                     const TestCase& testCase) {
  SubmittedGrid block;
  rereadBlock(submissionPath, summary, testCase, block);
  return block;
}

}  // namespace

ShownBlock::ShownBlock(const std::string& submissionPath, const BlockSummary& summary,
                       const TestCase& testCase)
    : block(reread(submissionPath, summary, testCase)),
      diagnosis(diagnoseBlock(block, ShownFaults, fastestCodePath())),
      counts(block.rows, testCase.d) {}

// The whole diagnosis keeps one fault a block: the page lists counts, and reads a shown block
// again for its faults.
OpenSubmission::OpenSubmission(const std::string& path, const std::vector<TestCase>& testCases,
                               DiagnosisSink& sink)
    : file(path), diagnosis(reader, testCases, sink, 1, fastestCodePath()) {}

void ViewerSession::start(const std::string& inputPath, const std::string& submissionPath) {
  submissionPath_ = submissionPath;
  if (readInputForDiagnosis(inputPath, testCases_, summary_)) {
    submission_ = std::make_unique<OpenSubmission>(submissionPath, testCases_, summary_);
  }
}

bool ViewerSession::diagnose(int64_t blocks) {
  if (!submission_) return false;
  for (int64_t k = 0; k < blocks; ++k) {
    if (submission_->diagnosis.step()) continue;
    if (summary_.stop()) stopLine_ = submission_->reader.lineNo;
    summary_.finish();
    submission_.reset();
    return false;
  }
  return true;
}

void ViewerSession::show(std::size_t k) {
  const BlockSummary& kept = summary_.kept().at(k);
  shown_.reset();
  shown_ = std::make_unique<ShownBlock>(submissionPath_, kept, testCases_.at(kept.testCase - 1));
}
