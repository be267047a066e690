#pragma once

// What the counting sweep does with a row that holds a threshold fault: the evaluation stops
// at the first, the diagnosis lists every one.

#include <algorithm>
#include <cstdint>
#include <optional>

#include "codepath/code_path.h"
#include "grid/cells.h"
#include "judge/cell_fault.h"
#include "judge/neighbourhood_sweep.h"
#include "judge/sweep_counts.h"
#include "judge/sweep_row_scan.h"

namespace sweep_kernels {

/// The first black cell of row i that breaks the threshold of `kind`, TooFewWhite (its white
/// count) or TooManyBlack (its black count), if any.
template <class View>
std::optional<CellFault> findFault(const char* row, int32_t i, View view, const SweepShape& shape,
                                   FaultKind kind) {
  const bool white = kind == FaultKind::TooFewWhite;
  for (int32_t j = 0; j < shape.n; ++j) {
    const int32_t end = std::min(j + 2 * shape.reach + 1, shape.n + shape.reach);
    const int32_t count = white ? view.whites(end, j) : view.blacks(end, j) - 1;
    const bool fails = white ? count < shape.b : count > shape.c;
    if (row[j] == BlackCell && fails) return CellFault{i, j, kind, count};
  }
  return std::nullopt;
}

/// What the evaluation wants of the sweep: the first white-count fault, which ends it, else
/// the first black-count fault.
struct FirstFault {
  /// The first white-count fault, once found.
  std::optional<CellFault> tooFewWhite;
  /// The first black-count fault, once found.
  std::optional<CellFault> tooManyBlack;

  /// Takes the faults of row i; true when the sweep ends there.
  template <class View>
  MREZOVNIK_PATH_INLINE bool takeRow(const char* row, int32_t i, View view, const SweepShape& shape,
                                     const RowTotals& totals) {
    if (totals.whiteFault) {
      tooFewWhite = findFault(row, i, view, shape, FaultKind::TooFewWhite);
      return true;
    }
    if (totals.blackFault && !tooManyBlack) {
      tooManyBlack = findFault(row, i, view, shape, FaultKind::TooManyBlack);
    }
    return false;
  }

  /// The outcome of a sweep whose black counts summed to `blackCountSum`.
  SweepOutcome outcome(uint64_t blackCountSum) const {
    if (tooFewWhite) return {tooFewWhite, 0};
    if (tooManyBlack) return {tooManyBlack, 0};
    return {std::nullopt, static_cast<int64_t>(blackCountSum / 2)};
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

}  // namespace sweep_kernels
