#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "grid/test_case.h"
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
  /// The number of the block's header line, which its messages name.
  int64_t headerLine = 0;
};

/// Reads and judges the whole submission from its first line: one result per block, in
/// submission order.
std::vector<TestResult> readSubmission(LineReader& reader, const std::vector<TestCase>& testCases);

/// Reads the n rows of one block whose header line was the reader's last line, and
/// judges them against `testCase`, filling `block` and `result`.
void readSubmittedGrid(SubmittedGrid& block, LineReader& reader, int32_t number,
                       const TestCase& testCase, TestResult& result);

/// Reads lines 1 and 2: the contestant number (checks 248, 249) and the task name (check 254).
void readSubmissionHeader(LineReader& reader);

/// Passes over empty lines to the next block's header line and returns its test case number,
/// 1 to testCount (checks 263, 264), or 0 when the file ends first. `line` is scratch space.
int32_t readBlockHeader(LineReader& reader, int32_t testCount, std::string& line);

/// Reads the n rows of a block whose header line was the reader's last line into `block`
/// (check 217 for a row of another length), and notes its number, test case and header line.
void readBlockRows(SubmittedGrid& block, LineReader& reader, int32_t number,
                   const TestCase& testCase);

/// The message of check 221: the refused block's header line, then the grid check's message.
std::string refusedBlockMessage(int64_t headerLine, std::string_view message);
