#pragma once

#include <cstdint>
#include <vector>

#include "grid/test_case.h"

/// The white and black counts of every cell's neighbourhood in one grid: the cells within
/// Chebyshev distance d, clipped at the edges, the cell itself left out. These are the
/// numbers that the grid check compares with b and c; the viewer shows them cell by cell.
class NeighbourhoodCounts {
 public:
  /// Summed-area tables of the white and the black cells of `grid`, for radius `d`.
  NeighbourhoodCounts(const Grid& grid, int32_t d);

  /// The number of white cells around the cell in row i, column j (both from 0).
  int32_t whiteCount(int32_t i, int32_t j) const;
  /// The number of black cells around the cell in row i, column j (both from 0).
  int32_t blackCount(int32_t i, int32_t j) const;

 private:
  /// The cells of a table's colour in the clipped square of radius d around (i, j), the
  /// centre included.
  int32_t windowSum(const std::vector<int32_t>& table, int32_t i, int32_t j) const;
  /// The entry of a table for rows 0 to i - 1 and columns 0 to j - 1.
  static int32_t at(const std::vector<int32_t>& table, int32_t stride, int32_t i, int32_t j) {
    return table[static_cast<std::size_t>(i) * stride + j];
  }

  const Grid& grid_;
  const int32_t n_;
  const int32_t d_;
  /// (n + 1) by (n + 1) summed-area tables with a zero first row and column.
  std::vector<int32_t> white_;
  std::vector<int32_t> black_;
};
