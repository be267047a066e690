#pragma once

// The bounded exhaustive check of checkGrid: every n by n grid of the three cell characters,
// every d from 1 to n, thresholds at the edge of passing, each verdict compared with the
// brute-force count. The unit tests run it up to n = 3, tools/exhaustive_check for n = 4.

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/brute_force.h"
#include "tests/support/layout_probes.h"
#include "tests/support/records.h"
#include "tests/support/verdict.h"
#include "textio/message.h"

/// What one exhaustive run found.
struct ExhaustiveResult {
  /// Grids visited.
  int64_t grids = 0;
  /// checkGrid calls made.
  int64_t checks = 0;
  /// Calls that accepted the grid.
  int64_t accepted = 0;
  /// The first disagreement with the brute-force count, or "" when there was none.
  std::string mismatch;
};

/// The grid numbered `index` when the n * n cells are read as the digits of a number in base
/// 3, with the digits 'R', '#' and '.'.
inline Rows gridNumbered(int64_t index, int32_t n) {
  Rows rows(n, std::string(n, '.'));
  for (std::string& row : rows) {
    for (char& cell : row) {
      cell = "R#."[index % 3];
      index /= 3;
    }
  }
  return rows;
}

/// The pair numbered `pair` of an n by n input grid of the three cell characters and a
/// candidate of those and one byte that is no cell character: 3 * 4 pairs for n = 1, 81 * 256
/// for n = 2.
inline std::pair<Rows, Rows> gridPairNumbered(int64_t pair, int32_t n) {
  const int64_t inputs = n == 1 ? 3 : 81;
  const char cells[] = {'R', '#', '.', InvalidBytes[pair % 9]};
  Rows candidate(n, std::string(n, '.'));
  int64_t digits = pair / inputs;
  for (std::string& row : candidate) {
    for (char& cell : row) {
      cell = cells[digits % 4];
      digits /= 4;
    }
  }
  return {gridNumbered(pair % inputs, n), candidate};
}

/// The number of pairs that gridPairNumbered numbers for n = 1 or 2.
inline int64_t gridPairCount(int32_t n) { return n == 1 ? 3 * 4 : 81 * 256; }

/// Runs the exhaustive check for one n; stops at the first disagreement. Every other grid is
/// checked against an input grid whose black cells are white (the answer painted them).
inline ExhaustiveResult checkEveryGrid(int32_t n) {
  ExhaustiveResult result;
  int64_t count = 1;
  for (int32_t k = 0; k < n * n; ++k) count *= 3;
  for (int64_t index = 0; index < count; ++index, ++result.grids) {
    const Rows candidate = gridNumbered(index, n);
    Rows input = candidate;
    if (index % 2 == 1) {
      for (std::string& row : input) std::replace(row.begin(), row.end(), '#', '.');
    }
    const Grid grid = gridOverBlack(candidate);
    TestCase testCase = testCaseOf(input, 1, 1, 1);
    for (int32_t d = 1; d <= n; ++d) {
      const std::vector<BlackCell> cells = blackCells(candidate, d);
      testCase.d = d;
      for (const auto& [b, c] : edgeThresholds(cells, d)) {
        testCase.b = b;
        testCase.c = c;
        const std::string expected = countingVerdict(cells, b, c);
        const std::string found = checkVerdict(testCase, grid);
        ++result.checks;
        result.accepted += found.starts_with("ok");
        if (found != expected) {
          result.mismatch = composeMessage("grid ", index, " d ", d, " b ", b, " c ", c,
                                           ": expected \"", expected, "\", found \"", found, "\"");
          return result;
        }
      }
    }
  }
  return result;
}
