#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "textio/checks.h"

// What an evaluation found, as one value: the report, the console summary, the contest
// systems' verdicts and the viewer are all written from it.

/// The outcome of one accepted block of the submission.
struct TestResult {
  /// The test case that the block answers.
  int32_t number = 0;
  /// The number of pairs of black cells within distance d of each other.
  int64_t nearPairs = 0;
};

/// The four kinds of outcome.
enum class OutcomeKind : uint8_t {
  /// Every block of the submission passed.
  Accepted,
  /// A check of the submission failed.
  Refused,
  /// A check of the input file failed: the organisers' file is at fault.
  InputFault,
  /// A failure that is no check, such as exhausted memory.
  UnexpectedFailure,
};

/// A failed check: its entry of the table of checks and its message as a report shows it.
struct FailedCheck {
  /// The check that failed.
  Check check = Check::MissingLine;
  /// The message, up to its first NUL byte.
  std::string message;
};

/// The outcome of one evaluation.
struct Outcome {
  /// Which of the four kinds it is.
  OutcomeKind kind = OutcomeKind::UnexpectedFailure;
  /// Accepted: one result per block, in submission order; empty otherwise.
  std::vector<TestResult> results;
  /// The number of test cases of the input file; 0 when it was not read whole.
  int32_t testCaseCount = 0;
  /// Refused or InputFault: the check that failed.
  FailedCheck failure;
  /// Refused by check 221: the header line of the refused block; 0 otherwise.
  int64_t refusedBlockLine = 0;

  /// Whether the submission was accepted.
  bool accepted() const { return kind == OutcomeKind::Accepted; }
  /// Whether a check failed, of either file.
  bool checkFailed() const {
    return kind == OutcomeKind::Refused || kind == OutcomeKind::InputFault;
  }
};
