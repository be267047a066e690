#pragma once

// The text of a generated input file, written in large pieces.

#include <cstdint>
#include <cstdio>
#include <string>

#include "grid/grid.h"
#include "grid/test_case.h"

/// Writes an input file to a stream, a test case at a time, each line ended by a line feed
/// alone. After a failed write it writes nothing more.
class InputFileWriter {
 public:
  /// A writer to `out`, which must be open for binary writing.
  explicit InputFileWriter(std::FILE* out) : out_(out) {}

  /// The two header lines: the task's name and the number of test cases.
  void writeHeader(int32_t testCount);
  /// One test case block: an empty line, its number, "n d b c" and the rows of `rows`.
  void writeTestCase(const TestCase& testCase, const Grid& rows);
  /// Writes what is left and flushes the stream; true when every byte was written.
  bool finish();
  /// Whether a write has failed, so that the caller may stop early.
  bool failed() const { return failed_; }

 private:
  /// Appends a number and the character after it.
  void appendNumber(int32_t value, char after);
  /// Writes out the buffered text.
  void flush();

  std::FILE* out_;
  std::string buffer_;
  bool failed_ = false;
};
