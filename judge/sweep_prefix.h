#pragma once

// The counting sweep's row sums: prefix sums of packed column counts along a row, in the
// two layouts that the window's size allows.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "codepath/code_path.h"
#include "judge/sweep_counts.h"

namespace sweep_kernels {

/// Prefix sums of packed counts, out[k] = in[0] + ... + in[k], as chains of scalar adds: the
/// baseline way. No half may pass 16 bits. (A path may bring its own, with the same two
/// operations.)
struct ScalarSums {
  /// Whether each half is summed on its own, wrapping at 2^16.
  static constexpr bool HalvesWrap = false;

  /// The sums of one row.
  MREZOVNIK_PATH_INLINE static void one(const uint32_t* in, uint32_t* out, int32_t n) {
    uint32_t running = 0;
    for (int32_t k = 0; k < n; ++k) {
      running += in[k];
      out[k] = running;
    }
  }

  /// The sums of two rows: two independent chains run side by side.
  MREZOVNIK_PATH_INLINE static void two(const uint32_t* in, const uint32_t* nextIn, uint32_t* out,
                                        uint32_t* nextOut, int32_t n) {
    uint32_t running = 0;
    uint32_t nextRunning = 0;
    for (int32_t k = 0; k < n; ++k) {
      running += in[k];
      nextRunning += nextIn[k];
      out[k] = running;
      nextOut[k] = nextRunning;
    }
  }
};

/// A row's prefix sums as one array of packed pairs, for windows small enough that they
/// fit (see sweepGrid). Entry reach + 1 + k holds the counts of columns 0
/// to k; the entries before hold 0, so that every window is one subtraction.
template <class Sums, bool HalvesWrap>
class PackedPrefix {
 public:
  explicit PackedPrefix(const SweepShape& shape)
      : sums_(static_cast<std::size_t>(shape.n) + shape.reach + 1, 0) {}

  /// Sums the packed column counts along the row, both colours at once.
  MREZOVNIK_PATH_INLINE void fill(const uint32_t* columns, const SweepShape& shape) {
    Sums::one(columns, sums(shape), shape.n);
  }

  /// The same for two rows at once, this one and `next`.
  MREZOVNIK_PATH_INLINE void fillPair(PackedPrefix& next, const uint32_t* columns,
                                      const uint32_t* nextColumns, const SweepShape& shape) {
    Sums::two(columns, nextColumns, sums(shape), next.sums(shape), shape.n);
  }

  /// Read access for the scan.
  struct View {
    const uint32_t* sums;
    /// The white cells between prefix entries `start` and `end`.
    MREZOVNIK_PATH_INLINE int32_t whites(int32_t end, int32_t start) const {
      return static_cast<int32_t>((sums[end] - sums[start]) & HalfMask);
    }
    /// The black cells between them. Where the halves wrap, each is subtracted on its own.
    MREZOVNIK_PATH_INLINE int32_t blacks(int32_t end, int32_t start) const {
      if constexpr (HalvesWrap) {
        return static_cast<int32_t>(((sums[end] >> BlackShift) - (sums[start] >> BlackShift)) &
                                    HalfMask);
      } else {
        return static_cast<int32_t>((sums[end] - sums[start]) >> BlackShift);
      }
    }
  };
  View view() const { return {sums_.data()}; }

 private:
  /// Where the sums start, after the zeros.
  uint32_t* sums(const SweepShape& shape) { return sums_.data() + shape.reach + 1; }

  std::vector<uint32_t> sums_;
};

/// A row's prefix sums as two arrays, one per colour, laid out as PackedPrefix's. Any
/// window fits: the packed sums run only within blocks of columns, whose counts cannot
/// pass a half, and each block's are then added to the counts before it.
template <class Sums>
class SplitPrefix {
 public:
  /// Columns per block: 64 times a column count of at most 1000 fits a half.
  static constexpr int32_t BlockLength = 64;

  explicit SplitPrefix(const SweepShape& shape)
      : withinBlock_(static_cast<std::size_t>(shape.n), 0),
        white_(static_cast<std::size_t>(shape.n) + shape.reach + 1, 0),
        black_(white_.size(), 0) {}

  /// Sums the packed column counts within each block, then spreads them into the two
  /// arrays with each block's starting counts added.
  MREZOVNIK_PATH_INLINE void fill(const uint32_t* columns, const SweepShape& shape) {
    for (int32_t first = 0; first < shape.n; first += BlockLength) {
      Sums::one(columns + first, withinBlock_.data() + first,
                std::min(BlockLength, shape.n - first));
    }
    spread(shape);
  }

  /// The same for two rows at once, this one and `next`.
  MREZOVNIK_PATH_INLINE void fillPair(SplitPrefix& next, const uint32_t* columns,
                                      const uint32_t* nextColumns, const SweepShape& shape) {
    for (int32_t first = 0; first < shape.n; first += BlockLength) {
      Sums::two(columns + first, nextColumns + first, withinBlock_.data() + first,
                next.withinBlock_.data() + first, std::min(BlockLength, shape.n - first));
    }
    spread(shape);
    next.spread(shape);
  }

  /// Read access for the scan.
  struct View {
    const int32_t* white;
    const int32_t* black;
    /// The white cells between prefix entries `start` and `end`.
    MREZOVNIK_PATH_INLINE int32_t whites(int32_t end, int32_t start) const {
      return white[end] - white[start];
    }
    /// The black cells between them.
    MREZOVNIK_PATH_INLINE int32_t blacks(int32_t end, int32_t start) const {
      return black[end] - black[start];
    }
  };
  View view() const { return {white_.data(), black_.data()}; }

 private:
  /// Spreads the sums within blocks into the two arrays, adding each block's starting counts.
  MREZOVNIK_PATH_INLINE void spread(const SweepShape& shape) {
    const int32_t n = shape.n;
    const uint32_t* withinBlock = withinBlock_.data();
    int32_t* white = white_.data() + shape.reach + 1;
    int32_t* black = black_.data() + shape.reach + 1;
    int32_t whiteBefore = 0;
    int32_t blackBefore = 0;
    for (int32_t first = 0; first < n; first += BlockLength) {
      const int32_t last = std::min(first + BlockLength, n);
      for (int32_t k = first; k < last; ++k) {
        white[k] = whiteBefore + static_cast<int32_t>(withinBlock[k] & HalfMask);
        black[k] = blackBefore + static_cast<int32_t>(withinBlock[k] >> BlackShift);
      }
      whiteBefore = white[last - 1];
      blackBefore = black[last - 1];
    }
  }

  std::vector<uint32_t> withinBlock_;
  std::vector<int32_t> white_;
  std::vector<int32_t> black_;
};

}  // namespace sweep_kernels
