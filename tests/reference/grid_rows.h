#pragma once

// The reference's grids: plain rows of cell characters, so that nothing of the evaluator's
// layout is shared with the code that it checks.

#include <cstdint>
#include <string>
#include <vector>

/// A grid as rows of cell characters.
using Rows = std::vector<std::string>;

/// A red cell, which no answer may change.
inline constexpr char RedChar = 'R';
/// A black cell.
inline constexpr char BlackChar = '#';
/// A white cell, which an answer may paint black.
inline constexpr char WhiteChar = '.';

/// An n by n grid of white cells.
inline Rows whiteRows(int32_t n) {
  return Rows(static_cast<std::size_t>(n), std::string(static_cast<std::size_t>(n), WhiteChar));
}

/// The number of rows of a grid, which is also its number of columns.
inline int32_t sideOf(const Rows& grid) { return static_cast<int32_t>(grid.size()); }
