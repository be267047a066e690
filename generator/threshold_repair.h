#pragma once

// The black cells of a drawn grid that break b or c made white, so that the grid meets its
// own thresholds: in one sweep down the rows, with counts that take O(n) memory, kept from
// one grid to the next.

#include <cstdint>
#include <vector>

#include "grid/grid.h"

/// Whitens the black cells that break the thresholds, row by row; reusable from grid to grid.
class ThresholdRepair {
 public:
  /// Makes white each black cell of `rows` that has fewer than b white cells or more than c
  /// black cells within distance d, counted as the cells stand when the sweep reaches it.
  /// Whitening a cell only adds white cells to the others' neighbourhoods and takes black
  /// ones from them, so every cell left black meets both thresholds at the end.
  void repair(Grid& rows, int32_t d, int32_t b, int32_t c);

 private:
  /// Adds `sign` times the white and the black cells of `row` to the column counts.
  void countRow(const char* row, int32_t n, int32_t sign);
  /// Sums the column counts along the row: entry reach + j of a sum covers columns 0 to
  /// j - 1, clipped to the row, for j from -reach to n + reach.
  void sumColumns(int32_t n, int32_t reach);
  /// Tests the black cells of a row against the sums, whitening those that break b or c;
  /// reach is d, clipped to n.
  void repairRow(char* row, int32_t n, int32_t reach, int32_t b, int32_t c);

  /// Per column, the white and the black cells in the rows within distance d of the row
  /// being repaired, as they stand now.
  std::vector<int32_t> whiteColumns_;
  std::vector<int32_t> blackColumns_;
  /// Per column of the row being repaired, 1 where its cell is whitened, else 0.
  std::vector<int32_t> whitened_;
  /// Running sums of the column counts along the row, padded (see sumColumns).
  std::vector<int32_t> whiteSums_;
  std::vector<int32_t> blackSums_;
};
