#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "grid/grid.h"
#include "grid/packed_grid.h"

/// The task's name, which line 1 of the input file and line 2 of a submission must equal.
inline constexpr std::string_view TaskName = "Mrezovje";

/// One test case of the input file: the grid and its parameters, accepted once and then
/// only read.
struct TestCase {
  /// The text of line 1 of the input file.
  std::string taskName;
  /// The test case number from the block, equal to the block's position from 1.
  int32_t number = 0;
  /// The grid's number of rows and columns, 1 to 1000.
  int32_t n = 0;
  /// The neighbourhood radius (Chebyshev distance), 1 to n.
  int32_t d = 0;
  /// The least number of white cells around every black cell.
  int32_t b = 0;
  /// The most black cells around any black cell.
  int32_t c = 0;
  /// The initial colouring.
  PackedGrid grid;

  bool operator==(const TestCase&) const = default;
};
