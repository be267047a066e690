#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

/// The length of a grid row in memory: n rounded up to 64. The cells past the n-th are
/// white, so that every loop over a row can run in whole vectors.
inline int32_t paddedRowLength(int32_t n) { return (n + 63) / 64 * 64; }

/// A square grid of cell characters ('R' red, '#' black, '.' white), row by row in one
/// buffer, each row padded with white cells to paddedRowLength(n). Its rows are indexed from
/// 0 here and numbered from 1 in messages.
class Grid {
 public:
  Grid() = default;
  /// A grid of n rows of n unset cells.
  explicit Grid(int32_t n) { resize(n); }
  Grid(const Grid& other);
  Grid& operator=(const Grid& other);
  Grid(Grid&&) noexcept = default;
  Grid& operator=(Grid&&) noexcept = default;

  /// Makes the grid n by n with unset cells (and white padding), reusing its buffer when it
  /// is large enough. The cells of a grid that was already n by n are left as they are.
  void resize(int32_t n);
  /// The number of rows, and of columns.
  int32_t size() const { return n_; }
  /// Row i, for writing its n cells.
  char* rowData(int32_t i) { return cells_.get() + static_cast<std::size_t>(i) * stride(); }
  /// Row i, for reading; its padding may be read too.
  const char* rowData(int32_t i) const {
    return cells_.get() + static_cast<std::size_t>(i) * stride();
  }
  /// Row i as text.
  std::string_view row(int32_t i) const { return {rowData(i), static_cast<std::size_t>(n_)}; }

  /// Same size and the same cells.
  bool operator==(const Grid& other) const;

 private:
  /// The distance between the starts of two rows.
  int32_t stride() const { return paddedRowLength(n_); }
  /// The rows with their padding, as a byte count.
  std::size_t byteCount() const { return static_cast<std::size_t>(stride()) * n_; }

  int32_t n_ = 0;
  std::size_t capacity_ = 0;
  std::unique_ptr<char[]> cells_;
};
