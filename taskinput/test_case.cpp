#include "taskinput/test_case.h"

#include <algorithm>

namespace {

/// An array of `count` elements left unset, to be written before it is read. (Written out
/// rather than with make_unique_for_overwrite, which not every standard library offers.)
template <typename T>
std::unique_ptr<T[]> unsetArray(std::size_t count) {
  return std::unique_ptr<T[]>(new T[count]);
}

}  // namespace

Grid::Grid(const Grid& other) { *this = other; }

Grid& Grid::operator=(const Grid& other) {
  if (this != &other) {
    resize(other.n_);
    std::copy_n(other.cells_.get(), byteCount(), cells_.get());
  }
  return *this;
}

void Grid::resize(int32_t n) {
  n_ = n;
  if (byteCount() > capacity_) {
    cells_ = unsetArray<char>(byteCount());
    capacity_ = byteCount();
  }
  for (int32_t i = 0; i < n_; ++i) std::fill(rowData(i) + n_, rowData(i) + stride(), '.');
}

bool Grid::operator==(const Grid& other) const {
  return n_ == other.n_ && std::equal(cells_.get(), cells_.get() + byteCount(), other.cells_.get());
}

namespace {

/// The code of a cell character; any other byte as white.
uint8_t codeOf(char cell) {
  return static_cast<uint8_t>((cell == 'R') * PackedGrid::RedCode +
                              (cell == '#') * PackedGrid::BlackCode);
}

}  // namespace

PackedGrid::PackedGrid(const Grid& grid)
    : n_(grid.size()), codes_(unsetArray<uint8_t>(byteCount())) {
  const int32_t runLength = rowBytes();
  for (int32_t i = 0; i < n_; ++i) {
    const char* row = grid.rowData(i);
    uint8_t* codes = codes_.get() + static_cast<std::size_t>(i) * runLength;
    for (int32_t t = 0; t < runLength; ++t) {
      codes[t] = static_cast<uint8_t>(codeOf(row[t]) | codeOf(row[runLength + t]) << 2 |
                                      codeOf(row[2 * runLength + t]) << 4 |
                                      codeOf(row[3 * runLength + t]) << 6);
    }
  }
}

PackedGrid::PackedGrid(const PackedGrid& other) { *this = other; }

PackedGrid& PackedGrid::operator=(const PackedGrid& other) {
  if (this != &other) {
    n_ = other.n_;
    codes_ = unsetArray<uint8_t>(byteCount());
    std::copy_n(other.codes_.get(), byteCount(), codes_.get());
  }
  return *this;
}

bool PackedGrid::operator==(const PackedGrid& other) const {
  return n_ == other.n_ && std::equal(codes_.get(), codes_.get() + byteCount(), other.codes_.get());
}

char PackedGrid::cell(int32_t i, int32_t j) const {
  const uint8_t code = (rowCodes(i)[j % rowBytes()] >> (2 * (j / rowBytes()))) & 3;
  return code == RedCode ? 'R' : code == BlackCode ? '#' : '.';
}
