#pragma once

// The counting sweep's packed counts: a white and a black count in one word, the shape of a
// sweep, and the column counts moved from one row's window to the next. Like every sweep_*
// header, included by neighbourhood_sweep.cpp alone, whose path entries inline it.

#include <algorithm>
#include <cstdint>

#include "codepath/code_path.h"
#include "grid/cells.h"

#if defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

namespace sweep_kernels {

// A pair of counts is packed into one 32-bit word, white in the low half and black in the
// high half, so that one add serves both colours. A column count is at most n <= 1000, so
// it fits a half. A row's prefix sums fit their halves while n times the window's side is
// at most 65535; where a path sums each half on its own, wrapping at 2^16 (Sums::HalvesWrap),
// it is enough that every window's count fits, that is the side squared.
inline constexpr int BlackShift = 16;
inline constexpr uint32_t HalfMask = 0xffff;

/// The packed counts of one cell: a white or a black cell counts 1 in its half.
MREZOVNIK_PATH_INLINE uint32_t cellCounts(char cell) {
  return static_cast<uint32_t>(cell == WhiteCell) | static_cast<uint32_t>(cell == BlackCell)
                                                        << BlackShift;
}

/// The parameters of one sweep.
struct SweepShape {
  int32_t n;
  /// d, or n - 1 where d reaches past the grid: the same windows either way.
  int32_t reach;
  int32_t b;
  int32_t c;

  /// The side of the largest window, clipped to the grid.
  int32_t windowSide() const { return std::min(2 * reach + 1, n); }
  /// Whether a row's packed prefix sums fit their halves.
  bool rowSumsFitHalves() const { return n * windowSide() <= int32_t{HalfMask}; }
  /// Whether every window's packed counts fit their halves.
  bool windowsFitHalves() const { return windowSide() * windowSide() <= int32_t{HalfMask}; }
};

// The loops below take their bounds and arrays as locals: a store through an integer
// pointer may alias a member, which would keep them from vectorising.

#if defined(__wasm_simd128__)
/// Adds the changes of 16 cells, bytes of -1, 0 or 1 per colour, to their packed column
/// counts: each byte widened to a word, the black one shifted into the high half.
MREZOVNIK_PATH_INLINE void addChanges16(const uint32_t* from, uint32_t* to, v128_t white,
                                        v128_t black) {
  const v128_t whites[2] = {wasm_i16x8_extend_low_i8x16(white),
                            wasm_i16x8_extend_high_i8x16(white)};
  const v128_t blacks[2] = {wasm_i16x8_extend_low_i8x16(black),
                            wasm_i16x8_extend_high_i8x16(black)};
  for (int half = 0; half < 2; ++half) {
    const v128_t changes[2] = {
        wasm_i32x4_add(wasm_i32x4_extend_low_i16x8(whites[half]),
                       wasm_i32x4_shl(wasm_i32x4_extend_low_i16x8(blacks[half]), BlackShift)),
        wasm_i32x4_add(wasm_i32x4_extend_high_i16x8(whites[half]),
                       wasm_i32x4_shl(wasm_i32x4_extend_high_i16x8(blacks[half]), BlackShift))};
    for (int quarter = 0; quarter < 2; ++quarter) {
      const int k = 8 * half + 4 * quarter;
      wasm_v128_store(to + k, wasm_i32x4_add(wasm_v128_load(from + k), changes[quarter]));
    }
  }
}

/// moveColumns 16 columns at a time with wasm SIMD, whose compiler widens the bytes poorly
/// by itself: the bytes are compared to the colours (-1 where equal), and the changes are
/// the differences. Returns the first column left to do.
MREZOVNIK_PATH_INLINE int32_t moveColumnsSimd(const uint32_t* from, uint32_t* to,
                                              const char* removed, const char* added, int32_t n) {
  const v128_t white = wasm_i8x16_splat(WhiteCell);
  const v128_t black = wasm_i8x16_splat(BlackCell);
  const v128_t none = wasm_i8x16_splat(0);
  int32_t j = 0;
  for (; j + 16 <= n; j += 16) {
    const v128_t out = removed != nullptr ? wasm_v128_load(removed + j) : none;
    const v128_t in = added != nullptr ? wasm_v128_load(added + j) : none;
    addChanges16(from + j, to + j,
                 wasm_i8x16_sub(wasm_i8x16_eq(out, white), wasm_i8x16_eq(in, white)),
                 wasm_i8x16_sub(wasm_i8x16_eq(out, black), wasm_i8x16_eq(in, black)));
  }
  return j;
}
#else
/// Where the compiler widens the bytes well by itself, the loops below do every column.
MREZOVNIK_PATH_INLINE int32_t moveColumnsSimd(const uint32_t*, uint32_t*, const char*, const char*,
                                              int32_t) {
  return 0;
}
#endif

/// `to` becomes the packed column counts `from` with row `removed` taken out and row
/// `added` put in; one of them may be null, and `to` may be `from`.
MREZOVNIK_PATH_INLINE void moveColumns(const uint32_t* from, uint32_t* to, const char* removed,
                                       const char* added, int32_t n) {
  const int32_t done = moveColumnsSimd(from, to, removed, added, n);
  if (removed != nullptr && added != nullptr) {
    // Each half changes by -1, 0 or 1; the changes are found on the bytes, then widened.
    for (int32_t j = done; j < n; ++j) {
      const auto white = static_cast<int8_t>((added[j] == WhiteCell) - (removed[j] == WhiteCell));
      const auto black = static_cast<int8_t>((added[j] == BlackCell) - (removed[j] == BlackCell));
      to[j] = from[j] + static_cast<uint32_t>(white) + (static_cast<uint32_t>(black) << BlackShift);
    }
  } else if (added != nullptr) {
    for (int32_t j = done; j < n; ++j) to[j] = from[j] + cellCounts(added[j]);
  } else if (removed != nullptr) {
    for (int32_t j = done; j < n; ++j) to[j] = from[j] - cellCounts(removed[j]);
  }
}

}  // namespace sweep_kernels
