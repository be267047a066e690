#pragma once

// The black cells of a full-size grid, counted in constant time per cell from summed-area
// tables: the same counts as blackCells, for grids too large to count cell by cell.

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "tests/reference/brute_force.h"
#include "tests/reference/grid_rows.h"

/// Summed-area tables of a grid's white and black cells, with a zero row and column in front.
/// One instance serves grid after grid, so that its tables are allocated once.
class SummedCounts {
 public:
  /// The black cells of `grid` in row-major order with their counts within distance d, as
  /// blackCells gives them.
  std::vector<BlackCell> blackCells(const Rows& grid, int32_t d) {
    load(grid);
    const int32_t n = sideOf(grid);
    std::vector<BlackCell> found;
    for (int32_t i = 0; i < n; ++i) {
      for (int32_t j = 0; j < n; ++j) {
        if (grid[i][j] != BlackChar) continue;
        const int32_t top = std::max(0, i - d);
        const int32_t bottom = std::min(n, i + d + 1);
        const int32_t left = std::max(0, j - d);
        const int32_t right = std::min(n, j + d + 1);
        found.push_back({i, j, rectangle(white_, top, left, bottom, right),
                         rectangle(black_, top, left, bottom, right) - 1});
      }
    }
    return found;
  }

 private:
  /// Fills the tables for `grid`.
  void load(const Rows& grid) {
    const std::size_t stride = grid.size() + 1;
    if (stride != stride_) {
      // Row 0 and column 0 stay zero: sumRow writes only the entries after them.
      stride_ = stride;
      white_.assign(stride * stride, 0);
      black_.assign(stride * stride, 0);
    }
    for (int32_t i = 0; i < sideOf(grid); ++i) sumRow(i, grid[i]);
  }

  /// Entry (i, j) of a table: the count over rows 0..i-1 and columns 0..j-1.
  std::size_t entry(int32_t i, int32_t j) const {
    return static_cast<std::size_t>(i) * stride_ + static_cast<std::size_t>(j);
  }

  /// Fills the tables' entries for grid row i from those of row i - 1.
  void sumRow(int32_t i, std::string_view row) {
    int32_t whiteInRow = 0;
    int32_t blackInRow = 0;
    for (std::size_t j = 0; j < row.size(); ++j) {
      whiteInRow += row[j] == WhiteChar;
      blackInRow += row[j] == BlackChar;
      const auto column = static_cast<int32_t>(j) + 1;
      white_[entry(i + 1, column)] = white_[entry(i, column)] + whiteInRow;
      black_[entry(i + 1, column)] = black_[entry(i, column)] + blackInRow;
    }
  }

  /// The count of one table over rows [top, bottom) and columns [left, right).
  int32_t rectangle(const std::vector<int32_t>& table, int32_t top, int32_t left, int32_t bottom,
                    int32_t right) const {
    return table[entry(bottom, right)] - table[entry(top, right)] - table[entry(bottom, left)] +
           table[entry(top, left)];
  }

  /// The length of a table row: n + 1.
  std::size_t stride_ = 0;
  /// The summed-area table of white cells.
  std::vector<int32_t> white_;
  /// The summed-area table of black cells.
  std::vector<int32_t> black_;
};
