#include "judge/cell_comparison.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "grid/cell_bits.h"
#include "grid/cells.h"

namespace {

// The portable path turns each input row back into one code byte per cell and compares it
// with the candidate row in a byte loop, which compilers vectorise.

/// The code bytes of input cells.
constexpr uint8_t WhiteCode = 0;
constexpr uint8_t BlackCode = 1;
constexpr uint8_t RedCode = 2;

/// Row i of the input as code bytes, one per cell of the padded row, eight cells at a time:
/// the colours are placed at each byte's non-white cells and both are spread by table.
void decodeRow(const PackedGrid& input, int32_t i, uint8_t* codes,
               const cell_bits::ByteTables& tables) {
  const uint64_t* nonWhite = input.nonWhiteWords(i);
  uint64_t position = input.firstColourOfRow(i);
  for (int32_t w = 0; w < input.wordsPerRow(); ++w) {
    uint64_t colours = colourBitsAt(input.colourWords(), position);
    for (int group = 0; group < 8; ++group) {
      const auto mask = static_cast<uint8_t>(nonWhite[w] >> (8 * group));
      const std::size_t entry = std::size_t{mask} * 256 + static_cast<uint8_t>(colours);
      const uint8_t red = tables.placed[entry];
      colours >>= tables.bitCount[mask];
      cell_bits::storeLittleEndian(tables.spread[mask] + tables.spread[red],
                                   codes + std::ptrdiff_t{8} * (8 * w + group));
    }
    position += static_cast<uint64_t>(cell_bits::countBits(nonWhite[w]));
  }
}

/// A byte mask: 0xff where the condition holds, 0 where it does not. Written with masks,
/// the per-cell test below compiles to branch-free vector code.
uint8_t byteMask(bool condition) { return static_cast<uint8_t>(-static_cast<int>(condition)); }

/// Whether each of `count` candidate characters may stand where the input has its code: red
/// stays red, black stays black, white stays white or turns black.
bool codesAllow(const uint8_t* codes, const char* row, int32_t count) {
  uint8_t allowed = 0xff;
  for (int32_t t = 0; t < count; ++t) {
    const uint8_t code = codes[t];
    const char out = row[t];
    const uint8_t isBlack = byteMask(out == BlackCell);
    allowed &= (byteMask(code == RedCode) & byteMask(out == RedCell)) |
               (byteMask(code == BlackCode) & isBlack) |
               (byteMask(code == WhiteCode) & (byteMask(out == WhiteCell) | isBlack));
  }
  return allowed == 0xff;
}

/// One word of 64 cells of a row compared: the input's non-white and red cells, and the
/// candidate's cells that the input refuses.
struct WordComparison {
  uint64_t nonWhite = 0;
  uint64_t red = 0;
  uint64_t refused = 0;
};

/// The cells of a word that the input refuses, given the input's non-white and red cells and
/// the candidate's cell masks: a byte that is no cell character, a red cell that is not red or
/// a cell that turned red, a black cell that is not black.
MREZOVNIK_PATH_INLINE uint64_t refusedCells(uint64_t nonWhite, uint64_t red,
                                            const cell_bits::CellMasks& out) {
  return ~(out.red | out.black | out.white) | (red ^ out.red) | (nonWhite & ~red & ~out.black);
}

/// The input's red cells among the non-white ones: its colour bits placed at the set bits
/// of `nonWhite`, eight cells at a time by table.
uint64_t placeColours(uint64_t colours, uint64_t nonWhite, const cell_bits::ByteTables& tables) {
  uint64_t red = 0;
  for (int group = 0; group < 8; ++group) {
    const auto mask = static_cast<uint8_t>(nonWhite >> (8 * group));
    red |= uint64_t{tables.placed[std::size_t{mask} * 256 + static_cast<uint8_t>(colours)]}
           << (8 * group);
    colours >>= tables.bitCount[mask];
  }
  return red;
}

/// Word w of row i compared on the portable path; `position` is the colour stream's position
/// of the word's first non-white cell.
WordComparison compareWordPortable(const PackedGrid& input, int32_t i, int32_t w, uint64_t position,
                                   const char* row, const cell_bits::ByteTables& tables) {
  WordComparison word;
  word.nonWhite = input.nonWhiteWords(i)[w];
  word.red = placeColours(colourBitsAt(input.colourWords(), position), word.nonWhite, tables);
  word.refused = refusedCells(word.nonWhite, word.red,
                              cell_bits::masksOfAnyBytes(PackedGrid::wordCells(row, w)));
  return word;
}

/// Whether every cell of a padded candidate row is allowed by row i of the input, compared a
/// word at a time on the portable path.
bool rowIsAllowedByWords(const PackedGrid& input, int32_t i, const char* row,
                         const cell_bits::ByteTables& tables) {
  uint64_t position = input.firstColourOfRow(i);
  uint64_t refused = 0;
  for (int32_t w = 0; w < input.wordsPerRow(); ++w) {
    const WordComparison word = compareWordPortable(input, i, w, position, row, tables);
    refused |= word.refused;
    position += static_cast<uint64_t>(cell_bits::countBits(word.nonWhite));
  }
  return refused == 0;
}

#if MREZOVNIK_AVX2_PATH
/// compareWordPortable on the AVX2 path: the colours are placed with a bit deposit.
[[gnu::target("avx2,bmi2")]] WordComparison compareWordAvx2(const PackedGrid& input, int32_t i,
                                                            int32_t w, uint64_t position,
                                                            const char* row) {
  WordComparison word;
  word.nonWhite = input.nonWhiteWords(i)[w];
  word.red = _pdep_u64(colourBitsAt(input.colourWords(), position), word.nonWhite);
  word.refused =
      refusedCells(word.nonWhite, word.red, cell_bits::masksAvx2(PackedGrid::wordCells(row, w)));
  return word;
}

/// Whether every cell of a padded candidate row is allowed by row i of the input, 64 cells at
/// a time on the AVX2 path: the input's colours are placed at its non-white cells with a bit
/// deposit and compared with the candidate's cell masks.
[[gnu::target("avx2,bmi2,popcnt")]] bool rowIsAllowedAvx2(const PackedGrid& input, int32_t i,
                                                          const char* row) {
  const uint64_t* nonWhite = input.nonWhiteWords(i);
  uint64_t position = input.firstColourOfRow(i);
  uint64_t refused = 0;
  for (int32_t w = 0; w < input.wordsPerRow(); ++w) {
    const cell_bits::CellMasks out = cell_bits::masksAvx2(PackedGrid::wordCells(row, w));
    const uint64_t red = _pdep_u64(colourBitsAt(input.colourWords(), position), nonWhite[w]);
    refused |= refusedCells(nonWhite[w], red, out);
    position += static_cast<uint64_t>(std::popcount(nonWhite[w]));
  }
  return refused == 0;
}
#endif

}  // namespace

int32_t firstRefusedRow(const PackedGrid& input, const Grid& candidate, int32_t first,
                        CodePath path) {
#if MREZOVNIK_AVX2_PATH
  if (runsAvx2Loops(path)) {
    for (int32_t i = first; i < input.size(); ++i) {
      if (!rowIsAllowedAvx2(input, i, candidate.rowData(i))) return i;
    }
    return input.size();
  }
#endif
  static_cast<void>(path);
  if (cell_bits::ByteMasksAreVectors) {
    // Where the byte masks are vectors, a word's comparison is quicker than decoding the row.
    const cell_bits::ByteTables& tables = cell_bits::byteTables();
    for (int32_t i = first; i < input.size(); ++i) {
      if (!rowIsAllowedByWords(input, i, candidate.rowData(i), tables)) return i;
    }
    return input.size();
  }
  const int32_t padded = paddedRowLength(input.size());
  std::vector<uint8_t> codes(static_cast<std::size_t>(padded));
  const cell_bits::ByteTables& tables = cell_bits::byteTables();
  for (int32_t i = first; i < input.size(); ++i) {
    decodeRow(input, i, codes.data(), tables);
    if (!codesAllow(codes.data(), candidate.rowData(i), padded)) return i;
  }
  return input.size();
}

void listRefusedCells(const PackedGrid& input, const Grid& candidate, int32_t i, CodePath path,
                      FaultList& faults) {
  const char* row = candidate.rowData(i);
  const cell_bits::ByteTables& tables = cell_bits::byteTables();
  const bool avx2 = runsAvx2Loops(path);
  uint64_t position = input.firstColourOfRow(i);
  for (int32_t w = 0; w < input.wordsPerRow(); ++w) {
#if MREZOVNIK_AVX2_PATH
    const WordComparison word = avx2 ? compareWordAvx2(input, i, w, position, row)
                                     : compareWordPortable(input, i, w, position, row, tables);
#else
    const WordComparison word = compareWordPortable(input, i, w, position, row, tables);
#endif
    // Each refused cell at once, by its bit.
    for (uint64_t refused = word.refused; refused != 0; refused &= refused - 1) {
      const int k = std::countr_zero(refused);
      const uint64_t bit = uint64_t{1} << k;
      const char in = (word.nonWhite & bit) == 0 ? WhiteCell
                      : (word.red & bit) != 0    ? RedCell
                                                 : BlackCell;
      const int32_t j = w * PackedGrid::WordCells + k;
      if (const auto kind = comparisonFault(in, row[j])) {
        faults.add({i, j, *kind, static_cast<uint8_t>(row[j])});
      }
    }
    position += static_cast<uint64_t>(cell_bits::countBits(word.nonWhite));
  }
  static_cast<void>(avx2);
}
