#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "codepath/code_path.h"
#include "grid/grid.h"

/// A grid of the input file in about one bit a cell, so that a hundred full-size test cases
/// take few fresh pages of memory (each costs a page fault when first written).
///
/// Each padded row (see Grid) is cut into words of 64 cells. Bit k of a row's word w is set
/// where cell 64w + k is red or black: a non-white cell. The colours of the non-white cells
/// follow, one bit each (1 red, 0 black), in row-major order, as one stream of bits.
class PackedGrid {
 public:
  /// Cells per word of non-white bits.
  static constexpr int32_t WordCells = 64;

  PackedGrid() = default;
  /// The packed form of a grid of cell characters. A byte that is no cell character packs
  /// as white: the test case reader rejects such a grid before its record is accepted.
  explicit PackedGrid(const Grid& grid);
  /// The same, packed by the loops built for `path` (which this machine must be able to run).
  PackedGrid(const Grid& grid, CodePath path);

  /// The number of rows, and of columns.
  int32_t size() const { return n_; }
  /// Words of non-white bits per row.
  int32_t wordsPerRow() const { return paddedRowLength(n_) / WordCells; }
  /// The cells of word w of a padded row.
  static const char* wordCells(const char* row, int32_t w) {
    return row + static_cast<std::ptrdiff_t>(w) * WordCells;
  }
  /// Row i's words of non-white bits.
  const uint64_t* nonWhiteWords(int32_t i) const {
    return nonWhite_.get() + static_cast<std::size_t>(i) * wordsPerRow();
  }
  /// The colour stream, to be read with colourBitsAt.
  const uint64_t* colourWords() const { return colours_.get(); }
  /// The position in the colour stream of row i's first non-white cell.
  uint32_t firstColourOfRow(int32_t i) const { return rowStarts_[i]; }
  /// The character of the cell in row i, column j.
  char cell(int32_t i, int32_t j) const;
  /// Writes the n cell characters of row i to `out`, as cell() gives them, in one pass.
  void rowCells(int32_t i, char* out) const;
  /// Whether the grid packed held cell characters alone, no other byte.
  bool onlyCellCharacters() const { return onlyCellCharacters_; }

  PackedGrid(const PackedGrid& other);
  PackedGrid& operator=(const PackedGrid& other);
  PackedGrid(PackedGrid&&) noexcept = default;
  PackedGrid& operator=(PackedGrid&&) noexcept = default;

  /// Same size and the same cells.
  bool operator==(const PackedGrid& other) const;

 private:
  /// wordsPerRow() * n.
  std::size_t nonWhiteWordCount() const {
    return static_cast<std::size_t>(wordsPerRow()) * static_cast<std::size_t>(n_);
  }
  /// The colour stream's words, with two words of zeros behind its bits, so that 64 bits may
  /// be read from any position up to its end.
  std::size_t colourWordCount() const { return colourBitCount_ / 64 + 2; }

  int32_t n_ = 0;
  uint32_t colourBitCount_ = 0;
  bool onlyCellCharacters_ = true;
  std::unique_ptr<uint64_t[]> nonWhite_;
  /// Room for a colour bit per cell, but only colourWordCount() words are written: the
  /// memory past them is never touched, so it takes no pages.
  std::unique_ptr<uint64_t[]> colours_;
  std::unique_ptr<uint32_t[]> rowStarts_;
};

/// The 64 bits of a colour stream from `position` on; the bits past its end read as 0.
inline uint64_t colourBitsAt(const uint64_t* words, uint64_t position) {
  const uint64_t word = position / 64;
  const auto shift = static_cast<unsigned>(position % 64);
  // The second word's share is shifted in two steps, so that no shift reaches 64.
  return (words[word] >> shift) | ((words[word + 1] << 1) << (63 - shift));
}
