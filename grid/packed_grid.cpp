#include "grid/packed_grid.h"

#include <algorithm>
#include <bit>

#include "grid/cell_bits.h"
#include "grid/cells.h"
#include "grid/unset_array.h"

namespace {

/// Appends runs of bits to a stream of words, the first bit lowest.
class BitWriter {
 public:
  explicit BitWriter(uint64_t* words) : next_(words) {}

  /// Appends the low `count` bits of `bits`, whose other bits are 0; count is at most 64.
  void append(uint64_t bits, int count) {
    bitCount_ += static_cast<uint64_t>(count);
    pending_ |= bits << filled_;
    filled_ += count;
    if (filled_ >= 64) {
      *next_++ = pending_;
      filled_ -= 64;
      // The bits that did not fit are the top `filled_` of `bits`.
      pending_ = filled_ == 0 ? 0 : bits >> (count - filled_);
    }
  }

  /// The number of bits appended so far.
  uint64_t bitCount() const { return bitCount_; }

  /// Writes the last, partial word; returns the end of what was written.
  uint64_t* finish() {
    if (filled_ > 0) *next_++ = pending_;
    return next_;
  }

 private:
  uint64_t* next_;
  uint64_t pending_ = 0;
  int filled_ = 0;
  uint64_t bitCount_ = 0;
};

/// Packs one padded row: writes its non-white words and appends its colours. A row of cell
/// characters alone is read eight bytes at a time, any other one byte by byte. Returns whether
/// the row held cell characters alone.
bool packRowPortable(const char* row, int32_t words, uint64_t* nonWhite, BitWriter& colours) {
  const bool plain = cell_bits::allCellCharacters(row, words * PackedGrid::WordCells);
  const cell_bits::ByteTables& tables = cell_bits::byteTables();
  for (int32_t w = 0; w < words; ++w) {
    const char* cells = PackedGrid::wordCells(row, w);
    uint64_t red = 0;
    if (plain) {
      nonWhite[w] = cell_bits::nonWhiteOfCellCharacters(cells);
      red = cell_bits::redOfCellCharacters(cells);
    } else {
      const cell_bits::CellMasks masks = cell_bits::masksOfAnyBytes(cells);
      nonWhite[w] = masks.red | masks.black;
      red = masks.red;
    }
    colours.append(cell_bits::extractBits(red, nonWhite[w], tables),
                   cell_bits::countBits(nonWhite[w]));
  }
  return plain;
}

#if MREZOVNIK_AVX2_PATH
/// packRowPortable on the AVX2 path.
[[gnu::target("avx2,bmi2,popcnt")]] bool packRowAvx2(const char* row, int32_t words,
                                                     uint64_t* nonWhite, BitWriter& colours) {
  uint64_t other = 0;
  for (int32_t w = 0; w < words; ++w) {
    const cell_bits::CellMasks masks = cell_bits::masksAvx2(PackedGrid::wordCells(row, w));
    nonWhite[w] = masks.red | masks.black;
    other |= ~(masks.red | masks.black | masks.white);
    colours.append(_pext_u64(masks.red, nonWhite[w]), std::popcount(nonWhite[w]));
  }
  return other == 0;
}
#endif

/// A copy of the first `count` elements of an array, or null for a null array.
template <typename T>
std::unique_ptr<T[]> copyOf(const std::unique_ptr<T[]>& from, std::size_t count) {
  if (from == nullptr) return nullptr;
  std::unique_ptr<T[]> to = unsetArray<T>(count);
  std::copy_n(from.get(), count, to.get());
  return to;
}

}  // namespace

PackedGrid::PackedGrid(const Grid& grid) : PackedGrid(grid, fastestCodePath()) {}

PackedGrid::PackedGrid(const Grid& grid, CodePath path)
    : n_(grid.size()),
      nonWhite_(unsetArray<uint64_t>(nonWhiteWordCount())),
      colours_(unsetArray<uint64_t>(nonWhiteWordCount() + 2)),
      rowStarts_(unsetArray<uint32_t>(static_cast<std::size_t>(n_))) {
  const bool avx2 = runsAvx2Loops(path);
  const int32_t words = wordsPerRow();
  BitWriter colours(colours_.get());
  for (int32_t i = 0; i < n_; ++i) {
    rowStarts_[i] = static_cast<uint32_t>(colours.bitCount());
    uint64_t* rowWords = nonWhite_.get() + static_cast<std::size_t>(i) * words;
#if MREZOVNIK_AVX2_PATH
    if (avx2) {
      onlyCellCharacters_ &= packRowAvx2(grid.rowData(i), words, rowWords, colours);
      continue;
    }
#endif
    onlyCellCharacters_ &= packRowPortable(grid.rowData(i), words, rowWords, colours);
  }
  colourBitCount_ = static_cast<uint32_t>(colours.bitCount());
  std::fill(colours.finish(), colours_.get() + colourWordCount(), 0);
  static_cast<void>(avx2);
}

PackedGrid::PackedGrid(const PackedGrid& other) { *this = other; }

PackedGrid& PackedGrid::operator=(const PackedGrid& other) {
  if (this != &other) {
    n_ = other.n_;
    colourBitCount_ = other.colourBitCount_;
    onlyCellCharacters_ = other.onlyCellCharacters_;
    nonWhite_ = copyOf(other.nonWhite_, nonWhiteWordCount());
    colours_ = copyOf(other.colours_, colourWordCount());
    rowStarts_ = copyOf(other.rowStarts_, static_cast<std::size_t>(n_));
  }
  return *this;
}

bool PackedGrid::operator==(const PackedGrid& other) const {
  if (n_ != other.n_ || colourBitCount_ != other.colourBitCount_) return false;
  if (n_ == 0) return true;
  return std::equal(nonWhite_.get(), nonWhite_.get() + nonWhiteWordCount(),
                    other.nonWhite_.get()) &&
         std::equal(colours_.get(), colours_.get() + colourWordCount(), other.colours_.get());
}

char PackedGrid::cell(int32_t i, int32_t j) const {
  const uint64_t* words = nonWhiteWords(i);
  const int32_t w = j / WordCells;
  const uint64_t below = (uint64_t{1} << (j % WordCells)) - 1;
  if ((words[w] & (below + 1)) == 0) return WhiteCell;
  uint64_t position = rowStarts_[i];
  for (int32_t v = 0; v < w; ++v) position += static_cast<uint64_t>(std::popcount(words[v]));
  position += static_cast<uint64_t>(std::popcount(words[w] & below));
  return (colourBitsAt(colours_.get(), position) & 1) != 0 ? RedCell : BlackCell;
}

void PackedGrid::rowCells(int32_t i, char* out) const {
  const uint64_t* words = nonWhiteWords(i);
  uint64_t position = rowStarts_[i];
  for (int32_t j = 0; j < n_; ++j) {
    if (((words[j / WordCells] >> (j % WordCells)) & 1) == 0) {
      out[j] = WhiteCell;
    } else {
      out[j] = (colourBitsAt(colours_.get(), position++) & 1) != 0 ? RedCell : BlackCell;
    }
  }
}
