#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "diagnosis/diagnosis.h"
#include "diagnosis/diagnosis_summary.h"
#include "grid/test_case.h"
#include "judge/neighbourhood_counts.h"
#include "readers/submission.h"
#include "textio/line_reader.h"
#include "textio/text_file.h"

// What the viewer's page works with between its calls into the module: the test cases and
// the block summaries of one diagnosis, taken a few blocks at a time, and the block that the
// page shows.

/// The most blocks listed from the start of a submission, and the most refused ones after them.
inline constexpr std::size_t ListedBlocks = 10000;

/// The faults of a shown block that are kept and listed.
inline constexpr std::size_t ShownFaults = 1000;

/// One block read again: its rows, every fault of it, and its neighbourhood counts.
class ShownBlock {
 public:
  /// Reads the block that `summary` describes from the submission, and diagnoses it.
  ShownBlock(const std::string& submissionPath, const BlockSummary& summary,
             const TestCase& testCase);

  /// The neighbourhood counts of every cell, made when first asked for, so that showing the
  /// block does not wait for them.
  const NeighbourhoodCounts& counts();

  SubmittedGrid block;
  BlockDiagnosis diagnosis;

 private:
  /// Refers to block.rows, so the object is never moved.
  std::optional<NeighbourhoodCounts> counts_;
};

/// The submission being diagnosed: its file, reader and place in the diagnosis.
struct OpenSubmission {
  /// Opens the submission for a diagnosis against `testCases` into `sink`.
  OpenSubmission(const std::string& path, const std::vector<TestCase>& testCases,
                 DiagnosisSink& sink);

  TextFile file;
  LineReader reader{file};
  SubmissionDiagnosis diagnosis;
};

/// How a submission answered one test case: by how many blocks, and its first block's verdict.
struct TestCaseAnswers {
  /// The number of blocks that answer the test case.
  int64_t blocks = 0;
  /// Whether the first of them breaks no rule.
  bool firstAccepted = false;
  /// The first block's near-pair count.
  int64_t firstNearPairs = 0;
};

/// One diagnosed pair of files and the block shown from it.
class ViewerSession {
 public:
  /// Opens the input file for diagnose(), which reads it, then the submission; a fault in the
  /// input file is the stop, and leaves no blocks. A session `sameInput` that read the same
  /// input file without a fault lends its test cases instead, so that several submissions
  /// hold them once, and the submission is opened at once.
  void start(const std::string& inputPath, const std::string& submissionPath,
             const ViewerSession* sameInput = nullptr);
  /// Takes up to `steps` more steps, each one test case of the input file while it is read,
  /// then one block; the input file's end also ends the call. False once the whole diagnosis
  /// is over.
  bool diagnose(int64_t steps);
  /// Whether the input file is still being read.
  bool readingInput() const { return input_ != nullptr; }

  /// The test cases of the input file (none when it has a fault).
  const std::vector<TestCase>& testCases() const { return *testCases_; }
  /// Per test case, how the blocks judged so far answered it.
  const std::vector<TestCaseAnswers>& answers() const { return answers_; }
  /// The near-pair count summed over the accepted blocks judged so far.
  int64_t acceptedNearPairs() const { return acceptedNearPairs_; }
  /// The diagnosis in a few numbers per block.
  const DiagnosisSummary& summary() const { return summary_; }
  /// The submission's line at which a stop ended the reading; 0 for a stop in the input file.
  int64_t stopLine() const { return stopLine_; }

  /// Evaluates the two files as `mrezovnik eval` does, writing its report at `reportPath` and
  /// its console summary on standard output from the outcome; returns its exit code.
  int evaluate(const std::string& inputPath, const std::string& submissionPath,
               const std::string& reportPath);
  /// The header line of the block that the evaluation refused with check 221; 0 otherwise.
  int64_t refusedBlockLine() const { return refusedBlockLine_; }

  /// Reads kept block k again and makes it the shown one.
  void show(std::size_t k);
  /// Lets the shown block go, so that a session not on the screen keeps no grid.
  void hide() { shown_.reset(); }
  /// Whether a block is shown.
  bool showing() const { return shown_ != nullptr; }
  /// The shown block; only while showing().
  const ShownBlock& shown() const { return *shown_; }
  ShownBlock& shown() { return *shown_; }
  /// Keeps a text for the page to read until the next one is kept.
  const std::string& keep(std::string text) { return text_ = std::move(text); }
  /// The text kept last.
  const std::string& keptText() const { return text_; }

 private:
  /// Tallies the block that the diagnosis took last.
  void tally(const BlockSummary& block);
  /// Once the input file has been read: opens the submission, if the input has no fault.
  void openSubmission();

  std::string submissionPath_;
  std::shared_ptr<const std::vector<TestCase>> testCases_ =
      std::make_shared<const std::vector<TestCase>>();
  /// While the input file is being read.
  std::unique_ptr<InputDiagnosis> input_;
  /// Whether the input file was read without a fault.
  bool inputSound_ = false;
  std::vector<TestCaseAnswers> answers_;
  /// The number of blocks tallied.
  int64_t tallied_ = 0;
  int64_t acceptedNearPairs_ = 0;
  DiagnosisSummary summary_{ListedBlocks, ListedBlocks};
  /// While the diagnosis goes on.
  std::unique_ptr<OpenSubmission> submission_;
  int64_t stopLine_ = 0;
  int64_t refusedBlockLine_ = 0;
  std::unique_ptr<ShownBlock> shown_;
  std::string text_;
};
