#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "codepath/code_path.h"
#include "grid/test_case.h"
#include "judge/cell_fault.h"

/// What the counting phase found: the first threshold fault, or the near-pair count.
struct SweepOutcome {
  /// The first threshold fault, TooFewWhite or TooManyBlack; none when every cell passed.
  std::optional<CellFault> fault;
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
