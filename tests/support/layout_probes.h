#pragma once

// Where the tests probe a grid row: widths at the boundaries of the row layout, columns in
// every part of a row, and bytes that are no cell character.

#include <cstdint>
#include <set>
#include <vector>

#include "grid/test_case.h"

/// Widths at every boundary of the row layout, and the largest.
inline constexpr int32_t LayoutWidths[] = {1,  2,  3,  15,  16,  17,  31,  32,  33,  47,  48,  49,
                                           63, 64, 65, 127, 128, 129, 255, 256, 257, 999, 1000};

/// Bytes that are no cell character: next to the three that are, and at both ends.
inline constexpr char InvalidBytes[] = {'\0', '"', '$', '-', '/', 'Q', 'S', '\x80', '\xff'};

/// Columns on both sides of the first two boundaries between words of 64 cells and of the
/// last, in the middle of each quarter of a row, and at both ends of it.
inline std::vector<int32_t> probeColumns(int32_t n) {
  const int32_t lastWordStart = paddedRowLength(n) - 64;
  std::set<int32_t> columns = {0, 1, n / 2, n - 2, n - 1};
  for (const int32_t start : {64, 128, lastWordStart}) {
    for (const int32_t offset : {-1, 0, 1}) columns.insert(start + offset);
  }
  for (int32_t quarter = 0; quarter < 4; ++quarter) columns.insert(quarter * n / 4 + n / 8);
  std::erase_if(columns, [n](int32_t column) { return column < 0 || column >= n; });
  return {columns.begin(), columns.end()};
}
