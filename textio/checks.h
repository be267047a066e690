#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The one table of checks: each check's name beside the number that a failure report prints,
// and which file's reading can fail it. The reader code names a check by its constant; the
// manual's list and the fuzz targets' lists are taken from AllChecks.

/// A check, valued by its number.
enum class Check : int32_t {
  /// A minus sign in a line of numbers.
  MinusSign = 48,
  /// A byte other than a digit or a blank in a line of numbers.
  NotADigit = 50,
  /// A number greater than 2147483647.
  NumberTooLarge = 57,
  /// A line that is not there.
  MissingLine = 69,
  /// Another count of numbers on a line than it must hold.
  WrongNumberCount = 72,
  /// A line after the input file's last test case.
  ExtraLine = 73,
  /// No empty line before a test case of the input file.
  NoEmptyLine = 143,
  /// A grid size n outside 1 to 1000.
  GridSize = 149,
  /// A radius d outside 1 to n.
  Radius = 150,
  /// A white threshold b outside 1 to (2d+1)^2 - 1.
  WhiteThreshold = 152,
  /// A black threshold c outside 1 to (2d+1)^2 - 1.
  BlackThreshold = 153,
  /// An input grid row of another length than n.
  InputRowLength = 160,
  /// An input grid that is not a valid answer to its own test case.
  InputGridRefused = 163,
  /// The input file's first line is not the task name.
  InputTaskName = 173,
  /// The input file's second line is not a count of test cases from 1 to 100.
  TestCaseCount = 178,
  /// A test case of the input file numbered out of order.
  TestCaseOrder = 185,
  /// A submitted grid row of another length than n.
  SubmittedRowLength = 217,
  /// A submitted grid that is not a valid answer.
  SubmittedGridRefused = 221,
  /// A contestant number of another length than six.
  ContestantNumberLength = 248,
  /// A contestant number with a byte that is no digit.
  ContestantNumberDigits = 249,
  /// The submission's second line is not the task name.
  SubmissionTaskName = 254,
  /// A block's header line that is not a lone number.
  BlockHeader = 263,
  /// A block's test case number outside 1 to the number of test cases.
  BlockTestCase = 264,
};

/// Which file's reading can fail a check.
enum class CheckedFile : uint8_t { Input, Submission, Either };

/// One entry of the table.
struct CheckEntry {
  Check check;
  CheckedFile file;
};

/// Every check, by number.
inline constexpr std::array AllChecks{
    CheckEntry{Check::MinusSign, CheckedFile::Input},
    CheckEntry{Check::NotADigit, CheckedFile::Input},
    CheckEntry{Check::NumberTooLarge, CheckedFile::Input},
    CheckEntry{Check::MissingLine, CheckedFile::Either},
    CheckEntry{Check::WrongNumberCount, CheckedFile::Input},
    CheckEntry{Check::ExtraLine, CheckedFile::Input},
    CheckEntry{Check::NoEmptyLine, CheckedFile::Input},
    CheckEntry{Check::GridSize, CheckedFile::Input},
    CheckEntry{Check::Radius, CheckedFile::Input},
    CheckEntry{Check::WhiteThreshold, CheckedFile::Input},
    CheckEntry{Check::BlackThreshold, CheckedFile::Input},
    CheckEntry{Check::InputRowLength, CheckedFile::Input},
    CheckEntry{Check::InputGridRefused, CheckedFile::Input},
    CheckEntry{Check::InputTaskName, CheckedFile::Input},
    CheckEntry{Check::TestCaseCount, CheckedFile::Input},
    CheckEntry{Check::TestCaseOrder, CheckedFile::Input},
    CheckEntry{Check::SubmittedRowLength, CheckedFile::Submission},
    CheckEntry{Check::SubmittedGridRefused, CheckedFile::Submission},
    CheckEntry{Check::ContestantNumberLength, CheckedFile::Submission},
    CheckEntry{Check::ContestantNumberDigits, CheckedFile::Submission},
    CheckEntry{Check::SubmissionTaskName, CheckedFile::Submission},
    CheckEntry{Check::BlockHeader, CheckedFile::Submission},
    CheckEntry{Check::BlockTestCase, CheckedFile::Submission},
};

/// Whether the table lists each check once, by increasing number.
constexpr bool listedOnceInOrder() {
  for (std::size_t k = 1; k != AllChecks.size(); ++k) {
    if (AllChecks[k - 1].check >= AllChecks[k].check) return false;
  }
  return true;
}

static_assert(listedOnceInOrder(), "the table lists each check once, by number");

/// The number that a failure report prints for `check`.
constexpr int32_t checkNumber(Check check) { return static_cast<int32_t>(check); }
