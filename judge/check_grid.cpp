#include "judge/check_grid.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "textio/message.h"

namespace {

constexpr char Red = 'R';
constexpr char Black = '#';
constexpr char White = '.';

/// A byte mask: 0xff where the condition holds, 0 where it does not. Written with masks,
/// the per-cell tests below compile to branch-free vector code.
inline uint8_t byteMask(bool condition) {
  return static_cast<uint8_t>(-static_cast<int>(condition));
}

/// 0xff when a candidate character may stand where the input cell has `code`: red stays
/// red, black stays black, white stays white or turns black; 0 otherwise.
inline uint8_t allowedMask(uint8_t code, char out) {
  const uint8_t isBlack = byteMask(out == Black);
  return (byteMask(code == PackedGrid::RedCode) & byteMask(out == Red)) |
         (byteMask(code == PackedGrid::BlackCode) & isBlack) |
         (byteMask(code == PackedGrid::WhiteCode) & (byteMask(out == White) | isBlack));
}

/// Whether every cell of a padded candidate row is allowed by the input row's codes: byte t
/// of the codes holds the cells t, S + t, 2S + t and 3S + t (S being `runLength`).
bool rowIsAllowed(const uint8_t* codes, const char* candidate, int32_t runLength) {
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

/// Comparison phase: false, with the message of the first faulty cell in row-major order.
bool compareCells(const PackedGrid& input, const Grid& candidate, std::string& message) {
  const int32_t n = input.size();
  for (int32_t i = 0; i < n; ++i) {
    if (rowIsAllowed(input.rowCodes(i), candidate.rowData(i), input.rowBytes())) continue;
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

/// A black cell whose neighbourhood breaks a threshold.
struct ThresholdFault {
  int32_t row = -1;
  int32_t column = -1;
  int32_t count = 0;
};

/// Counting phase, as one row-major sweep. For the rows within distance d of the current
/// row it keeps, per column, the number of white and of black cells, then sums them along
/// the row into prefix sums with d + 1 zeros in front, so that every window is one
/// subtraction; windows that reach past the right edge take the row's total instead. Each
/// cell costs the same whatever d is, and memory is four arrays of at most 2n counts.
class NeighbourhoodSweep {
 public:
  NeighbourhoodSweep(const TestCase& testCase, const Grid& candidate)
      : grid_(candidate),
        n_(testCase.n),
        reach_(std::min(testCase.d, testCase.n - 1)),
        b_(testCase.b),
        c_(testCase.c),
        columnWhite_(n_, 0),
        columnBlack_(n_, 0),
        prefixWhite_(static_cast<std::size_t>(n_) + reach_ + 1, 0),
        prefixBlack_(static_cast<std::size_t>(n_) + reach_ + 1, 0) {}

  /// Runs the sweep; false, with the message of the first threshold fault, when one fails.
  bool run(std::string& message, int64_t& nearPairs) {
    for (int32_t i = 0; i <= reach_; ++i) updateColumns(nullptr, grid_.rowData(i));
    int64_t blackCountSum = 0;
    ThresholdFault firstBlackFault;
    for (int32_t i = 0; i < n_; ++i) {
      if (i > 0) moveWindowTo(i);
      fillPrefixSums();
      const RowTotals totals = scanRow(i);
      if (totals.whiteFault) {
        message = whiteFaultMessage(findWhiteFault(i));
        return false;
      }
      if (totals.blackFault && firstBlackFault.row < 0) firstBlackFault = findBlackFault(i);
      blackCountSum += totals.blackCountSum;
    }
    if (firstBlackFault.row >= 0) {
      message = blackFaultMessage(firstBlackFault);
      return false;
    }
    nearPairs = blackCountSum / 2;
    return true;
  }

 private:
  /// What one row of the sweep found.
  struct RowTotals {
    bool whiteFault = false;
    bool blackFault = false;
    uint32_t blackCountSum = 0;
  };

  // The loops below copy the row length, the thresholds and the arrays into locals: a
  // store through an `int32_t*` may alias the members, which would keep them from
  // vectorising.

  /// Takes row `removed` out of the column counts and puts row `added` in; either may be
  /// null.
  void updateColumns(const char* removed, const char* added) {
    int32_t* white = columnWhite_.data();
    int32_t* black = columnBlack_.data();
    const int32_t n = n_;
    if (removed != nullptr && added != nullptr) {
      for (int32_t j = 0; j < n; ++j) {
        white[j] += (added[j] == White) - (removed[j] == White);
        black[j] += (added[j] == Black) - (removed[j] == Black);
      }
    } else if (added != nullptr) {
      for (int32_t j = 0; j < n; ++j) {
        white[j] += added[j] == White;
        black[j] += added[j] == Black;
      }
    } else if (removed != nullptr) {
      for (int32_t j = 0; j < n; ++j) {
        white[j] -= removed[j] == White;
        black[j] -= removed[j] == Black;
      }
    }
  }

  /// Makes the column counts cover the rows within distance d of row i, from row i - 1.
  void moveWindowTo(int32_t i) {
    const char* removed = i - reach_ - 1 >= 0 ? grid_.rowData(i - reach_ - 1) : nullptr;
    const char* added = i + reach_ < n_ ? grid_.rowData(i + reach_) : nullptr;
    updateColumns(removed, added);
  }

  /// Entry reach_ + 1 + k holds the counts of columns 0 to k; the entries before hold 0.
  void fillPrefixSums() {
    const int32_t* columnWhite = columnWhite_.data();
    const int32_t* columnBlack = columnBlack_.data();
    int32_t* white = prefixWhite_.data() + reach_ + 1;
    int32_t* black = prefixBlack_.data() + reach_ + 1;
    int32_t runningWhite = 0;
    int32_t runningBlack = 0;
    for (int32_t k = 0, n = n_; k < n; ++k) {
      runningWhite += columnWhite[k];
      runningBlack += columnBlack[k];
      white[k] = runningWhite;
      black[k] = runningBlack;
    }
  }

  /// Whites in the window around column j (its black centre is not one of them).
  int32_t whiteCount(int32_t j) const {
    return prefixWhite_[std::min(j + 2 * reach_ + 1, n_ + reach_)] - prefixWhite_[j];
  }

  /// Blacks in the window around column j, less its black centre.
  int32_t blackCount(int32_t j) const {
    return prefixBlack_[std::min(j + 2 * reach_ + 1, n_ + reach_)] - prefixBlack_[j] - 1;
  }

  /// Tests the thresholds of every black cell of row i and sums their black counts.
  RowTotals scanRow(int32_t i) const {
    const char* row = grid_.rowData(i);
    const int32_t* white = prefixWhite_.data();
    const int32_t* black = prefixBlack_.data();
    const int32_t reachWidth = 2 * reach_ + 1;
    const int32_t rightEdge = n_ - reach_;
    RowTotals totals;
    // Columns whose window ends inside the row, then those whose window reaches its end.
    scanColumns<false>(row, white + reachWidth, black + reachWidth, 0, rightEdge, totals);
    scanColumns<true>(row, white + n_ + reach_, black + n_ + reach_, rightEdge, n_, totals);
    return totals;
  }

  /// The threshold test over columns [first, last) of one row. A window's counts are
  /// `end[j] - start[j]`, or `end[0] - start[j]` where the windows all end at the row's end.
  template <bool WindowEndFixed>
  void scanColumns(const char* row, const int32_t* whiteEnd, const int32_t* blackEnd, int32_t first,
                   int32_t last, RowTotals& totals) const {
    const int32_t* whiteStart = prefixWhite_.data();
    const int32_t* blackStart = prefixBlack_.data();
    const int32_t b = b_;
    const int32_t c = c_;
    int32_t whiteFault = 0;
    int32_t blackFault = 0;
    uint32_t blackCountSum = 0;
    for (int32_t j = first; j < last; ++j) {
      const int32_t isBlack = -static_cast<int32_t>(row[j] == Black);
      const int32_t whites = whiteEnd[WindowEndFixed ? 0 : j] - whiteStart[j];
      const int32_t blacks = blackEnd[WindowEndFixed ? 0 : j] - blackStart[j] - 1;
      whiteFault |= isBlack & -static_cast<int32_t>(whites < b);
      blackFault |= isBlack & -static_cast<int32_t>(blacks > c);
      blackCountSum += static_cast<uint32_t>(isBlack & blacks);
    }
    totals.whiteFault |= whiteFault != 0;
    totals.blackFault |= blackFault != 0;
    totals.blackCountSum += blackCountSum;
  }

  /// The first black cell of row i with fewer than b white neighbours.
  ThresholdFault findWhiteFault(int32_t i) const {
    const char* row = grid_.rowData(i);
    int32_t j = 0;
    while (!(row[j] == Black && whiteCount(j) < b_)) ++j;
    return {i, j, whiteCount(j)};
  }

  /// The first black cell of row i with more than c black neighbours.
  ThresholdFault findBlackFault(int32_t i) const {
    const char* row = grid_.rowData(i);
    int32_t j = 0;
    while (!(row[j] == Black && blackCount(j) > c_)) ++j;
    return {i, j, blackCount(j)};
  }

  std::string whiteFaultMessage(const ThresholdFault& fault) const {
    return composeMessage(fault.column + 1, ". polje v ", fault.row + 1,
                          ". vrstici je crno in ima ", fault.count,
                          " bliznjih belih polj, kar je manj kot b = ", b_);
  }

  std::string blackFaultMessage(const ThresholdFault& fault) const {
    return composeMessage(fault.column + 1, ". polje v ", fault.row + 1,
                          ". vrstici je crno in ima ", fault.count,
                          " bliznjih crnih polj, kar je vec kot c = ", c_);
  }

  const Grid& grid_;
  const int32_t n_;
  /// d, or n - 1 where d reaches past the grid: the same windows either way.
  const int32_t reach_;
  const int32_t b_;
  const int32_t c_;
  std::vector<int32_t> columnWhite_;
  std::vector<int32_t> columnBlack_;
  std::vector<int32_t> prefixWhite_;
  std::vector<int32_t> prefixBlack_;
};

/// Counting phase.
bool countNeighbourhoods(const TestCase& testCase, const Grid& candidate, std::string& message,
                         int64_t& nearPairs) {
  return NeighbourhoodSweep(testCase, candidate).run(message, nearPairs);
}

}  // namespace

bool checkGrid(const TestCase& testCase, const Grid& candidate, std::string& message,
               int64_t& nearPairs) {
  return compareCells(testCase.grid, candidate, message) &&
         countNeighbourhoods(testCase, candidate, message, nearPairs);
}
