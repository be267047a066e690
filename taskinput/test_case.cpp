#include "taskinput/test_case.h"

#include <algorithm>

Grid::Grid(const Grid& other) { *this = other; }

Grid& Grid::operator=(const Grid& other) {
  if (this != &other) {
    resize(other.n_);
    std::copy_n(other.cells_.get(), cellCount(), cells_.get());
  }
  return *this;
}

void Grid::resize(int32_t n) {
  n_ = n;
  if (cellCount() > capacity_) {
    cells_ = std::make_unique_for_overwrite<char[]>(cellCount());
    capacity_ = cellCount();
  }
}

bool Grid::operator==(const Grid& other) const {
  return n_ == other.n_ && std::equal(cells_.get(), cells_.get() + cellCount(), other.cells_.get());
}
