#pragma once

#include <cstddef>
#include <cstdint>

#include "codepath/code_path.h"
#include "grid/test_case.h"
#include "judge/cell_fault.h"

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

/// Every threshold fault of a candidate as it stands, as the diagnosis lists them.
struct ThresholdFaults {
  /// The black cells with fewer than b white cells around them, in row-major order.
  FaultList tooFewWhite;
  /// The black cells with more than c black cells around them, in row-major order.
  FaultList tooManyBlack;
  /// The number of pairs of black cells within distance d of each other.
  int64_t nearPairs = 0;
};

/// The counting phase on any candidate, whatever its comparison found: every black cell's
/// thresholds are tested, and each kind of fault keeps its first `limit`. A byte that is no
/// cell character counts as neither white nor black.
ThresholdFaults sweepEveryFault(const TestCase& testCase, const Grid& candidate, std::size_t limit,
                                CodePath path);
