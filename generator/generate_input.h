#pragma once

// mrezovnik-gen's work: an input file from the command line's options.

#include <cstdio>
#include <string>

#include "generator/gen_options.h"
#include "generator/threshold_repair.h"
#include "grid/grid.h"
#include "grid/test_case.h"

/// Draws the test cases of the file that a command line describes, one at a time, reusing
/// its buffers from one to the next.
class TestCaseGenerator {
 public:
  /// The generator of the file that `options` (which must outlive it) describe.
  explicit TestCaseGenerator(const GenOptions& options) : options_(options) {}

  /// Test case `number` (from 1): its parameters drawn from its own stream of the seed, its
  /// cells drawn, the black ones that break b or c made white; the record's grid is packed
  /// from rows().
  TestCase generate(int32_t number);
  /// The rows of the test case last generated.
  const Grid& rows() const { return rows_; }

 private:
  const GenOptions& options_;
  Grid rows_;
  ThresholdRepair repair_;
};

/// How writing a generated file ended.
enum class GenOutcome {
  /// Every byte was written.
  Written,
  /// The stream refused a write; nothing more was written.
  WriteFailed,
  /// A grid failed the evaluator's check of an input grid (a fault of the generator); the
  /// test cases before it may have been written, it and those after it are not.
  GridRefused,
};

/// The end of a generation, with the grid check's message for GridRefused.
struct GenResult {
  GenOutcome outcome = GenOutcome::Written;
  std::string message;
};

/// Writes the whole input file that `options` describe to `out` (open for binary writing),
/// a test case at a time. Each grid must pass the check that the evaluator's input reader
/// runs on it before it is written.
GenResult writeInputFile(const GenOptions& options, std::FILE* out);
