#include "judge/check_grid.h"

#include <string>

#include "textio/message.h"

namespace {

constexpr char Red = 'R';
constexpr char Black = '#';
constexpr char White = '.';

/// A byte mask: 0xff where the condition holds, 0 where it does not. Written with masks,
/// the per-cell tests below compile to branch-free vector code.
MREZOVNIK_PATH_INLINE uint8_t byteMask(bool condition) {
  return static_cast<uint8_t>(-static_cast<int>(condition));
}

/// 0xff when a candidate character may stand where the input cell has `code`: red stays
/// red, black stays black, white stays white or turns black; 0 otherwise.
MREZOVNIK_PATH_INLINE uint8_t allowedMask(uint8_t code, char out) {
  const uint8_t isBlack = byteMask(out == Black);
  return (byteMask(code == PackedGrid::RedCode) & byteMask(out == Red)) |
         (byteMask(code == PackedGrid::BlackCode) & isBlack) |
         (byteMask(code == PackedGrid::WhiteCode) & (byteMask(out == White) | isBlack));
}

/// Whether every cell of a padded candidate row is allowed by the input row's codes: byte t
/// of the codes holds the cells t, S + t, 2S + t and 3S + t (S being `runLength`).
MREZOVNIK_PATH_INLINE bool rowIsAllowed(const uint8_t* codes, const char* candidate,
                                        int32_t runLength) {
  const char* run1 = candidate + runLength;
  const char* run2 = run1 + runLength;
  const char* run3 = run2 + runLength;
  uint8_t allowed = 0xff;
  for (int32_t t = 0; t < runLength; ++t) {
    const uint8_t packed = codes[t];
    allowed &= allowedMask(packed & 3, candidate[t]) & allowedMask((packed >> 2) & 3, run1[t]) &
               allowedMask((packed >> 4) & 3, run2[t]) & allowedMask(packed >> 6, run3[t]);
  }
  return allowed == 0xff;
}

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

/// The first row from row `first` on that holds a cell the input row refuses, or n.
MREZOVNIK_PATH_INLINE int32_t firstRefusedRow(const PackedGrid& input, const Grid& candidate,
                                              int32_t first) {
  const int32_t n = input.size();
  int32_t i = first;
  while (i < n && rowIsAllowed(input.rowCodes(i), candidate.rowData(i), input.rowBytes())) ++i;
  return i;
}

/// firstRefusedRow built for the baseline processor.
int32_t firstRefusedRowPortable(const PackedGrid& input, const Grid& candidate, int32_t first) {
  return firstRefusedRow(input, candidate, first);
}

#if MREZOVNIK_AVX2_PATH
/// firstRefusedRow built for AVX2.
[[gnu::target("avx2")]] int32_t firstRefusedRowAvx2(const PackedGrid& input, const Grid& candidate,
                                                    int32_t first) {
  return firstRefusedRow(input, candidate, first);
}
#endif

/// firstRefusedRow on the given path.
int32_t firstRefusedRow(const PackedGrid& input, const Grid& candidate, int32_t first,
                        CountingPath path) {
#if MREZOVNIK_AVX2_PATH
  if (path == CountingPath::Avx2 && canRunCountingPath(path)) {
    return firstRefusedRowAvx2(input, candidate, first);
  }
#endif
  static_cast<void>(path);
  return firstRefusedRowPortable(input, candidate, first);
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
