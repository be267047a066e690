#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "taskinput/test_case.h"

/// A grid whose rows are the given texts, all as long as there are rows.
inline Grid gridOf(const std::vector<std::string>& rows) {
  const auto n = static_cast<int32_t>(rows.size());
  Grid grid(n);
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
