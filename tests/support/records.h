#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "grid/test_case.h"

/// A grid whose rows are the given texts, all as long as there are rows.
inline Grid gridOf(const std::vector<std::string>& rows) {
  const auto n = static_cast<int32_t>(rows.size());
  Grid grid(n);
  for (int32_t i = 0; i < n; ++i) rows[i].copy(grid.rowData(i), rows.size());
  return grid;
}

/// An n by n grid whose whole buffer, padding included, holds black cells: a row buffer as a
/// larger block leaves it behind.
inline Grid blackBuffer(int32_t n) {
  Grid grid(n);
  for (int32_t i = 0; i < n; ++i) std::fill_n(grid.rowData(i), paddedRowLength(n), '#');
  return grid;
}

/// A grid of the given rows in a buffer that held a larger grid of black cells before, as the
/// readers reuse their row buffers from block to block: every byte past its last row is '#'.
inline Grid gridOverBlack(const std::vector<std::string>& rows) {
  const auto n = static_cast<int32_t>(rows.size());
  Grid grid = blackBuffer(n + 1);
  grid.resize(n);
  for (int32_t i = 0; i < n; ++i) rows[i].copy(grid.rowData(i), rows.size());
  return grid;
}

/// An accepted test case record with the given grid rows and parameters.
inline TestCase testCaseOf(const std::vector<std::string>& rows, int32_t d, int32_t b, int32_t c,
                           int32_t number = 1) {
  TestCase testCase;
  testCase.taskName = "Mrezovje";
  testCase.number = number;
  testCase.n = static_cast<int32_t>(rows.size());
  testCase.d = d;
  testCase.b = b;
  testCase.c = c;
  testCase.grid = PackedGrid(gridOf(rows));
  return testCase;
}
