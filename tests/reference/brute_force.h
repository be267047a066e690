#pragma once

// The rules of the grid check written out the slow, obvious way, cell by cell, to compare the
// evaluator with. Grids are plain rows of text here, so nothing of the evaluator's layout is
// shared.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "tests/reference/fault_wording.h"
#include "tests/reference/grid_rows.h"

/// One black cell of a candidate grid and the cells within distance d of it.
struct BlackCell {
  int32_t row = 0;
  int32_t column = 0;
  /// White cells in its neighbourhood.
  int32_t whites = 0;
  /// Other black cells in its neighbourhood.
  int32_t blacks = 0;
};

/// The comparison message of the first faulty cell in row-major order, or "".
inline std::string comparisonFault(const Rows& input, const Rows& candidate) {
  const int32_t n = sideOf(input);
  for (int32_t i = 0; i < n; ++i) {
    for (int32_t j = 0; j < n; ++j) {
      std::string fault = cellFault(i, j, input[i][j], candidate[i][j]);
      if (!fault.empty()) return fault;
    }
  }
  return {};
}

/// The black cells of `grid` in row-major order, each counted over its square of side 2d+1
/// clipped at the grid's edges, less its centre.
inline std::vector<BlackCell> blackCells(const Rows& grid, int32_t d) {
  const int32_t n = sideOf(grid);
  std::vector<BlackCell> cells;
  for (int32_t i = 0; i < n; ++i) {
    for (int32_t j = 0; j < n; ++j) {
      if (grid[i][j] != BlackChar) continue;
      BlackCell cell{i, j, 0, -1};
      for (int32_t y = std::max(0, i - d); y <= std::min(n - 1, i + d); ++y) {
        const char* row = grid[y].data();
        for (int32_t x = std::max(0, j - d); x <= std::min(n - 1, j + d); ++x) {
          cell.whites += row[x] == WhiteChar;
          cell.blacks += row[x] == BlackChar;
        }
      }
      cells.push_back(cell);
    }
  }
  return cells;
}

/// What the counting phase finds over a grid's black cells.
struct Counting {
  /// Which threshold a black cell breaks, if any.
  enum class Fault { None, TooFewWhite, TooManyBlack };
  /// The first broken threshold: b anywhere before c.
  Fault fault = Fault::None;
  /// The fault's message, when there is one.
  std::string message;
  /// The number of pairs of black cells within distance d, when there is no fault.
  int64_t nearPairs = 0;
};

/// The counting phase: the first black cell with fewer than b whites, else the first with
/// more than c blacks, else the near-pair count.
inline Counting countBlackCells(const std::vector<BlackCell>& cells, int32_t b, int32_t c) {
  for (const BlackCell& cell : cells) {
    if (cell.whites < b) {
      return {Counting::Fault::TooFewWhite,
              tooFewWhiteMessage(cell.row, cell.column, cell.whites, b), 0};
    }
  }
  int64_t sum = 0;
  for (const BlackCell& cell : cells) {
    if (cell.blacks > c) {
      return {Counting::Fault::TooManyBlack,
              tooManyBlackMessage(cell.row, cell.column, cell.blacks, c), 0};
    }
    sum += cell.blacks;
  }
  return {Counting::Fault::None, {}, sum / 2};
}

/// The counting phase's verdict as text: its fault's message, or "ok <near-pair count>".
inline std::string countingVerdict(const std::vector<BlackCell>& cells, int32_t b, int32_t c) {
  Counting counting = countBlackCells(cells, b, c);
  if (counting.fault != Counting::Fault::None) return std::move(counting.message);
  return "ok " + std::to_string(counting.nearPairs);
}

/// What checkGrid must say: a message, or "ok <near-pair count>".
inline std::string bruteForceVerdict(const Rows& input, const Rows& candidate, int32_t d, int32_t b,
                                     int32_t c) {
  std::string fault = comparisonFault(input, candidate);
  return fault.empty() ? countingVerdict(blackCells(candidate, d), b, c) : fault;
}

/// The least white count and the greatest black count over some black cells.
struct Extremes {
  /// The least white count; the largest int32_t when there is no black cell.
  int32_t leastWhites = std::numeric_limits<int32_t>::max();
  /// The greatest black count; 0 when there is no black cell.
  int32_t mostBlacks = 0;
};

/// The extremes of the counts of `cells`.
inline Extremes extremesOf(const std::vector<BlackCell>& cells) {
  Extremes extremes;
  for (const BlackCell& cell : cells) {
    extremes.leastWhites = std::min(extremes.leastWhites, cell.whites);
    extremes.mostBlacks = std::max(extremes.mostBlacks, cell.blacks);
  }
  return extremes;
}

/// Thresholds (b, c) at the edge of passing: b the least white count of the black cells and
/// c the largest black count, each also one past it (b + 1, c - 1), all within the legal
/// range 1 to (2d+1)^2 - 1. Without black cells: the strictest legal pair.
inline std::vector<std::pair<int32_t, int32_t>> edgeThresholds(const std::vector<BlackCell>& cells,
                                                               int32_t d) {
  const int32_t full = (2 * d + 1) * (2 * d + 1) - 1;
  if (cells.empty()) return {{full, 1}};
  const Extremes extremes = extremesOf(cells);
  // The values of one threshold to try: the edge and one past it, else the least legal one.
  auto tries = [&](int32_t edge, int32_t past) {
    std::vector<int32_t> values;
    for (const int32_t value : {edge, past}) {
      if (value >= 1 && value <= full) values.push_back(value);
    }
    if (values.empty()) values.push_back(1);
    return values;
  };
  std::vector<std::pair<int32_t, int32_t>> pairs;
  for (const int32_t b : tries(extremes.leastWhites, extremes.leastWhites + 1)) {
    for (const int32_t c : tries(extremes.mostBlacks, extremes.mostBlacks - 1)) {
      pairs.emplace_back(b, c);
    }
  }
  return pairs;
}

/// The name of the comparison rule that a candidate cell breaks, or "" when it passes.
inline std::string comparisonKind(char in, char out) {
  if (out != RedChar && out != BlackChar && out != WhiteChar) return "invalidCell";
  if (in == RedChar && out != RedChar) return "redChanged";
  if (in == BlackChar && out != BlackChar) return "blackChanged";
  if (in == WhiteChar && out == RedChar) return "whiteToRed";
  return {};
}

/// Every fault of a candidate as "<kind>: <message>": the comparison faults in row-major
/// order, then every black cell with fewer than b whites, then every one with more than c
/// blacks, each counted on the candidate as it stands.
inline std::vector<std::string> bruteForceFaults(const Rows& input, const Rows& candidate,
                                                 int32_t d, int32_t b, int32_t c) {
  std::vector<std::string> faults;
  const int32_t n = sideOf(input);
  for (int32_t i = 0; i < n; ++i) {
    for (int32_t j = 0; j < n; ++j) {
      const std::string kind = comparisonKind(input[i][j], candidate[i][j]);
      if (!kind.empty())
        faults.push_back(kind + ": " + cellFault(i, j, input[i][j], candidate[i][j]));
    }
  }
  const std::vector<BlackCell> cells = blackCells(candidate, d);
  for (const BlackCell& cell : cells) {
    if (cell.whites >= b) continue;
    faults.push_back("tooFewWhite: " + tooFewWhiteMessage(cell.row, cell.column, cell.whites, b));
  }
  for (const BlackCell& cell : cells) {
    if (cell.blacks <= c) continue;
    faults.push_back("tooManyBlack: " + tooManyBlackMessage(cell.row, cell.column, cell.blacks, c));
  }
  return faults;
}
