#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "codepath/code_path.h"
#include "grid/test_case.h"
#include "judge/grid_diagnosis.h"
#include "readers/input_file.h"
#include "readers/submission.h"
#include "textio/line_reader.h"

// A contestant's diagnosis: every block of the submission judged on its own against its test
// case, with every fault of a refused block, read by the evaluator's own readers and checks.

/// The verdict of one block, whether or not an earlier block was refused.
struct BlockDiagnosis {
  /// The block's header line, which its message names.
  int64_t headerLine;
  /// The offset in the submission of the block's first row.
  uint64_t rowsOffset;
  /// The test case that the block answers; an element of the diagnosed list.
  const TestCase* testCase;
  /// The block's faults and near-pair count.
  GridDiagnosis grid;

  /// Whether the block breaks no rule.
  bool accepted() const { return grid.faults.total() == 0; }
  /// A refused block's message as check 221 gives it when this block is the first refused:
  /// the block's prefix, then its first fault's message.
  std::string message() const;
};

/// The verdict of a block that the submission reader has read, keeping its first `limit`
/// faults.
BlockDiagnosis diagnoseBlock(const SubmittedGrid& block, std::size_t limit, CodePath path);

/// A fault that ends all reading: a failed check of the input file or of the submission's
/// structure, or a failure that is no check.
struct DiagnosisStop {
  /// The check number; 0 for a failure that is no check, such as exhausted memory.
  int32_t check = 0;
  /// The message as a report shows it.
  std::string message;
};

/// Receives a diagnosis as it is made.
class DiagnosisSink {
 public:
  virtual ~DiagnosisSink() = default;
  /// One block, in submission order.
  virtual void takeBlock(const BlockDiagnosis& block) = 0;
  /// The fault that ended all reading, after the blocks before it.
  virtual void takeStop(const DiagnosisStop& stop) = 0;
};

/// The faults that a block keeps unless a caller asks for another number.
inline constexpr std::size_t DefaultListedFaults = 1000;

/// The input file read for a diagnosis one test case at a time, so that a caller may pause
/// between test cases (the viewer reads the file meanwhile); a fault is handed to the sink as
/// the stop.
class InputDiagnosis {
 public:
  /// Opens the input file and reads its first lines; `testCases` and `sink` are the caller's
  /// and must outlive this object.
  InputDiagnosis(const std::string& inputPath, std::vector<TestCase>& testCases,
                 DiagnosisSink& sink);

  /// Reads the next test case; false once the file has been read, or a fault has ended the
  /// reading and its stop was handed on.
  bool step();
  /// Whether the file was read to its end without a fault.
  bool sound() const { return sound_; }

 private:
  DiagnosisSink& sink_;
  /// While the file is being read.
  std::unique_ptr<InputFileReader> reader_;
  bool sound_ = false;
};

/// Reads the input file into `testCases`; false, after handing `sink` the stop, when it
/// has a fault.
bool readInputForDiagnosis(const std::string& inputPath, std::vector<TestCase>& testCases,
                           DiagnosisSink& sink);

/// The diagnosis of a submission taken one block at a time, so that a caller may pause
/// between blocks (the viewer answers its page meanwhile).
class SubmissionDiagnosis {
 public:
  /// Prepares to diagnose the submission that `reader` reads from its first line against
  /// `testCases`, handing the blocks and the stop to `sink`, each block keeping its first
  /// `limit` faults (at least 1). All four are the caller's and must outlive this object.
  SubmissionDiagnosis(LineReader& reader, const std::vector<TestCase>& testCases,
                      DiagnosisSink& sink, std::size_t limit, CodePath path);

  /// Reads the next block (after the submission's first two lines) and hands it to the sink;
  /// false, once the file has ended or a fault has ended the reading and its stop was handed
  /// on.
  bool step();

 private:
  /// Reads and diagnoses the next block; false at the end of the file.
  bool diagnoseNextBlock();

  SubmissionReader submission_;
  DiagnosisSink& sink_;
  std::size_t limit_;
  CodePath path_;
  bool ended_ = false;
  /// The block being read; its row buffer is reused by the next block.
  SubmittedGrid block_;
};

/// Diagnoses every block of a submission against `testCases`, handing each to `sink` as soon
/// as it is judged, each keeping its first `limit` faults (at least 1); then the stop, if a
/// fault ends the reading.
void diagnoseSubmission(LineReader& reader, const std::vector<TestCase>& testCases,
                        DiagnosisSink& sink, std::size_t limit, CodePath path);

/// Reads the input file, then diagnoses the submission; a fault in the input file gives
/// only the stop.
void diagnose(const std::string& inputPath, const std::string& submissionPath, DiagnosisSink& sink,
              std::size_t limit = DefaultListedFaults, CodePath path = fastestCodePath());
