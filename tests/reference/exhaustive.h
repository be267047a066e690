#pragma once

// The bounded exhaustive check: every n by n grid of the three cell characters, every d from 1
// to n, thresholds at the edge of passing, each verdict of the check under test compared with
// the brute-force count. The unit tests run it up to n = 3, tools/exhaustive_check for n = 4.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/reference/brute_force.h"
#include "tests/reference/grid_rows.h"

/// What one exhaustive run found.
struct ExhaustiveResult {
  /// Grids visited.
  int64_t grids = 0;
  /// Checks made.
  int64_t checks = 0;
  /// Checks that accepted the grid.
  int64_t accepted = 0;
  /// The first disagreement with the brute-force count, or "" when there was none.
  std::string mismatch;
};

/// The grid numbered `index` when the n * n cells are read as the digits of a number in base
/// 3, with the digits 'R', '#' and '.'.
inline Rows gridNumbered(int64_t index, int32_t n) {
  constexpr char Digits[] = {RedChar, BlackChar, WhiteChar};
  Rows rows = whiteRows(n);
  for (std::string& row : rows) {
    for (char& cell : row) {
      cell = Digits[index % 3];
      index /= 3;
    }
  }
  return rows;
}

/// Runs the exhaustive check for one n; stops at the first disagreement. Every other grid is
/// checked against an input grid whose black cells are white (the answer painted them).
/// `checkerFor(input, candidate)` gives the check under test for one pair of grids: a callable
/// taking d, b and c and giving a fault's message or "ok <near-pair count>".
template <class CheckerFor>
ExhaustiveResult checkEveryGrid(int32_t n, CheckerFor&& checkerFor) {
  ExhaustiveResult result;
  int64_t count = 1;
  for (int32_t k = 0; k < n * n; ++k) count *= 3;
  for (int64_t index = 0; index < count; ++index, ++result.grids) {
    const Rows candidate = gridNumbered(index, n);
    Rows input = candidate;
    if (index % 2 == 1) {
      for (std::string& row : input) std::replace(row.begin(), row.end(), BlackChar, WhiteChar);
    }
    auto check = checkerFor(input, candidate);
    for (int32_t d = 1; d <= n; ++d) {
      const std::vector<BlackCell> cells = blackCells(candidate, d);
      for (const auto& [b, c] : edgeThresholds(cells, d)) {
        const std::string expected = countingVerdict(cells, b, c);
        const std::string found = check(d, b, c);
        ++result.checks;
        result.accepted += found.starts_with("ok");
        if (found != expected) {
          result.mismatch.append("grid ").append(std::to_string(index));
          result.mismatch.append(" d ").append(std::to_string(d));
          result.mismatch.append(" b ").append(std::to_string(b));
          result.mismatch.append(" c ").append(std::to_string(c));
          result.mismatch.append(": expected \"").append(expected);
          result.mismatch.append("\", found \"").append(found).append("\"");
          return result;
        }
      }
    }
  }
  return result;
}
