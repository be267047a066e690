#pragma once

// Turning 64 cell characters into one bit a cell, and moving bits between a packed run and
// the positions of a mask: the word-level steps that the input packing and the grid check
// share, for each machine-code path.

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "codepath/code_path.h"
#include "grid/cells.h"

#if MREZOVNIK_AVX2_PATH
#include <immintrin.h>
#endif
#if defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

namespace cell_bits {

/// The bit masks of 64 cells: bit k stands for cell k.
struct CellMasks {
  /// Cells that hold 'R'.
  uint64_t red = 0;
  /// Cells that hold '#'.
  uint64_t black = 0;
  /// Cells that hold '.'.
  uint64_t white = 0;
};

/// Whether each of `count` bytes is '.', '#' or 'R'. (Written with the least and the largest
/// of byte differences, which vectorise, rather than with comparisons, which compilers turn
/// into a bit test per byte.)
MREZOVNIK_PATH_INLINE bool allCellCharacters(const char* cells, int32_t count) {
  uint8_t farthest = 0;
  for (int32_t k = 0; k < count; ++k) {
    const auto cell = static_cast<uint8_t>(cells[k]);
    const auto fromWhite = static_cast<uint8_t>(cell ^ WhiteCell);
    const auto fromBlack = static_cast<uint8_t>(cell ^ BlackCell);
    const auto fromRed = static_cast<uint8_t>(cell ^ RedCell);
    farthest = std::max(farthest, std::min(std::min(fromWhite, fromBlack), fromRed));
  }
  return farthest == 0;
}

/// Eight bytes as a number, the first byte lowest.
MREZOVNIK_PATH_INLINE uint64_t littleEndianWord(const char* bytes) {
  uint64_t word = 0;
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(&word, bytes, sizeof word);
  } else {
    for (int k = 7; k >= 0; --k) word = word << 8 | static_cast<uint8_t>(bytes[k]);
  }
  return word;
}

/// Stores a number as eight bytes, the lowest first.
MREZOVNIK_PATH_INLINE void storeLittleEndian(uint64_t word, uint8_t* bytes) {
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(bytes, &word, sizeof word);
  } else {
    for (int k = 0; k < 8; ++k) bytes[k] = static_cast<uint8_t>(word >> (8 * k));
  }
}

/// Bit `bit` of each of 64 bytes, as a mask: each eight bytes' bits are gathered into the top
/// byte of one product; with WebAssembly's vectors, each sixteen bytes' bits are shifted to
/// the top of their bytes and gathered by one bitmask.
MREZOVNIK_PATH_INLINE uint64_t gatherBit(const char* cells, int bit) {
  uint64_t mask = 0;
#if defined(__wasm_simd128__)
  for (int part = 0; part < 4; ++part) {
    const v128_t bytes = wasm_v128_load(cells + std::ptrdiff_t{16} * part);
    const auto bits = static_cast<uint16_t>(
        wasm_i8x16_bitmask(wasm_i8x16_shl(bytes, static_cast<uint32_t>(7 - bit))));
    mask |= uint64_t{bits} << (16 * part);
  }
#else
  for (int group = 0; group < 8; ++group) {
    const uint64_t bytes = littleEndianWord(cells + std::ptrdiff_t{8} * group);
    mask |= ((((bytes >> bit) & 0x0101010101010101) * 0x0102040810204080) >> 56) << (8 * group);
  }
#endif
  return mask;
}

// Among cell characters, one bit tells red apart and another white (grid/cells.h).

/// The red cells among 64 cell characters.
MREZOVNIK_PATH_INLINE uint64_t redOfCellCharacters(const char* cells) {
  return gatherBit(cells, RedOnlyBit);
}

/// The non-white cells among 64 cell characters.
MREZOVNIK_PATH_INLINE uint64_t nonWhiteOfCellCharacters(const char* cells) {
  return ~gatherBit(cells, WhiteOnlyBit);
}

/// Whether masksOfAnyBytes compares many bytes at once, not one at a time.
#if defined(__wasm_simd128__)
inline constexpr bool ByteMasksAreVectors = true;
#else
inline constexpr bool ByteMasksAreVectors = false;
#endif

/// The masks of any 64 bytes, one at a time, or sixteen at a time with WebAssembly's vectors;
/// a byte that is no cell character is in none.
inline CellMasks masksOfAnyBytes(const char* cells) {
  CellMasks masks;
#if defined(__wasm_simd128__)
  const auto bitsOf = [](v128_t bytes, char cell) {
    const v128_t equal = wasm_i8x16_eq(bytes, wasm_i8x16_splat(cell));
    return uint64_t{static_cast<uint16_t>(wasm_i8x16_bitmask(equal))};
  };
  for (int part = 0; part < 4; ++part) {
    const v128_t bytes = wasm_v128_load(cells + std::ptrdiff_t{16} * part);
    masks.red |= bitsOf(bytes, RedCell) << (16 * part);
    masks.black |= bitsOf(bytes, BlackCell) << (16 * part);
    masks.white |= bitsOf(bytes, WhiteCell) << (16 * part);
  }
#else
  for (int k = 0; k < 64; ++k) {
    const uint64_t bit = uint64_t{1} << k;
    masks.red |= cells[k] == RedCell ? bit : 0;
    masks.black |= cells[k] == BlackCell ? bit : 0;
    masks.white |= cells[k] == WhiteCell ? bit : 0;
  }
#endif
  return masks;
}

/// The number of set bits, counted with shifts and adds where the baseline processor has no
/// instruction for it, rather than by a library call.
MREZOVNIK_PATH_INLINE int countBits(uint64_t bits) {
#if defined(__x86_64__) && !defined(__POPCNT__)
  bits -= (bits >> 1) & 0x5555555555555555;
  bits = (bits & 0x3333333333333333) + ((bits >> 2) & 0x3333333333333333);
  bits = (bits + (bits >> 4)) & 0x0f0f0f0f0f0f0f0f;
  return static_cast<int>((bits * 0x0101010101010101) >> 56);
#else
  return std::popcount(bits);
#endif
}

/// For every 8-bit mask and value: the value's bits at the mask's set bits packed into the
/// low bits, in order, and the value's low bits placed at the mask's set bits; and for every
/// byte, its number of set bits and its bits spread over eight bytes.
struct ByteTables {
  /// Entry mask * 256 + value.
  std::array<uint8_t, std::size_t{256} * 256> packed;
  /// Entry mask * 256 + value.
  std::array<uint8_t, std::size_t{256} * 256> placed;
  std::array<uint8_t, 256> bitCount;
  /// Byte k of entry b is bit k of b.
  std::array<uint64_t, 256> spread;
};

/// The byte tables, built the first time they are asked for.
const ByteTables& byteTables();

/// The bits of `value` at the set bits of `mask`, packed into the low bits, in order: eight
/// bits at a time, by table.
MREZOVNIK_PATH_INLINE uint64_t extractBits(uint64_t value, uint64_t mask,
                                           const ByteTables& tables) {
  uint64_t packed = 0;
  int filled = 0;
  for (int byte = 0; byte < 8; ++byte) {
    const auto maskByte = static_cast<uint8_t>(mask >> (8 * byte));
    const auto valueByte = static_cast<uint8_t>(value >> (8 * byte));
    packed |= uint64_t{tables.packed[std::size_t{maskByte} * 256 + valueByte]} << filled;
    filled += tables.bitCount[maskByte];
  }
  return packed;
}

#if MREZOVNIK_AVX2_PATH
/// The mask of the bytes equal to `cell` among 64, given as two vectors of 32.
[[gnu::target("avx2")]] inline uint64_t maskOfByte(__m256i low, __m256i high, char cell) {
  const __m256i wanted = _mm256_set1_epi8(cell);
  const auto lowBits = static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(low, wanted)));
  const auto highBits =
      static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(high, wanted)));
  return uint64_t{lowBits} | uint64_t{highBits} << 32;
}

/// The masks of 64 bytes, 32 at a time; a byte that is no cell character is in none.
[[gnu::target("avx2")]] inline CellMasks masksAvx2(const char* cells) {
  const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(cells));
  const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(cells + 32));
  return {maskOfByte(low, high, RedCell), maskOfByte(low, high, BlackCell),
          maskOfByte(low, high, WhiteCell)};
}
#endif

}  // namespace cell_bits
