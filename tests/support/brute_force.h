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

/// A grid as rows of cell characters.
using Rows = std::vector<std::string>;

/// One black cell of a candidate grid and the cells within distance d of it.
struct BlackCell {
  int32_t row = 0;
  int32_t column = 0;
  /// White cells in its neighbourhood.
  int32_t whites = 0;
  /// Other black cells in its neighbourhood.
  int32_t blacks = 0;
};

/// "<column>. polje v <row>. vrstici je " for the cell at 0-based (row, column).
inline std::string cellPlace(int32_t row, int32_t column) {
  return std::to_string(column + 1) + ". polje v " + std::to_string(row + 1) + ". vrstici je ";
}

/// The comparison message for one cell, or "" when the cell passes.
inline std::string cellFault(int32_t row, int32_t column, char in, char out) {
  auto word = [](char cell) { return cell == '.' ? "belo" : cell == '#' ? "crno" : "rdece"; };
  if (out != 'R' && out != '#' && out != '.') {
    return cellPlace(row, column) + "neveljaven znak (koda " +
           std::to_string(static_cast<unsigned char>(out)) + "), ki ni niti R niti # niti pika";
  }
  if ((in == 'R' || in == '#') && out != in) {
    return cellPlace(row, column) + "v vhodni mrezi " + word(in) + ", v izhodni pa " + word(out);
  }
  if (in == '.' && out == 'R') {
    return cellPlace(row, column) + "v vhodni mrezi belo, v izhodni pa rdece";
  }
  return {};
}

/// The comparison message of the first faulty cell in row-major order, or "".
inline std::string comparisonFault(const Rows& input, const Rows& candidate) {
  const auto n = static_cast<int32_t>(input.size());
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
  const auto n = static_cast<int32_t>(grid.size());
  std::vector<BlackCell> cells;
  for (int32_t i = 0; i < n; ++i) {
    for (int32_t j = 0; j < n; ++j) {
      if (grid[i][j] != '#') continue;
      BlackCell cell{i, j, 0, -1};
      for (int32_t y = std::max(0, i - d); y <= std::min(n - 1, i + d); ++y) {
        const char* row = grid[y].data();
        for (int32_t x = std::max(0, j - d); x <= std::min(n - 1, j + d); ++x) {
          cell.whites += row[x] == '.';
          cell.blacks += row[x] == '#';
        }
      }
      cells.push_back(cell);
    }
  }
  return cells;
}

/// The counting phase's verdict: the first black cell with fewer than b whites, else the
/// first with more than c blacks, else "ok <near-pair count>".
inline std::string countingVerdict(const std::vector<BlackCell>& cells, int32_t b, int32_t c) {
  for (const BlackCell& cell : cells) {
    if (cell.whites < b) {
      return cellPlace(cell.row, cell.column) + "crno in ima " + std::to_string(cell.whites) +
             " bliznjih belih polj, kar je manj kot b = " + std::to_string(b);
    }
  }
  int64_t sum = 0;
  for (const BlackCell& cell : cells) {
    if (cell.blacks > c) {
      return cellPlace(cell.row, cell.column) + "crno in ima " + std::to_string(cell.blacks) +
             " bliznjih crnih polj, kar je vec kot c = " + std::to_string(c);
    }
    sum += cell.blacks;
  }
  return "ok " + std::to_string(sum / 2);
}

/// What checkGrid must say: a message, or "ok <near-pair count>".
inline std::string bruteForceVerdict(const Rows& input, const Rows& candidate, int32_t d, int32_t b,
                                     int32_t c) {
  std::string fault = comparisonFault(input, candidate);
  return fault.empty() ? countingVerdict(blackCells(candidate, d), b, c) : fault;
}

/// Thresholds (b, c) at the edge of passing: b the least white count of the black cells and
/// c the largest black count, each also one past it (b + 1, c - 1), all within the legal
/// range 1 to (2d+1)^2 - 1. Without black cells: the strictest legal pair.
inline std::vector<std::pair<int32_t, int32_t>> edgeThresholds(const std::vector<BlackCell>& cells,
                                                               int32_t d) {
  const int32_t full = (2 * d + 1) * (2 * d + 1) - 1;
  if (cells.empty()) return {{full, 1}};
  int32_t leastWhites = std::numeric_limits<int32_t>::max();
  int32_t mostBlacks = 0;
  for (const BlackCell& cell : cells) {
    leastWhites = std::min(leastWhites, cell.whites);
    mostBlacks = std::max(mostBlacks, cell.blacks);
  }
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
  for (const int32_t b : tries(leastWhites, leastWhites + 1)) {
    for (const int32_t c : tries(mostBlacks, mostBlacks - 1)) pairs.emplace_back(b, c);
  }
  return pairs;
}

/// The name of the comparison rule that a candidate cell breaks, or "" when it passes.
inline std::string comparisonKind(char in, char out) {
  if (out != 'R' && out != '#' && out != '.') return "invalidCell";
  if (in == 'R' && out != 'R') return "redChanged";
  if (in == '#' && out != '#') return "blackChanged";
  if (in == '.' && out == 'R') return "whiteToRed";
  return {};
}

/// Every fault of a candidate as "<kind>: <message>": the comparison faults in row-major
/// order, then every black cell with fewer than b whites, then every one with more than c
/// blacks, each counted on the candidate as it stands.
inline std::vector<std::string> bruteForceFaults(const Rows& input, const Rows& candidate,
                                                 int32_t d, int32_t b, int32_t c) {
  std::vector<std::string> faults;
  const auto n = static_cast<int32_t>(input.size());
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
    faults.push_back("tooFewWhite: " + cellPlace(cell.row, cell.column) + "crno in ima " +
                     std::to_string(cell.whites) +
                     " bliznjih belih polj, kar je manj kot b = " + std::to_string(b));
  }
  for (const BlackCell& cell : cells) {
    if (cell.blacks <= c) continue;
    faults.push_back("tooManyBlack: " + cellPlace(cell.row, cell.column) + "crno in ima " +
                     std::to_string(cell.blacks) +
                     " bliznjih crnih polj, kar je vec kot c = " + std::to_string(c));
  }
  return faults;
}
