#include "judge/check_grid.h"

#include <bit>
#include <string>
#include <vector>

#include "taskinput/cell_bits.h"
#include "textio/message.h"

namespace {

constexpr char Red = 'R';
constexpr char Black = '#';
constexpr char White = '.';

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
    const uint8_t isBlack = byteMask(out == Black);
    allowed &= (byteMask(code == RedCode) & byteMask(out == Red)) |
               (byteMask(code == BlackCode) & isBlack) |
               (byteMask(code == WhiteCode) & (byteMask(out == White) | isBlack));
  }
  return allowed == 0xff;
}

#if MREZOVNIK_AVX2_PATH
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
    refused |=
        ~(out.red | out.black | out.white) | (red ^ out.red) | (nonWhite[w] & ~red & ~out.black);
    position += static_cast<uint64_t>(std::popcount(nonWhite[w]));
  }
  return refused == 0;
}
#endif

/// The colour word that the messages use for a cell character.
const char* colourWord(char cell) {
  return cell == White ? "belo" : cell == Black ? "crno" : "rdece";
}

/// The comparison message for a cell that breaks a rule, or "" when the cell passes.
std::string cellFault(int32_t row, int32_t column, char in, char out) {
  const auto place = [&] {
    return composeMessage(column + 1, ". polje v ", row + 1, ". vrstici je ");
  };
  if (out != Red && out != Black && out != White) {
    return composeMessage(place(), "neveljaven znak (koda ", byteCode(out),
                          "), ki ni niti R niti # niti pika");
  }
  if (in == Red && out != Red) {
    return composeMessage(place(), "v vhodni mrezi rdece, v izhodni pa ", colourWord(out));
  }
  if (in == Black && out != Black) {
    return composeMessage(place(), "v vhodni mrezi crno, v izhodni pa ", colourWord(out));
  }
  if (in == White && out == Red) {
    return composeMessage(place(), "v vhodni mrezi belo, v izhodni pa rdece");
  }
  return {};
}

/// The first row from row `first` on that holds a cell the input refuses, or n, found on
/// the given path.
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
  const int32_t padded = paddedRowLength(input.size());
  std::vector<uint8_t> codes(static_cast<std::size_t>(padded));
  const cell_bits::ByteTables& tables = cell_bits::byteTables();
  for (int32_t i = first; i < input.size(); ++i) {
    decodeRow(input, i, codes.data(), tables);
    if (!codesAllow(codes.data(), candidate.rowData(i), padded)) return i;
  }
  return input.size();
}

/// Comparison phase: false, with the message of the first faulty cell in row-major order.
bool compareCells(const PackedGrid& input, const Grid& candidate, std::string& message,
                  CodePath path) {
  const int32_t n = input.size();
  for (int32_t i = firstRefusedRow(input, candidate, 0, path); i < n;
       i = firstRefusedRow(input, candidate, i + 1, path)) {
    for (int32_t j = 0; j < n; ++j) {
      std::string fault = cellFault(i, j, input.cell(i, j), candidate.rowData(i)[j]);
      if (!fault.empty()) {
        message = std::move(fault);
        return false;
      }
    }
  }
  return true;
}

/// Counting phase: false, with the message of the first threshold fault, when one fails.
bool countNeighbourhoods(const TestCase& testCase, const Grid& candidate, std::string& message,
                         int64_t& nearPairs, CodePath path) {
  const SweepOutcome outcome = sweepNeighbourhoods(testCase, candidate, path);
  const auto place = [&] {
    return composeMessage(outcome.column + 1, ". polje v ", outcome.row + 1,
                          ". vrstici je crno in ima ", outcome.count);
  };
  switch (outcome.fault) {
    case SweepOutcome::Fault::None:
      nearPairs = outcome.nearPairs;
      return true;
    case SweepOutcome::Fault::TooFewWhite:
      message = composeMessage(place(), " bliznjih belih polj, kar je manj kot b = ", testCase.b);
      return false;
    case SweepOutcome::Fault::TooManyBlack:
      message = composeMessage(place(), " bliznjih crnih polj, kar je vec kot c = ", testCase.c);
      return false;
  }
  return false;
}

}  // namespace

bool checkGrid(const TestCase& testCase, const Grid& candidate, std::string& message,
               int64_t& nearPairs, CodePath path) {
  return compareCells(testCase.grid, candidate, message, path) &&
         countNeighbourhoods(testCase, candidate, message, nearPairs, path);
}

bool checkGrid(const TestCase& testCase, const Grid& candidate, std::string& message,
               int64_t& nearPairs) {
  return checkGrid(testCase, candidate, message, nearPairs, fastestCodePath());
}
