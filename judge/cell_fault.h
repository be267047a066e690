#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "grid/test_case.h"
#include "judge/fault_kinds.h"

// The rules that a cell of a candidate grid can break, and the message of each, as the grid
// check reports the first of them and the diagnosis lists them all.

/// One cell that breaks one rule.
struct CellFault {
  /// The cell, indexed from 0.
  int32_t row = 0;
  int32_t column = 0;
  FaultKind kind = FaultKind::InvalidCell;
  /// The candidate's byte (comparison faults), or the cell's white or black count
  /// (threshold faults).
  int32_t detail = 0;

  bool operator==(const CellFault&) const = default;
};

/// The comparison rule that a candidate cell `out` breaks where the input holds `in`, if any:
/// an invalid byte first, then a changed red or black cell, then a white cell turned red.
std::optional<FaultKind> comparisonFault(char in, char out);

/// The fault's message as the grid check gives it for `testCase`, without a caller's prefix.
std::string faultMessage(const CellFault& fault, const TestCase& testCase);

/// Faults in the order found, counted by kind, the first `limit` of them kept.
class FaultList {
 public:
  explicit FaultList(std::size_t limit) : limit_(limit) {}

  /// Counts a fault, and keeps it while fewer than `limit` are kept.
  void add(const CellFault& fault) {
    ++counts_[faultKindIndex(fault.kind)];
    if (kept_.size() < limit_) kept_.push_back(fault);
  }
  /// Adds the faults of `later`, all found after this list's.
  void append(const FaultList& later);

  /// The first faults, at most `limit`.
  const std::vector<CellFault>& kept() const { return kept_; }
  /// The number of faults of one kind.
  int64_t count(FaultKind kind) const { return counts_[faultKindIndex(kind)]; }
  /// The number of faults of every kind.
  int64_t total() const;

 private:
  std::size_t limit_;
  std::vector<CellFault> kept_;
  std::array<int64_t, FaultKindCount> counts_{};
};
