#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>

#include "evaluation/score.h"

// The answer file of a relative score: the best count known per test case, as lines
// "<test case> <count>", the form of an accepted report's result lines. The organisers keep
// it; the contest systems' checker reads it and the standings write it.

/// A fault of the answer file, the organisers' file: its message is for them.
class EAnswerFile {
 public:
  /// Takes the message.
  explicit EAnswerFile(std::string message) : message(std::move(message)) {}

  /// What is wrong, naming the file and the line.
  std::string message;
};

/// Reads the best counts of the `testCaseCount` test cases from the answer file at `path`.
/// Empty lines are passed over, and a whole accepted report serves too (its "OK" and the
/// block count before the result lines); where a test case is listed twice, its first line
/// counts, as its first block does in a submission. Throws EAnswerFile when the file cannot
/// be read, a line is not two numbers, a test case is outside 1 to `testCaseCount`, a count
/// has more than 18 digits, or no line gives a count.
CountsByTestCase readBestCounts(const std::string& path, int32_t testCaseCount);

/// Writes `best` as the reader reads it: "<test case> <count>" for each test case whose best
/// count is known, in order.
void writeBestCounts(std::FILE* out, const CountsByTestCase& best);
