#pragma once

#include <cstdint>
#include <string>

#include "judge/check_grid.h"

/// What checkGrid says on one code path: its message on failure, or "ok <near-pair
/// count>" on success.
inline std::string checkVerdict(const TestCase& testCase, const Grid& candidate, CodePath path) {
  std::string message;
  int64_t nearPairs = -1;
  if (checkGrid(testCase, candidate, message, nearPairs, path)) {
    return "ok " + std::to_string(nearPairs);
  }
  return message;
}

/// What checkGrid says, on every code path that this machine runs; should two paths
/// disagree, the text says so, which no expected verdict matches.
inline std::string checkVerdict(const TestCase& testCase, const Grid& candidate) {
  std::string portable = checkVerdict(testCase, candidate, CodePath::Portable);
  for (const CodePath path : availableCodePaths()) {
    const std::string verdict = checkVerdict(testCase, candidate, path);
    if (verdict != portable) {
      std::string disagreement = "paths disagree: portable \"";
      disagreement.append(portable).append("\", path ");
      disagreement.append(std::to_string(static_cast<int>(path))).append(" \"");
      return disagreement.append(verdict).append("\"");
    }
  }
  return portable;
}
