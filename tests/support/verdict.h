#pragma once

#include <cstdint>
#include <string>

#include "judge/check_grid.h"

/// What checkGrid says: its message on failure, or "ok <near-pair count>" on success.
inline std::string checkVerdict(const TestCase& testCase, const Grid& candidate) {
  std::string message;
  int64_t nearPairs = -1;
  if (checkGrid(testCase, candidate, message, nearPairs)) return "ok " + std::to_string(nearPairs);
  return message;
}
