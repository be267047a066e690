#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "grid/test_case.h"
#include "textio/line_reader.h"

/// One submitted block while it is read and judged.
struct SubmittedGrid {
  /// The test case that the block answers; an element of the reader's list.
  const TestCase* testCase = nullptr;
  /// The block's rows as read.
  Grid rows;
  /// The number of the block's header line, which its messages name.
  int64_t headerLine = 0;
  /// The offset in the submission of the block's first row, from which it can be read again.
  uint64_t rowsOffset = 0;
};

/// The one reader of the submission: its two header lines, then one block at a time. It only
/// reads: the evaluation judges each block with the grid check, the diagnosis lists its
/// faults.
class SubmissionReader {
 public:
  /// Reads the submission that `reader` reads from its first line, whose blocks answer
  /// `testCases`; both are the caller's and must outlive this object.
  SubmissionReader(LineReader& reader, const std::vector<TestCase>& testCases);

  /// Reads the next block into `block`, reusing its row buffer; on the first call, lines 1 and
  /// 2 before it (checks 248, 249, 254). Passes over empty lines to the block's header line
  /// (checks 263, 264), then reads its rows (check 217). False once the file has ended.
  bool readNextBlock(SubmittedGrid& block);

 private:
  LineReader& reader_;
  const std::vector<TestCase>& testCases_;
  bool headerRead_ = false;
  /// The header line being read.
  std::string line_;
};

/// Reads line 1 of a submission and returns it: the contestant number, six decimal digits
/// (checks 69, 248, 249). Only its length is kept of a longer line.
std::string readContestantNumber(LineReader& reader);

/// Reads the rows of a block that answers `testCase` into `block`, its header line being the
/// reader's last line (check 217 for a row of another length): as the submission reader
/// does, or again from the offset of the rows.
void readBlockRows(SubmittedGrid& block, LineReader& reader, const TestCase& testCase);

/// The message of check 221: the refused block's header line, then the grid check's message.
std::string refusedBlockMessage(int64_t headerLine, std::string_view message);
