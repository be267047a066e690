#include "judge/neighbourhood_sweep.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

// The wider path exists where the compiler can build one function for AVX2 and the program
// can ask the processor for it. Windows is left out: its ABI does not align the stack for
// 256-bit spills.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(_WIN32)
#define MREZOVNIK_AVX2_PATH 1
#else
#define MREZOVNIK_AVX2_PATH 0
#endif

// The hot loops are inlined into each path's entry, so that each is built for that path.
#if defined(__GNUC__)
#define SWEEP_INLINE [[gnu::always_inline]] inline
#else
#define SWEEP_INLINE inline
#endif

namespace {

constexpr char Black = '#';
constexpr char White = '.';

/// The parameters of one sweep.
struct SweepShape {
  int32_t n;
  /// d, or n - 1 where d reaches past the grid: the same windows either way.
  int32_t reach;
  int32_t b;
  int32_t c;
};

/// Per column, or per prefix of a row, the number of white and of black cells.
struct ColourCounts {
  explicit ColourCounts(std::size_t size) : white(size, 0), black(size, 0) {}
  std::vector<int32_t> white;
  std::vector<int32_t> black;
};

/// The scratch memory of one sweep. The prefix sums have reach + 1 zeros in front, so that
/// every window is one subtraction.
struct SweepBuffers {
  explicit SweepBuffers(const SweepShape& shape)
      : columns(static_cast<std::size_t>(shape.n)),
        prefix(static_cast<std::size_t>(shape.n) + shape.reach + 1) {}

  /// Per column, the counts of the rows within distance d of the current row.
  ColourCounts columns;
  /// The prefix sums of `columns` along the row.
  ColourCounts prefix;
};

/// What the scan of one row found.
struct RowTotals {
  bool whiteFault = false;
  bool blackFault = false;
  uint32_t blackCountSum = 0;
};

// The loops below take their bounds and arrays as locals: a store through an `int32_t*`
// may alias a member, which would keep them from vectorising.

/// Takes row `removed` out of the column counts and puts row `added` in; either may be null.
SWEEP_INLINE void moveColumns(ColourCounts& columns, const char* removed, const char* added,
                              int32_t n) {
  int32_t* white = columns.white.data();
  int32_t* black = columns.black.data();
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

/// Entry reach + 1 + k of the prefix sums holds the counts of columns 0 to k.
SWEEP_INLINE void fillPrefix(const ColourCounts& columns, ColourCounts& prefix,
                             const SweepShape& shape) {
  const int32_t* columnWhite = columns.white.data();
  const int32_t* columnBlack = columns.black.data();
  int32_t* white = prefix.white.data() + shape.reach + 1;
  int32_t* black = prefix.black.data() + shape.reach + 1;
  int32_t runningWhite = 0;
  int32_t runningBlack = 0;
  for (int32_t k = 0, n = shape.n; k < n; ++k) {
    runningWhite += columnWhite[k];
    runningBlack += columnBlack[k];
    white[k] = runningWhite;
    black[k] = runningBlack;
  }
}

/// The threshold test over columns [first, last) of one row. A window's counts are
/// `end[j] - start[j]`, or `end[0] - start[j]` where the windows all end at the row's end.
template <bool WindowEndFixed>
SWEEP_INLINE void scanColumns(const char* row, const int32_t* whiteEnd, const int32_t* blackEnd,
                              const ColourCounts& prefix, int32_t first, int32_t last,
                              const SweepShape& shape, RowTotals& totals) {
  const int32_t* whiteStart = prefix.white.data();
  const int32_t* blackStart = prefix.black.data();
  const int32_t b = shape.b;
  const int32_t c = shape.c;
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

/// Tests the thresholds of every black cell of a row and sums their black counts.
SWEEP_INLINE RowTotals scanRow(const char* row, const ColourCounts& prefix,
                               const SweepShape& shape) {
  const int32_t n = shape.n;
  const int32_t reach = shape.reach;
  const int32_t* white = prefix.white.data();
  const int32_t* black = prefix.black.data();
  const int32_t rightEdge = n - reach;
  RowTotals totals;
  // Columns whose window ends inside the row, then those whose window reaches its end.
  const int32_t width = 2 * reach + 1;
  scanColumns<false>(row, white + width, black + width, prefix, 0, rightEdge, shape, totals);
  scanColumns<true>(row, white + n + reach, black + n + reach, prefix, rightEdge, n, shape,
                    totals);
  return totals;
}

/// The end of the window around column j in the prefix sums.
int32_t windowEnd(int32_t j, const SweepShape& shape) {
  return std::min(j + 2 * shape.reach + 1, shape.n + shape.reach);
}

/// The first black cell of row i with fewer than b white neighbours.
SweepOutcome findWhiteFault(const char* row, int32_t i, const ColourCounts& prefix,
                            const SweepShape& shape) {
  for (int32_t j = 0; j < shape.n; ++j) {
    const int32_t whites = prefix.white[windowEnd(j, shape)] - prefix.white[j];
    if (row[j] == Black && whites < shape.b) {
      return {SweepOutcome::Fault::TooFewWhite, i, j, whites, 0};
    }
  }
  return {};
}

/// The first black cell of row i with more than c black neighbours.
SweepOutcome findBlackFault(const char* row, int32_t i, const ColourCounts& prefix,
                            const SweepShape& shape) {
  for (int32_t j = 0; j < shape.n; ++j) {
    const int32_t blacks = prefix.black[windowEnd(j, shape)] - prefix.black[j] - 1;
    if (row[j] == Black && blacks > shape.c) {
      return {SweepOutcome::Fault::TooManyBlack, i, j, blacks, 0};
    }
  }
  return {};
}

/// Whether a row holds a black cell; a row without one needs no scan.
SWEEP_INLINE bool hasBlack(const char* row, int32_t n) {
  return std::memchr(row, Black, static_cast<std::size_t>(n)) != nullptr;
}

/// The counting phase as one row-major sweep. For the rows within distance d of the current
/// row it keeps, per column, the white and black counts, then sums them along the row into
/// prefix sums. A row without a black cell is not scanned. White-count faults end the
/// sweep; the first black-count fault is kept until the sweep has found no white-count fault.
SWEEP_INLINE SweepOutcome sweep(const Grid& grid, const SweepShape& shape,
                                SweepBuffers& buffers) {
  const int32_t n = shape.n;
  const int32_t reach = shape.reach;
  for (int32_t i = 0; i <= reach; ++i) moveColumns(buffers.columns, nullptr, grid.rowData(i), n);
  uint64_t blackCountSum = 0;
  SweepOutcome firstBlackFault;
  for (int32_t i = 0; i < n; ++i) {
    if (i > 0) {
      const char* removed = i - reach - 1 >= 0 ? grid.rowData(i - reach - 1) : nullptr;
      const char* added = i + reach < n ? grid.rowData(i + reach) : nullptr;
      moveColumns(buffers.columns, removed, added, n);
    }
    const char* row = grid.rowData(i);
    if (!hasBlack(row, n)) continue;
    fillPrefix(buffers.columns, buffers.prefix, shape);
    const RowTotals totals = scanRow(row, buffers.prefix, shape);
    if (totals.whiteFault) return findWhiteFault(row, i, buffers.prefix, shape);
    if (totals.blackFault && firstBlackFault.row < 0) {
      firstBlackFault = findBlackFault(row, i, buffers.prefix, shape);
    }
    blackCountSum += totals.blackCountSum;
  }
  if (firstBlackFault.row >= 0) return firstBlackFault;
  SweepOutcome outcome;
  outcome.nearPairs = static_cast<int64_t>(blackCountSum / 2);
  return outcome;
}

/// The sweep built for the baseline processor.
SweepOutcome sweepPortable(const Grid& grid, const SweepShape& shape, SweepBuffers& buffers) {
  return sweep(grid, shape, buffers);
}

#if MREZOVNIK_AVX2_PATH
/// The same sweep built for AVX2.
[[gnu::target("avx2")]] SweepOutcome sweepAvx2(const Grid& grid, const SweepShape& shape,
                                               SweepBuffers& buffers) {
  return sweep(grid, shape, buffers);
}
#endif

/// Whether this machine can run a path.
bool canRun(CountingPath path) {
  switch (path) {
    case CountingPath::Portable:
      return true;
    case CountingPath::Avx2:
#if MREZOVNIK_AVX2_PATH
      return __builtin_cpu_supports("avx2") != 0;
#else
      return false;
#endif
  }
  return false;
}

}  // namespace

std::vector<CountingPath> availableCountingPaths() {
  std::vector<CountingPath> paths;
  for (const CountingPath path : {CountingPath::Portable, CountingPath::Avx2}) {
    if (canRun(path)) paths.push_back(path);
  }
  return paths;
}

CountingPath fastestCountingPath() {
  return canRun(CountingPath::Avx2) ? CountingPath::Avx2 : CountingPath::Portable;
}

SweepOutcome sweepNeighbourhoods(const TestCase& testCase, const Grid& candidate,
                                 CountingPath path) {
  const SweepShape shape{testCase.n, std::min(testCase.d, testCase.n - 1), testCase.b, testCase.c};
  SweepBuffers buffers(shape);
#if MREZOVNIK_AVX2_PATH
  if (path == CountingPath::Avx2 && canRun(path)) return sweepAvx2(candidate, shape, buffers);
#endif
  (void)path;
  return sweepPortable(candidate, shape, buffers);
}
