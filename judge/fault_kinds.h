#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// The one table of the rules that a cell of a candidate grid can break: each kind beside its
// name in the diagnosis, in the order in which the grid check tests them. Counts, lists and
// the diagnosis document take their kinds, their number and their order from it.

/// A rule broken by one cell.
enum class FaultKind : uint8_t {
  /// The candidate holds a byte that is no cell character.
  InvalidCell,
  /// A red cell of the input is not red.
  RedChanged,
  /// A black cell of the input is not black.
  BlackChanged,
  /// A white cell of the input turned red.
  WhiteToRed,
  /// A black cell has fewer than b white cells around it.
  TooFewWhite,
  /// A black cell has more than c black cells around it.
  TooManyBlack,
};

/// One entry of the table.
struct FaultKindEntry {
  FaultKind kind;
  /// The kind's name in the diagnosis.
  std::string_view name;
};

/// Every fault kind, in the grid check's order.
inline constexpr std::array FaultKinds{
    FaultKindEntry{FaultKind::InvalidCell, "invalidCell"},
    FaultKindEntry{FaultKind::RedChanged, "redChanged"},
    FaultKindEntry{FaultKind::BlackChanged, "blackChanged"},
    FaultKindEntry{FaultKind::WhiteToRed, "whiteToRed"},
    FaultKindEntry{FaultKind::TooFewWhite, "tooFewWhite"},
    FaultKindEntry{FaultKind::TooManyBlack, "tooManyBlack"},
};

/// The number of fault kinds.
inline constexpr std::size_t FaultKindCount = FaultKinds.size();

/// The kind's place in the table, which arrays indexed by kind use.
constexpr std::size_t faultKindIndex(FaultKind kind) { return static_cast<std::size_t>(kind); }

/// The fault kind's name in the diagnosis ("invalidCell", "redChanged", ...).
constexpr std::string_view faultKindName(FaultKind kind) {
  return FaultKinds[faultKindIndex(kind)].name;
}

static_assert(
    [] {
      for (std::size_t k = 0; k < FaultKindCount; ++k) {
        if (faultKindIndex(FaultKinds[k].kind) != k) return false;
      }
      return true;
    }(),
    "each kind stands at its own value in the table");
