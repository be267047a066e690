#include "judge/check_grid.h"

#include <bit>
#include <string>

#include "taskinput/cell_bits.h"
#include "textio/message.h"

namespace {

constexpr char Red = 'R';
constexpr char Black = '#';
constexpr char White = '.';

/// Whether every cell of a padded candidate row is allowed by row i of the input: red stays
/// red, black stays black, white stays white or turns black. `Words` gives a word's cell
/// masks, counts bits and tells where the candidate's red cells differ from the input's
/// colours at its non-white cells.
template <class Words>
MREZOVNIK_PATH_INLINE bool rowIsAllowed(const PackedGrid& input, int32_t i, const char* row,
                                        const Words& words) {
  const uint64_t* nonWhite = input.nonWhiteWords(i);
  const uint64_t* colours = input.colourWords();
  uint64_t position = input.firstColourOfRow(i);
  uint64_t refused = 0;
  for (int32_t w = 0; w < input.wordsPerRow(); ++w) {
    const cell_bits::CellMasks out = words.masks(PackedGrid::wordCells(row, w));
    const int count = words.count(nonWhite[w]);
    refused |= ~(out.red | out.black | out.white) | (out.red & ~nonWhite[w]) |
               (out.white & nonWhite[w]) |
               words.colourMismatch(out.red, nonWhite[w], colourBitsAt(colours, position), count);
    position += static_cast<uint64_t>(count);
  }
  return refused == 0;
}

/// The word steps of the baseline processor, for rows of cell characters alone.
struct PortableWords {
  const cell_bits::ByteTables& tables = cell_bits::byteTables();

  MREZOVNIK_PATH_INLINE static cell_bits::CellMasks masks(const char* cells) {
    return cell_bits::masksOfCellCharacters(cells);
  }
  MREZOVNIK_PATH_INLINE static int count(uint64_t bits) { return cell_bits::countBits(bits); }
  /// The candidate's red cells among the non-white ones, packed, against the input's
  /// `count` colour bits.
  MREZOVNIK_PATH_INLINE uint64_t colourMismatch(uint64_t red, uint64_t nonWhite, uint64_t colours,
                                                int count) const {
    return (cell_bits::extractBits(red, nonWhite, tables) ^ colours) & cell_bits::lowBits(count);
  }
};

/// rowIsAllowed built for the baseline processor. A row with a byte that is no cell
/// character is refused at once.
bool rowIsAllowedPortable(const PackedGrid& input, int32_t i, const char* row) {
  return cell_bits::allCellCharacters(row, input.wordsPerRow() * PackedGrid::WordCells) &&
         rowIsAllowed(input, i, row, PortableWords{});
}

#if MREZOVNIK_AVX2_PATH
/// The word steps of the AVX2 path.
struct Avx2Words {
  [[gnu::target("avx2")]] static cell_bits::CellMasks masks(const char* cells) {
    return cell_bits::masksAvx2(cells);
  }
  [[gnu::target("popcnt")]] static int count(uint64_t bits) { return std::popcount(bits); }
  /// The input's colour bits placed at its non-white cells, against the candidate's red cells
  /// there.
  [[gnu::target("bmi2")]] static uint64_t colourMismatch(uint64_t red, uint64_t nonWhite,
                                                         uint64_t colours, int /*count*/) {
    return _pdep_u64(colours, nonWhite) ^ (red & nonWhite);
  }
};

/// rowIsAllowed built for AVX2.
[[gnu::target("avx2,bmi2,popcnt")]] bool rowIsAllowedAvx2(const PackedGrid& input, int32_t i,
                                                          const char* row) {
  return rowIsAllowed(input, i, row, Avx2Words{});
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
                        CountingPath path) {
  const bool avx2 = path == CountingPath::Avx2 && canRunCountingPath(path);
  static_cast<void>(avx2);
  for (int32_t i = first; i < input.size(); ++i) {
#if MREZOVNIK_AVX2_PATH
    if (avx2) {
      if (!rowIsAllowedAvx2(input, i, candidate.rowData(i))) return i;
      continue;
    }
#endif
    if (!rowIsAllowedPortable(input, i, candidate.rowData(i))) return i;
  }
  return input.size();
}

/// Comparison phase: false, with the message of the first faulty cell in row-major order.
bool compareCells(const PackedGrid& input, const Grid& candidate, std::string& message,
                  CountingPath path) {
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
                         int64_t& nearPairs, CountingPath path) {
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
               int64_t& nearPairs, CountingPath path) {
  return compareCells(testCase.grid, candidate, message, path) &&
         countNeighbourhoods(testCase, candidate, message, nearPairs, path);
}

bool checkGrid(const TestCase& testCase, const Grid& candidate, std::string& message,
               int64_t& nearPairs) {
  return checkGrid(testCase, candidate, message, nearPairs, fastestCountingPath());
}
