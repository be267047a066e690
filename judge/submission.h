#pragma once

#include <cstdint>
#include <vector>

#include "taskinput/test_case.h"
#include "textio/line_reader.h"

/// The outcome of one accepted block of the submission.
struct TestResult {
  /// The test case that the block answers.
  int32_t number = 0;
  /// The number of pairs of black cells within distance d of each other.
  int64_t nearPairs = 0;
};

/// One submitted block while it is read and judged.
struct SubmittedGrid {
  /// The test case number from the block's header line.
  int32_t number = 0;
  /// The test case that the block answers; an element of the driver's list.
  const TestCase* testCase = nullptr;
  /// The block's rows as read.
  Grid rows;
};

/// Reads and judges the whole submission from its first line: one result per block, in
/// submission order.
std::vector<TestResult> readSubmission(LineReader& reader, const std::vector<TestCase>& testCases);

/// Reads the n rows of one block whose header line was the reader's last line, and
/// judges them against `testCase`, filling `block` and `result`.
void readSubmittedGrid(SubmittedGrid& block, LineReader& reader, int32_t number,
                       const TestCase& testCase, TestResult& result);
