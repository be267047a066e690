#pragma once

// The bounded exhaustive check (tests/reference/exhaustive.h) run on checkGrid, and the
// numbered pairs of small input and candidate grids with bytes that are no cell character.

#include <cstdint>
#include <string>
#include <utility>

#include "tests/reference/exhaustive.h"
#include "tests/support/layout_probes.h"
#include "tests/support/records.h"
#include "tests/support/verdict.h"

/// The pair numbered `pair` of an n by n input grid of the three cell characters and a
/// candidate of those and one byte that is no cell character: 3 * 4 pairs for n = 1, 81 * 256
/// for n = 2.
inline std::pair<Rows, Rows> gridPairNumbered(int64_t pair, int32_t n) {
  const int64_t inputs = n == 1 ? 3 : 81;
  const char cells[] = {RedChar, BlackChar, WhiteChar, InvalidBytes[pair % 9]};
  Rows candidate = whiteRows(n);
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

/// checkGrid on every code path for one candidate, laid in a buffer of black cells, against
/// one input grid: a callable from d, b and c to checkVerdict's text.
inline auto checkGridOf(const Rows& input, const Rows& candidate) {
  return [grid = gridOverBlack(candidate), testCase = testCaseOf(input, 1, 1, 1)](
             int32_t d, int32_t b, int32_t c) mutable {
    testCase.d = d;
    testCase.b = b;
    testCase.c = c;
    return checkVerdict(testCase, grid);
  };
}

/// Runs the exhaustive check of checkGrid for one n; stops at the first disagreement.
inline ExhaustiveResult checkEveryGrid(int32_t n) { return checkEveryGrid(n, checkGridOf); }
