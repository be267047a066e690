#include "judge/neighbourhood_counts.h"

#include <algorithm>
#include <cstddef>

#include "grid/cells.h"

namespace {

/// Fills `table` ((n + 1) squared entries, zero first row and column) with the number of
/// `target` cells above and to the left of each entry.
void fillTable(const Grid& grid, char target, std::vector<int32_t>& table) {
  const int32_t n = grid.size();
  const auto stride = static_cast<std::size_t>(n) + 1;
  for (int32_t i = 0; i < n; ++i) {
    const char* row = grid.rowData(i);
    int32_t running = 0;
    for (int32_t j = 0; j < n; ++j) {
      running += row[j] == target;
      table[(i + 1) * stride + j + 1] = table[i * stride + j + 1] + running;
    }
  }
}

}  // namespace

NeighbourhoodCounts::NeighbourhoodCounts(const Grid& grid, int32_t d)
    : grid_(grid),
      n_(grid.size()),
      d_(d),
      white_((static_cast<std::size_t>(n_) + 1) * (n_ + 1), 0),
      black_(white_.size(), 0) {
  fillTable(grid, WhiteCell, white_);
  fillTable(grid, BlackCell, black_);
}

int32_t NeighbourhoodCounts::windowSum(const std::vector<int32_t>& table, int32_t i,
                                       int32_t j) const {
  const int32_t top = std::max(0, i - d_);
  const int32_t bottom = std::min(n_, i + d_ + 1);
  const int32_t left = std::max(0, j - d_);
  const int32_t right = std::min(n_, j + d_ + 1);
  const int32_t stride = n_ + 1;
  return at(table, stride, bottom, right) - at(table, stride, top, right) -
         at(table, stride, bottom, left) + at(table, stride, top, left);
}

int32_t NeighbourhoodCounts::whiteCount(int32_t i, int32_t j) const {
  return windowSum(white_, i, j) - (grid_.rowData(i)[j] == WhiteCell);
}

int32_t NeighbourhoodCounts::blackCount(int32_t i, int32_t j) const {
  return windowSum(black_, i, j) - (grid_.rowData(i)[j] == BlackCell);
}
