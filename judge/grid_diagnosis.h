#pragma once

#include <cstddef>
#include <cstdint>

#include "codepath/code_path.h"
#include "grid/test_case.h"
#include "judge/cell_fault.h"

/// Every fault of a candidate grid, in the order in which the grid check would report them
/// one after another if each earlier one were mended: the comparison faults in row-major
/// order, then the cells with too few white cells around them, then those with too many
/// black ones, each in row-major order. The thresholds are tested on the candidate as it
/// stands, even where its comparison failed.
struct GridDiagnosis {
  /// The faults, the first `limit` of them kept.
  FaultList faults;
  /// The number of pairs of black cells within distance d of each other; the near-pair
  /// count when there are no faults.
  int64_t nearPairs = 0;
};

/// Diagnoses `candidate` (n by n) against `testCase`, keeping the first `limit` faults.
GridDiagnosis diagnoseGrid(const TestCase& testCase, const Grid& candidate, std::size_t limit,
                           CodePath path);
