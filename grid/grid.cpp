#include "grid/grid.h"

#include <algorithm>

#include "grid/cells.h"
#include "grid/unset_array.h"

Grid::Grid(const Grid& other) { *this = other; }

Grid& Grid::operator=(const Grid& other) {
  if (this != &other) {
    resize(other.n_);
    std::copy_n(other.cells_.get(), byteCount(), cells_.get());
  }
  return *this;
}

void Grid::resize(int32_t n) {
  // Rows are written n cells at a time, so the padding stays white while n stays the same.
  if (n == n_ && cells_ != nullptr) return;
  n_ = n;
  if (byteCount() > capacity_) {
    cells_ = unsetArray<char>(byteCount());
    capacity_ = byteCount();
  }
  for (int32_t i = 0; i < n_; ++i) std::fill(rowData(i) + n_, rowData(i) + stride(), WhiteCell);
}

bool Grid::operator==(const Grid& other) const {
  return n_ == other.n_ && std::equal(cells_.get(), cells_.get() + byteCount(), other.cells_.get());
}
