#include "judge/check_grid.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "textio/message.h"

namespace {

constexpr char Red = 'R';
constexpr char Black = '#';
constexpr char White = '.';

/// The colour word that the messages use for a cell character.
const char* colourWord(char cell) {
  return cell == White ? "belo" : cell == Black ? "crno" : "rdece";
}

/// A byte mask: 0xff where the condition holds, 0 where it does not. Written as masks, the
/// per-cell tests below compile to branch-free vector code.
inline uint8_t byteMask(bool condition) { return static_cast<uint8_t>(-static_cast<int>(condition)); }

/// Whether every cell of a candidate row is a cell character that the input row allows.
bool rowIsAllowed(const char* input, const char* candidate, int32_t n) {
  uint8_t refused = 0;
  for (int32_t j = 0; j < n; ++j) {
    const char in = input[j];
    const char out = candidate[j];
    const uint8_t isBlack = byteMask(out == Black);
    const uint8_t isCell = byteMask(out == Red) | isBlack | byteMask(out == White);
    const uint8_t painted = byteMask(in == White) & isBlack;
    refused |= static_cast<uint8_t>(~((byteMask(in == out) & isCell) | painted));
  }
  return refused == 0;
}

/// The comparison message for a cell that breaks a rule, or "" when the cell passes.
std::string cellFault(int32_t row, int32_t column, char in, char out) {
  const auto place = [&] { return composeMessage(column + 1, ". polje v ", row + 1, ". vrstici je "); };
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
bool compareCells(const Grid& input, const Grid& candidate, std::string& message) {
  const int32_t n = input.size();
  for (int32_t i = 0; i < n; ++i) {
    if (rowIsAllowed(input.rowData(i), candidate.rowData(i), n)) continue;
    for (int32_t j = 0;; ++j) {
      std::string fault = cellFault(i, j, input.rowData(i)[j], candidate.rowData(i)[j]);
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

/// Counting phase, as one row-major sweep: the column counts of white and black cells in
/// the rows within distance d of the current row, and their prefix sums along the row,
/// padded on both sides so that every window is one subtraction. Each cell costs the same
/// whatever d is, and memory is a few arrays of about 3n counts.
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
        prefixWhite_(paddedSize(), 0),
        prefixBlack_(paddedSize(), 0) {}

  /// Runs the sweep; false, with the message of the first threshold fault, when one fails.
  bool run(std::string& message, int64_t& nearPairs) {
    for (int32_t i = 0; i <= reach_; ++i) addRow(i, 1);
    int64_t blackCountSum = 0;
    ThresholdFault firstBlackFault;
    for (int32_t i = 0; i < n_; ++i) {
      if (i > 0) moveWindowTo(i);
      fillPrefixSums();
      RowTotals totals = scanRow(i);
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

  /// Room for the prefix sums and for reach_ + 1 entries of padding on each side.
  std::size_t paddedSize() const { return static_cast<std::size_t>(n_) + 2 * reach_ + 1; }

  /// Adds (sign 1) or removes (sign -1) row i's cells to or from the column counts.
  void addRow(int32_t i, int32_t sign) {
    const char* row = grid_.rowData(i);
    for (int32_t j = 0; j < n_; ++j) {
      columnWhite_[j] += sign * (row[j] == White);
      columnBlack_[j] += sign * (row[j] == Black);
    }
  }

  /// Makes the column counts cover the rows within distance d of row i, from row i - 1.
  void moveWindowTo(int32_t i) {
    if (i + reach_ < n_) addRow(i + reach_, 1);
    if (i - reach_ - 1 >= 0) addRow(i - reach_ - 1, -1);
  }

  /// Entry reach_ + 1 + k holds the counts of columns 0 to k; entries before hold 0 and
  /// entries after hold the whole row's counts.
  void fillPrefixSums() {
    const std::size_t offset = reach_ + 1;
    int32_t white = 0;
    int32_t black = 0;
    for (int32_t k = 0; k < n_; ++k) {
      white += columnWhite_[k];
      black += columnBlack_[k];
      prefixWhite_[offset + k] = white;
      prefixBlack_[offset + k] = black;
    }
    std::fill(prefixWhite_.begin() + offset + n_, prefixWhite_.end(), white);
    std::fill(prefixBlack_.begin() + offset + n_, prefixBlack_.end(), black);
  }

  /// White cells in the window of column j (the centre, being black, is not one).
  int32_t whiteCount(int32_t j) const {
    return prefixWhite_[j + 2 * reach_ + 1] - prefixWhite_[j];
  }

  /// Black cells in the window of column j, less the black centre.
  int32_t blackCount(int32_t j) const {
    return prefixBlack_[j + 2 * reach_ + 1] - prefixBlack_[j] - 1;
  }

  /// Tests the thresholds of every black cell of row i and sums their black counts.
  RowTotals scanRow(int32_t i) const {
    const char* row = grid_.rowData(i);
    const int32_t* whiteHigh = prefixWhite_.data() + 2 * reach_ + 1;
    const int32_t* blackHigh = prefixBlack_.data() + 2 * reach_ + 1;
    const int32_t* whiteLow = prefixWhite_.data();
    const int32_t* blackLow = prefixBlack_.data();
    int32_t whiteFault = 0;
    int32_t blackFault = 0;
    uint32_t blackCountSum = 0;
    for (int32_t j = 0; j < n_; ++j) {
      const int32_t isBlack = -static_cast<int32_t>(row[j] == Black);
      const int32_t white = whiteHigh[j] - whiteLow[j];
      const int32_t blacks = blackHigh[j] - blackLow[j] - 1;
      whiteFault |= isBlack & -static_cast<int32_t>(white < b_);
      blackFault |= isBlack & -static_cast<int32_t>(blacks > c_);
      blackCountSum += static_cast<uint32_t>(isBlack & blacks);
    }
    return {whiteFault != 0, blackFault != 0, blackCountSum};
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
    return composeMessage(fault.column + 1, ". polje v ", fault.row + 1, ". vrstici je crno in ima ",
                          fault.count, " bliznjih belih polj, kar je manj kot b = ", b_);
  }

  std::string blackFaultMessage(const ThresholdFault& fault) const {
    return composeMessage(fault.column + 1, ". polje v ", fault.row + 1, ". vrstici je crno in ima ",
                          fault.count, " bliznjih crnih polj, kar je vec kot c = ", c_);
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

}  // namespace

bool checkGrid(const TestCase& testCase, const Grid& candidate, std::string& message,
               int64_t& nearPairs) {
  if (!compareCells(testCase.grid, candidate, message)) return false;
  NeighbourhoodSweep sweep(testCase, candidate);
  return sweep.run(message, nearPairs);
}
