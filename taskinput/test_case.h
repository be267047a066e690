#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

/// The task's name, which line 1 of the input file and line 2 of a submission must equal.
inline constexpr std::string_view TaskName = "Mrezovje";

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
  /// is large enough.
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

/// A grid of the input file held in two bits a cell, four cells a byte, so that a hundred
/// full-size test cases fit in a quarter of their text. Codes: 0 white, 1 red, 2 black.
///
/// Each padded row (see Grid) is cut into four runs of `rowBytes()` cells; bit pair k of the
/// row's byte t holds cell k * rowBytes() + t. One loop over a row's bytes thus reads four
/// contiguous runs of cells, in whole vectors.
class PackedGrid {
 public:
  static constexpr uint8_t WhiteCode = 0;
  static constexpr uint8_t RedCode = 1;
  static constexpr uint8_t BlackCode = 2;

  PackedGrid() = default;
  /// The packed form of a grid of cell characters. A byte that is no cell character packs
  /// as white: the test case reader rejects such a grid before its record is accepted.
  explicit PackedGrid(const Grid& grid);

  /// The number of rows, and of columns.
  int32_t size() const { return n_; }
  /// Bytes per row: the length of each of the row's four runs of cells, a multiple of 16.
  int32_t rowBytes() const { return paddedRowLength(n_) / 4; }
  /// The codes of row i.
  const uint8_t* rowCodes(int32_t i) const {
    return codes_.get() + static_cast<std::size_t>(i) * rowBytes();
  }
  /// The character of the cell in row i, column j.
  char cell(int32_t i, int32_t j) const;

  PackedGrid(const PackedGrid& other);
  PackedGrid& operator=(const PackedGrid& other);
  PackedGrid(PackedGrid&&) noexcept = default;
  PackedGrid& operator=(PackedGrid&&) noexcept = default;

  /// Same size and the same cells.
  bool operator==(const PackedGrid& other) const;

 private:
  /// rowBytes() * n, as a byte count.
  std::size_t byteCount() const { return static_cast<std::size_t>(rowBytes()) * n_; }

  int32_t n_ = 0;
  /// Left unset until written: zeroing 25 MB first would touch it twice.
  std::unique_ptr<uint8_t[]> codes_;
};

/// One test case of the input file: the grid and its parameters, accepted once and then
/// only read.
struct TestCase {
  /// The text of line 1 of the input file.
  std::string taskName;
  /// The test case number from the block, equal to the block's position from 1.
  int32_t number = 0;
  /// The grid's number of rows and columns, 1 to 1000.
  int32_t n = 0;
  /// The neighbourhood radius (Chebyshev distance), 1 to n.
  int32_t d = 0;
  /// The least number of white cells around every black cell.
  int32_t b = 0;
  /// The most black cells around any black cell.
  int32_t c = 0;
  /// The initial colouring.
  PackedGrid grid;

  bool operator==(const TestCase&) const = default;
};
