#pragma once

// The loops of the counting phase, included by neighbourhood_sweep.cpp alone. Every one is
// inlined into each machine-code path's entry there, so that each is built for that path.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "grid/cells.h"
#include "grid/test_case.h"
#include "judge/cell_fault.h"
#include "judge/neighbourhood_sweep.h"

namespace sweep_kernels {

// A pair of counts is packed into one 32-bit word, white in the low half and black in the
// high half, so that one add serves both colours. A column count is at most n <= 1000, so
// it fits a half. A row's prefix sums fit their halves while n times the window's side is
// at most 65535; where a path sums each half on its own, wrapping at 2^16 (Sums::HalvesWrap),
// it is enough that every window's count fits, that is the side squared.
inline constexpr int BlackShift = 16;
inline constexpr uint32_t HalfMask = 0xffff;

/// The packed counts of one cell: a white or a black cell counts 1 in its half.
MREZOVNIK_PATH_INLINE uint32_t cellCounts(char cell) {
  return static_cast<uint32_t>(cell == WhiteCell) | static_cast<uint32_t>(cell == BlackCell)
                                                        << BlackShift;
}

/// The parameters of one sweep.
struct SweepShape {
  int32_t n;
  /// d, or n - 1 where d reaches past the grid: the same windows either way.
  int32_t reach;
  int32_t b;
  int32_t c;

  /// The side of the largest window, clipped to the grid.
  int32_t windowSide() const { return std::min(2 * reach + 1, n); }
  /// Whether a row's packed prefix sums fit their halves.
  bool rowSumsFitHalves() const { return n * windowSide() <= int32_t{HalfMask}; }
  /// Whether every window's packed counts fit their halves.
  bool windowsFitHalves() const { return windowSide() * windowSide() <= int32_t{HalfMask}; }
};

/// What the scan of one row found.
struct RowTotals {
  bool whiteFault = false;
  bool blackFault = false;
  uint32_t blackCountSum = 0;
};

// The loops below take their bounds and arrays as locals: a store through an integer
// pointer may alias a member, which would keep them from vectorising.

/// `to` becomes the packed column counts `from` with row `removed` taken out and row
/// `added` put in; one of them may be null, and `to` may be `from`.
MREZOVNIK_PATH_INLINE void moveColumns(const uint32_t* from, uint32_t* to, const char* removed,
                                       const char* added, int32_t n) {
  if (removed != nullptr && added != nullptr) {
    // Each half changes by -1, 0 or 1; the changes are found on the bytes, then widened.
    for (int32_t j = 0; j < n; ++j) {
      const auto white = static_cast<int8_t>((added[j] == WhiteCell) - (removed[j] == WhiteCell));
      const auto black = static_cast<int8_t>((added[j] == BlackCell) - (removed[j] == BlackCell));
      to[j] = from[j] + static_cast<uint32_t>(white) + (static_cast<uint32_t>(black) << BlackShift);
    }
  } else if (added != nullptr) {
    for (int32_t j = 0; j < n; ++j) to[j] = from[j] + cellCounts(added[j]);
  } else if (removed != nullptr) {
    for (int32_t j = 0; j < n; ++j) to[j] = from[j] - cellCounts(removed[j]);
  }
}

/// Prefix sums of packed counts, out[k] = in[0] + ... + in[k], as chains of scalar adds: the
/// baseline way. No half may pass 16 bits. (A path may bring its own, with the same two
/// operations.)
struct ScalarSums {
  /// Whether each half is summed on its own, wrapping at 2^16.
  static constexpr bool HalvesWrap = false;

  /// The sums of one row.
  MREZOVNIK_PATH_INLINE static void one(const uint32_t* in, uint32_t* out, int32_t n) {
    uint32_t running = 0;
    for (int32_t k = 0; k < n; ++k) {
      running += in[k];
      out[k] = running;
    }
  }

  /// The sums of two rows: two independent chains run side by side.
  MREZOVNIK_PATH_INLINE static void two(const uint32_t* in, const uint32_t* nextIn, uint32_t* out,
                                        uint32_t* nextOut, int32_t n) {
    uint32_t running = 0;
    uint32_t nextRunning = 0;
    for (int32_t k = 0; k < n; ++k) {
      running += in[k];
      nextRunning += nextIn[k];
      out[k] = running;
      nextOut[k] = nextRunning;
    }
  }
};

/// A row's prefix sums as one array of packed pairs, for windows small enough that they
/// fit (see sweepGrid). Entry reach + 1 + k holds the counts of columns 0
/// to k; the entries before hold 0, so that every window is one subtraction.
template <class Sums, bool HalvesWrap>
class PackedPrefix {
 public:
  explicit PackedPrefix(const SweepShape& shape)
      : sums_(static_cast<std::size_t>(shape.n) + shape.reach + 1, 0) {}

  /// Sums the packed column counts along the row, both colours at once.
  MREZOVNIK_PATH_INLINE void fill(const uint32_t* columns, const SweepShape& shape) {
    Sums::one(columns, sums(shape), shape.n);
  }

  /// The same for two rows at once, this one and `next`.
  MREZOVNIK_PATH_INLINE void fillPair(PackedPrefix& next, const uint32_t* columns,
                                      const uint32_t* nextColumns, const SweepShape& shape) {
    Sums::two(columns, nextColumns, sums(shape), next.sums(shape), shape.n);
  }

  /// Read access for the scan.
  struct View {
    const uint32_t* sums;
    /// The white cells between prefix entries `start` and `end`.
    MREZOVNIK_PATH_INLINE int32_t whites(int32_t end, int32_t start) const {
      return static_cast<int32_t>((sums[end] - sums[start]) & HalfMask);
    }
    /// The black cells between them. Where the halves wrap, each is subtracted on its own.
    MREZOVNIK_PATH_INLINE int32_t blacks(int32_t end, int32_t start) const {
      if constexpr (HalvesWrap) {
        return static_cast<int32_t>(((sums[end] >> BlackShift) - (sums[start] >> BlackShift)) &
                                    HalfMask);
      } else {
        return static_cast<int32_t>((sums[end] - sums[start]) >> BlackShift);
      }
    }
  };
  View view() const { return {sums_.data()}; }

 private:
  /// Where the sums start, after the zeros.
  uint32_t* sums(const SweepShape& shape) { return sums_.data() + shape.reach + 1; }

  std::vector<uint32_t> sums_;
};

/// A row's prefix sums as two arrays, one per colour, laid out as PackedPrefix's. Any
/// window fits: the packed sums run only within blocks of columns, whose counts cannot
/// pass a half, and each block's are then added to the counts before it.
template <class Sums>
class SplitPrefix {
 public:
  /// Columns per block: 64 times a column count of at most 1000 fits a half.
  static constexpr int32_t BlockLength = 64;

  explicit SplitPrefix(const SweepShape& shape)
      : withinBlock_(static_cast<std::size_t>(shape.n), 0),
        white_(static_cast<std::size_t>(shape.n) + shape.reach + 1, 0),
        black_(white_.size(), 0) {}

  /// Sums the packed column counts within each block, then spreads them into the two
  /// arrays with each block's starting counts added.
  MREZOVNIK_PATH_INLINE void fill(const uint32_t* columns, const SweepShape& shape) {
    for (int32_t first = 0; first < shape.n; first += BlockLength) {
      Sums::one(columns + first, withinBlock_.data() + first,
                std::min(BlockLength, shape.n - first));
    }
    spread(shape);
  }

  /// The same for two rows at once, this one and `next`.
  MREZOVNIK_PATH_INLINE void fillPair(SplitPrefix& next, const uint32_t* columns,
                                      const uint32_t* nextColumns, const SweepShape& shape) {
    for (int32_t first = 0; first < shape.n; first += BlockLength) {
      Sums::two(columns + first, nextColumns + first, withinBlock_.data() + first,
                next.withinBlock_.data() + first, std::min(BlockLength, shape.n - first));
    }
    spread(shape);
    next.spread(shape);
  }

  /// Read access for the scan.
  struct View {
    const int32_t* white;
    const int32_t* black;
    /// The white cells between prefix entries `start` and `end`.
    MREZOVNIK_PATH_INLINE int32_t whites(int32_t end, int32_t start) const {
      return white[end] - white[start];
    }
    /// The black cells between them.
    MREZOVNIK_PATH_INLINE int32_t blacks(int32_t end, int32_t start) const {
      return black[end] - black[start];
    }
  };
  View view() const { return {white_.data(), black_.data()}; }

 private:
  /// Spreads the sums within blocks into the two arrays, adding each block's starting counts.
  MREZOVNIK_PATH_INLINE void spread(const SweepShape& shape) {
    const int32_t n = shape.n;
    const uint32_t* withinBlock = withinBlock_.data();
    int32_t* white = white_.data() + shape.reach + 1;
    int32_t* black = black_.data() + shape.reach + 1;
    int32_t whiteBefore = 0;
    int32_t blackBefore = 0;
    for (int32_t first = 0; first < n; first += BlockLength) {
      const int32_t last = std::min(first + BlockLength, n);
      for (int32_t k = first; k < last; ++k) {
        white[k] = whiteBefore + static_cast<int32_t>(withinBlock[k] & HalfMask);
        black[k] = blackBefore + static_cast<int32_t>(withinBlock[k] >> BlackShift);
      }
      whiteBefore = white[last - 1];
      blackBefore = black[last - 1];
    }
  }

  std::vector<uint32_t> withinBlock_;
  std::vector<int32_t> white_;
  std::vector<int32_t> black_;
};

/// The threshold test over columns [first, last) of one row. The window of column j runs
/// from prefix entry j to entry `end + j`, or to entry `end` where the windows all end at
/// the row's end.
template <bool WindowEndFixed, class View>
MREZOVNIK_PATH_INLINE void scanColumns(const char* row, View view, int32_t end, int32_t first,
                                       int32_t last, const SweepShape& shape, RowTotals& totals) {
  const int32_t b = shape.b;
  const int32_t c = shape.c;
  int32_t whiteFault = 0;
  int32_t blackFault = 0;
  uint32_t blackCountSum = 0;
  for (int32_t j = first; j < last; ++j) {
    const int32_t windowEnd = WindowEndFixed ? end : end + j;
    const int32_t isBlack = -static_cast<int32_t>(row[j] == BlackCell);
    const int32_t whites = view.whites(windowEnd, j);
    const int32_t blacks = view.blacks(windowEnd, j) - 1;
    whiteFault |= isBlack & -static_cast<int32_t>(whites < b);
    blackFault |= isBlack & -static_cast<int32_t>(blacks > c);
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

/// The first black cell of row i whose white count (TooFewWhite) or black count
/// (TooManyBlack) breaks its threshold.
template <class View>
SweepOutcome findFault(const char* row, int32_t i, View view, const SweepShape& shape,
                       SweepOutcome::Fault fault) {
  for (int32_t j = 0; j < shape.n; ++j) {
    const int32_t end = std::min(j + 2 * shape.reach + 1, shape.n + shape.reach);
    const int32_t count =
        fault == SweepOutcome::Fault::TooFewWhite ? view.whites(end, j) : view.blacks(end, j) - 1;
    const bool fails =
        fault == SweepOutcome::Fault::TooFewWhite ? count < shape.b : count > shape.c;
    if (row[j] == BlackCell && fails) return {fault, i, j, count, 0};
  }
  return {};
}

/// Whether a row holds a black cell; a row without one needs no scan.
MREZOVNIK_PATH_INLINE bool hasBlack(const char* row, int32_t n) {
  return std::memchr(row, BlackCell, static_cast<std::size_t>(n)) != nullptr;
}

/// What the evaluation wants of the sweep: the first white-count fault, which ends it, else
/// the first black-count fault.
struct FirstFault {
  /// The first white-count fault, once found.
  SweepOutcome tooFewWhite;
  /// The first black-count fault, once found.
  SweepOutcome tooManyBlack;

  /// Takes the faults of row i; true when the sweep ends there.
  template <class View>
  MREZOVNIK_PATH_INLINE bool takeRow(const char* row, int32_t i, View view, const SweepShape& shape,
                                     const RowTotals& totals) {
    if (totals.whiteFault) {
      tooFewWhite = findFault(row, i, view, shape, SweepOutcome::Fault::TooFewWhite);
      return true;
    }
    if (totals.blackFault && tooManyBlack.row < 0) {
      tooManyBlack = findFault(row, i, view, shape, SweepOutcome::Fault::TooManyBlack);
    }
    return false;
  }

  /// The outcome of a sweep whose black counts summed to `blackCountSum`.
  SweepOutcome outcome(uint64_t blackCountSum) const {
    if (tooFewWhite.row >= 0) return tooFewWhite;
    if (tooManyBlack.row >= 0) return tooManyBlack;
    SweepOutcome clean;
    clean.nearPairs = static_cast<int64_t>(blackCountSum / 2);
    return clean;
  }
};

/// What the diagnosis wants of the sweep: every threshold fault, each kind in row-major order.
struct EveryFault {
  FaultList tooFewWhite;
  FaultList tooManyBlack;

  /// Takes the faults of row i; the sweep never ends early.
  template <class View>
  MREZOVNIK_PATH_INLINE bool takeRow(const char* row, int32_t i, View view, const SweepShape& shape,
                                     const RowTotals& /*totals*/) {
    for (int32_t j = 0; j < shape.n; ++j) {
      const int32_t end = std::min(j + 2 * shape.reach + 1, shape.n + shape.reach);
      const bool black = row[j] == BlackCell;
      const int32_t whites = view.whites(end, j);
      const int32_t blacks = view.blacks(end, j) - 1;
      if (black & (whites < shape.b)) tooFewWhite.add({i, j, FaultKind::TooFewWhite, whites});
      if (black & (blacks > shape.c)) tooManyBlack.add({i, j, FaultKind::TooManyBlack, blacks});
    }
    return false;
  }
};

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
