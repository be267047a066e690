#pragma once

// The counting sweep's scan of one row: every black cell's thresholds tested and its black
// count summed, without a branch per cell.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "codepath/code_path.h"
#include "grid/cells.h"
#include "judge/sweep_counts.h"
#include "textio/find_byte.h"

namespace sweep_kernels {

/// What the scan of one row found.
struct RowTotals {
  bool whiteFault = false;
  bool blackFault = false;
  uint32_t blackCountSum = 0;
};

/// The threshold test over columns [first, last) of one row. The window of column j runs
/// from prefix entry j to entry `end + j`, or to entry `end` where the windows all end at
/// the row's end.
template <bool WindowEndFixed, class View>
MREZOVNIK_PATH_INLINE void scanColumns(const char* row, View view, int32_t end, int32_t first,
                                       int32_t last, const SweepShape& shape, RowTotals& totals) {
  const int32_t b = shape.b;
  const int32_t c = shape.c;
  // The fault masks are summed, not or-ed: one compiler turns an or of masks into a select
  // that it does not vectorise. A sum of at most 1000 masks of all ones is never 0.
  uint32_t whiteFault = 0;
  uint32_t blackFault = 0;
  uint32_t blackCountSum = 0;
  for (int32_t j = first; j < last; ++j) {
    const int32_t windowEnd = WindowEndFixed ? end : end + j;
    const int32_t isBlack = -static_cast<int32_t>(row[j] == BlackCell);
    const int32_t whites = view.whites(windowEnd, j);
    const int32_t blacks = view.blacks(windowEnd, j) - 1;
    whiteFault += static_cast<uint32_t>(isBlack & -static_cast<int32_t>(whites < b));
    blackFault += static_cast<uint32_t>(isBlack & -static_cast<int32_t>(blacks > c));
    blackCountSum += static_cast<uint32_t>(isBlack & blacks);
  }
  totals.whiteFault |= whiteFault != 0;
  totals.blackFault |= blackFault != 0;
  totals.blackCountSum += blackCountSum;
}

/// Tests the thresholds of every black cell of a row and sums their black counts.
template <class View>
MREZOVNIK_PATH_INLINE RowTotals scanRow(const char* row, View view, const SweepShape& shape) {
  const int32_t n = shape.n;
  const int32_t reach = shape.reach;
  const int32_t rightEdge = n - reach;
  RowTotals totals;
  // Columns whose window ends inside the row, then those whose window reaches its end.
  scanColumns<false>(row, view, 2 * reach + 1, 0, rightEdge, shape, totals);
  scanColumns<true>(row, view, n + reach, rightEdge, n, shape, totals);
  return totals;
}

/// Whether a row holds a black cell; a row without one needs no scan.
MREZOVNIK_PATH_INLINE bool hasBlack(const char* row, int32_t n) {
  return findByte(row, BlackCell, static_cast<std::size_t>(n)) != nullptr;
}

}  // namespace sweep_kernels
