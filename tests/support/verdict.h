#pragma once

#include <cstdint>
#include <string>

#include "judge/check_grid.h"

/// What checkGrid says on one counting path: its message on failure, or "ok <near-pair
/// count>" on success.
inline std::string checkVerdict(const TestCase& testCase, const Grid& candidate,
                                CountingPath path) {
  std::string message;
  int64_t nearPairs = -1;
  if (checkGrid(testCase, candidate, message, nearPairs, path)) {
    return "ok " + std::to_string(nearPairs);
  }
  return message;
}

/// What checkGrid says, on every counting path that this machine runs; should two paths
/// disagree, the text says so, which no expected verdict matches.
inline std::string checkVerdict(const TestCase& testCase, const Grid& candidate) {
  const std::string portable = checkVerdict(testCase, candidate, CountingPath::Portable);
  for (const CountingPath path : availableCountingPaths()) {
    const std::string verdict = checkVerdict(testCase, candidate, path);
    if (verdict != portable) {
      return "paths disagree: portable \"" + portable + "\", path " +
             std::to_string(static_cast<int>(path)) + " \"" + verdict + "\"";
    }
  }
  return portable;
}
