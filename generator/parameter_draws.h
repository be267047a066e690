#pragma once

// The parameters that the command line leaves out, drawn from the seed within the ranges that
// the usage text and the manual page state.

#include <cstdint>

#include "generator/gen_options.h"
#include "generator/random_source.h"

/// The ranges that parameters left out are drawn from, where the pinned ones allow.
struct DrawRanges {
  /// The number of test cases.
  static constexpr int32_t TestsLow = 1, TestsHigh = 10;
  /// The grid size, raised to the least radius that the pinned parameters need.
  static constexpr int32_t NLow = 10, NHigh = 200;
  /// The largest radius drawn (at most n, at least what a pinned b or c needs).
  static constexpr int32_t DHigh = 10;
  /// The largest percentage of red, and of black, cells drawn.
  static constexpr int32_t PercentHigh = 25;
};

/// The parameters of one test case, and the shares of red and black cells of its grid as
/// drawn (before the black cells that break b or c are made white).
struct TestParameters {
  int32_t n = 0;
  int32_t d = 0;
  int32_t b = 0;
  int32_t c = 0;
  int32_t redPercent = 0;
  int32_t blackPercent = 0;
};

/// The number of test cases: the pinned one, else drawn from the seed's stream 0.
int32_t drawTestCount(const GenOptions& options);

/// The parameters of a test case: the pinned ones, the others drawn from `random` in the
/// order n, d, b, c, red, black, each within the range that the pinned ones leave.
TestParameters drawParameters(const GenOptions& options, RandomSource& random);

/// The largest b or c drawn for a grid of size n and radius d: the largest neighbourhood that
/// the grid holds, (2d+1)^2 - 1 cells or n^2 - 1, whichever is smaller (but 1 at least).
int32_t largestDrawnThreshold(int32_t n, int32_t d);

/// The least radius whose full neighbourhood, (2d+1)^2 - 1 cells, holds `threshold` cells.
int32_t leastRadiusFor(int32_t threshold);
