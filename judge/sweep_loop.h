#pragma once

// The counting sweep itself: the rows in order, two at a time, their column counts moved and
// summed, each row scanned, and the rows with a fault handed to a fault policy.

#include <cstdint>
#include <vector>

#include "codepath/code_path.h"
#include "grid/grid.h"
#include "judge/sweep_counts.h"
#include "judge/sweep_prefix.h"
#include "judge/sweep_row_scan.h"

namespace sweep_kernels {

/// Scans row i and hands a row with a fault to `faults`; true when the sweep ends there.
template <class Prefix, class Faults>
MREZOVNIK_PATH_INLINE bool scanAndReport(const Grid& grid, int32_t i, const Prefix& prefix,
                                         const SweepShape& shape, Faults& faults,
                                         uint64_t& blackCountSum) {
  const char* row = grid.rowData(i);
  const RowTotals totals = scanRow(row, prefix.view(), shape);
  blackCountSum += totals.blackCountSum;
  if (!totals.whiteFault && !totals.blackFault) return false;
  return faults.takeRow(row, i, prefix.view(), shape, totals);
}

/// The counting phase as one row-major sweep, two rows at a time. For the rows within
/// distance d of a row it keeps, per column, the packed white and black counts, then sums
/// them along the row; two rows' sums run side by side. Counts that no row has entered or
/// left since they were last summed are not summed again. A row without a black cell is not
/// scanned. Rows with a threshold fault go to `faults`, which may end the sweep. Returns the
/// sum of the black counts of the black cells scanned.
template <class Prefix, class Faults>
MREZOVNIK_PATH_INLINE uint64_t sweep(const Grid& grid, const SweepShape& shape, Faults& faults) {
  const int32_t n = shape.n;
  const int32_t reach = shape.reach;
  std::vector<uint32_t> columnCounts(2 * static_cast<std::size_t>(n), 0);
  // Two buffers of column counts, each with the generation of the counts it holds: a new
  // generation each time a row enters or leaves the window.
  uint32_t* const buffers[2] = {columnCounts.data(), columnCounts.data() + n};
  int64_t generations[2] = {0, -1};
  int64_t latest = 0;
  const auto generationOf = [&](const uint32_t* columns) {
    return generations[columns == buffers[0] ? 0 : 1];
  };
  // The counts around row i from those around row i - 1: the same ones when no row enters
  // or leaves the window, else the other buffer, rewritten.
  const auto advance = [&](const uint32_t* from, int32_t i) -> const uint32_t* {
    const char* removed = i - reach - 1 >= 0 ? grid.rowData(i - reach - 1) : nullptr;
    const char* added = i + reach < n ? grid.rowData(i + reach) : nullptr;
    if (removed == nullptr && added == nullptr) return from;
    const int other = from == buffers[0] ? 1 : 0;
    moveColumns(from, buffers[other], removed, added, n);
    generations[other] = ++latest;
    return buffers[other];
  };
  // Two sets of row sums, each with the generation of the counts it sums.
  Prefix sums[2] = {Prefix(shape), Prefix(shape)};
  int64_t summed[2] = {-1, -1};
  const auto slotOf = [&](int64_t generation) {
    return summed[0] == generation ? 0 : summed[1] == generation ? 1 : -1;
  };
  // The sums of the given counts, summed now unless a set holds them; a new sum leaves the
  // set `keep` alone.
  const auto sumsOf = [&](const uint32_t* columns, int keep) -> const Prefix& {
    const int64_t generation = generationOf(columns);
    int slot = slotOf(generation);
    if (slot < 0) {
      slot = keep == 0 ? 1 : 0;
      sums[slot].fill(columns, shape);
      summed[slot] = generation;
    }
    return sums[slot];
  };

  for (int32_t i = 0; i <= reach; ++i)
    moveColumns(buffers[0], buffers[0], nullptr, grid.rowData(i), n);
  // Per column, the counts around row i, and around row i + 1.
  const uint32_t* columns = buffers[0];
  uint64_t blackCountSum = 0;
  for (int32_t i = 0; i < n; i += 2) {
    const bool pair = i + 1 < n;
    const uint32_t* nextColumns = pair ? advance(columns, i + 1) : columns;
    const bool scan = hasBlack(grid.rowData(i), n);
    const bool scanNext = pair && hasBlack(grid.rowData(i + 1), n);
    const int64_t generation = generationOf(columns);
    const int64_t nextGeneration = generationOf(nextColumns);
    if (scan && scanNext && generation != nextGeneration && slotOf(generation) < 0 &&
        slotOf(nextGeneration) < 0) {
      sums[0].fillPair(sums[1], columns, nextColumns, shape);
      summed[0] = generation;
      summed[1] = nextGeneration;
    }
    if (scan && scanAndReport(grid, i, sumsOf(columns, slotOf(nextGeneration)), shape, faults,
                              blackCountSum)) {
      return blackCountSum;
    }
    if (scanNext && scanAndReport(grid, i + 1, sumsOf(nextColumns, slotOf(generation)), shape,
                                  faults, blackCountSum)) {
      return blackCountSum;
    }
    if (i + 2 < n) columns = advance(nextColumns, i + 2);
  }
  return blackCountSum;
}

/// The sweep with the prefix layout that the window's size allows, its row sums made by
/// `Sums`: packed sums where they fit their halves, or where the halves may wrap and every
/// window fits; else sums in blocks.
template <class Sums, class Faults>
MREZOVNIK_PATH_INLINE uint64_t sweepGrid(const Grid& grid, const SweepShape& shape,
                                         Faults& faults) {
  if (shape.rowSumsFitHalves()) return sweep<PackedPrefix<Sums, false>>(grid, shape, faults);
  if constexpr (Sums::HalvesWrap) {
    if (shape.windowsFitHalves()) return sweep<PackedPrefix<Sums, true>>(grid, shape, faults);
  }
  return sweep<SplitPrefix<Sums>>(grid, shape, faults);
}

}  // namespace sweep_kernels
