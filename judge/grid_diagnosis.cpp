#include "judge/grid_diagnosis.h"

#include "judge/cell_comparison.h"
#include "judge/neighbourhood_sweep.h"

GridDiagnosis diagnoseGrid(const TestCase& testCase, const Grid& candidate, std::size_t limit,
                           CodePath path) {
  GridDiagnosis diagnosis{FaultList(limit), 0};
  const PackedGrid& input = testCase.grid;
  for (int32_t i = firstRefusedRow(input, candidate, 0, path); i < testCase.n;
       i = firstRefusedRow(input, candidate, i + 1, path)) {
    listRefusedCells(input, candidate, i, path, diagnosis.faults);
  }
  const ThresholdFaults thresholds = sweepEveryFault(testCase, candidate, limit, path);
  diagnosis.faults.append(thresholds.tooFewWhite);
  diagnosis.faults.append(thresholds.tooManyBlack);
  diagnosis.nearPairs = thresholds.nearPairs;
  return diagnosis;
}
