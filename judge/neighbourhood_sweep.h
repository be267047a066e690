#pragma once

#include <cstdint>

#include "codepath/code_path.h"
#include "taskinput/test_case.h"

/// What the counting phase found: the first threshold fault, or the near-pair count.
struct SweepOutcome {
  /// Which threshold failed first, in the order white pass, then black pass.
  enum class Fault { None, TooFewWhite, TooManyBlack };
  Fault fault = Fault::None;
  /// The faulty cell, indexed from 0.
  int32_t row = -1;
  int32_t column = -1;
  /// The faulty cell's white count (TooFewWhite) or black count (TooManyBlack).
  int32_t count = 0;
  /// The number of pairs of black cells within distance d, when no threshold failed.
  int64_t nearPairs = 0;
};

/// The counting phase on a candidate that passed the comparison: every black cell must have
/// at least b white and at most c black cells within distance d. Every white-count fault is
/// reported before any black-count fault; within one kind, the first in row-major order.
SweepOutcome sweepNeighbourhoods(const TestCase& testCase, const Grid& candidate, CodePath path);
