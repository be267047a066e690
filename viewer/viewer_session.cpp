#include "viewer/viewer_session.h"

#include "driver/evaluate.h"
#include "evaluation/outcome.h"

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
      diagnosis(diagnoseBlock(block, ShownFaults, fastestCodePath())) {}

const NeighbourhoodCounts& ShownBlock::counts() {
  if (!counts_) counts_.emplace(block.rows, block.testCase->d);
  return *counts_;
}

// The whole diagnosis keeps one fault a block: the page lists counts, and reads a shown block
// again for its faults.
OpenSubmission::OpenSubmission(const std::string& path, const std::vector<TestCase>& testCases,
                               DiagnosisSink& sink)
    : file(path), diagnosis(reader, testCases, sink, 1, fastestCodePath()) {}

void ViewerSession::start(const std::string& inputPath, const std::string& submissionPath,
                          const ViewerSession* sameInput) {
  submissionPath_ = submissionPath;
  if (sameInput != nullptr && sameInput->inputSound_) {
    testCases_ = sameInput->testCases_;
    inputSound_ = true;
    openSubmission();
    return;
  }
  auto read = std::make_shared<std::vector<TestCase>>();
  input_ = std::make_unique<InputDiagnosis>(inputPath, *read, summary_);
  testCases_ = std::move(read);
}

void ViewerSession::openSubmission() {
  answers_.assign(testCases_->size(), TestCaseAnswers{});
  if (inputSound_) {
    submission_ = std::make_unique<OpenSubmission>(submissionPath_, *testCases_, summary_);
  }
}

void ViewerSession::tally(const BlockSummary& block) {
  const bool accepted = block.accepted();
  if (accepted) acceptedNearPairs_ += block.nearPairs;
  if (block.testCase < 1 || static_cast<std::size_t>(block.testCase) > answers_.size()) return;
  TestCaseAnswers& tallied = answers_[static_cast<std::size_t>(block.testCase - 1)];
  if (tallied.blocks++ == 0) {
    tallied.firstAccepted = accepted;
    tallied.firstNearPairs = block.nearPairs;
  }
}

bool ViewerSession::diagnose(int64_t steps) {
  for (int64_t k = 0; k < steps; ++k) {
    if (input_) {
      if (input_->step()) continue;
      inputSound_ = input_->sound();
      input_.reset();
      openSubmission();
      // The input's end ends the call, so that the caller may judge the first blocks one at
      // a time.
      return submission_ != nullptr;
    }
    if (!submission_) return false;
    const bool more = submission_->diagnosis.step();
    if (summary_.blockCount() > tallied_) {
      tally(summary_.last());
      tallied_ = summary_.blockCount();
    }
    if (more) continue;
    if (summary_.stop()) stopLine_ = submission_->reader.lineNo;
    summary_.finish();
    submission_.reset();
    return false;
  }
  return input_ != nullptr || submission_ != nullptr;
}

void ViewerSession::show(std::size_t k) {
  const BlockSummary& kept = summary_.kept().at(k);
  shown_.reset();
  shown_ = std::make_unique<ShownBlock>(submissionPath_, kept, testCases_->at(kept.testCase - 1));
}

int ViewerSession::evaluate(const std::string& inputPath, const std::string& submissionPath,
                            const std::string& reportPath) {
  Outcome outcome;
  const int exitCode =
      evaluateAndReport(inputPath.c_str(), submissionPath.c_str(), reportPath.c_str(), outcome);
  refusedBlockLine_ = outcome.refusedBlockLine;
  return exitCode;
}
