#include "judge/check_grid.h"

#include <string>

#include "judge/cell_comparison.h"
#include "judge/cell_fault.h"

namespace {

/// Comparison phase: false, with the message of the first faulty cell in row-major order.
bool compareCells(const TestCase& testCase, const Grid& candidate, std::string& message,
                  CodePath path) {
  const int32_t refusedRow = firstRefusedRow(testCase.grid, candidate, 0, path);
  if (refusedRow == testCase.n) return true;
  FaultList faults(1);
  listRefusedCells(testCase.grid, candidate, refusedRow, path, faults);
  message = faultMessage(faults.kept().front(), testCase);
  return false;
}

/// Counting phase: false, with the message of the first threshold fault, when one fails.
bool countNeighbourhoods(const TestCase& testCase, const Grid& candidate, std::string& message,
                         int64_t& nearPairs, CodePath path) {
  const SweepOutcome outcome = sweepNeighbourhoods(testCase, candidate, path);
  if (outcome.fault) {
    message = faultMessage(*outcome.fault, testCase);
    return false;
  }
  nearPairs = outcome.nearPairs;
  return true;
}

}  // namespace

bool checkGrid(const TestCase& testCase, const Grid& candidate, std::string& message,
               int64_t& nearPairs, CodePath path) {
  return compareCells(testCase, candidate, message, path) &&
         countNeighbourhoods(testCase, candidate, message, nearPairs, path);
}

bool checkGrid(const TestCase& testCase, const Grid& candidate, std::string& message,
               int64_t& nearPairs) {
  return checkGrid(testCase, candidate, message, nearPairs, fastestCodePath());
}

bool checkOwnGrid(const TestCase& testCase, const Grid& rows, std::string& message,
                  int64_t& nearPairs) {
  const CodePath path = fastestCodePath();
  if (!testCase.grid.onlyCellCharacters())
    return checkGrid(testCase, rows, message, nearPairs, path);
  return countNeighbourhoods(testCase, rows, message, nearPairs, path);
}
