#include "taskinput/test_case.h"

#include <gtest/gtest.h>

#include <string>

namespace {

Grid gridOf(const std::string& cells, int32_t n) {
  Grid grid(n);
  for (int32_t i = 0; i < n; ++i) cells.copy(grid.rowData(i), n, static_cast<std::size_t>(i) * n);
  return grid;
}

TEST(Grid, CopiesCompareEqualAndIndependent) {
  Grid grid = gridOf(
      "R.#"
      "..."
      "##.",
      3);
  Grid copy = grid;
  EXPECT_EQ(copy, grid);
  EXPECT_EQ(copy.row(2), "##.");
  copy.rowData(0)[0] = '.';
  EXPECT_NE(copy, grid);
  EXPECT_EQ(grid.row(0), "R.#");
  EXPECT_NE(gridOf("....", 2), gridOf(".", 1));
}

TEST(Grid, ResizeReusesTheBufferWithRowsOfTheNewSize) {
  Grid grid = gridOf("abcdefghi", 3);
  grid.resize(2);
  std::string("wx").copy(grid.rowData(0), 2);
  std::string("yz").copy(grid.rowData(1), 2);
  EXPECT_EQ(grid.size(), 2);
  EXPECT_EQ(grid.row(0), "wx");
  EXPECT_EQ(grid.row(1), "yz");
  grid.resize(4);
  for (int32_t i = 0; i < 4; ++i) std::string(4, '.').copy(grid.rowData(i), 4);
  EXPECT_EQ(grid.row(3), "....");
}

TEST(Grid, PadsEveryRowWithWhiteCellsToAWholeVector) {
  for (int32_t n : {1, 63, 64, 65, 1000}) {
    Grid grid(n);
    const int32_t padded = paddedRowLength(n);
    EXPECT_EQ(padded % 64, 0);
    EXPECT_GE(padded, n);
    EXPECT_LT(padded - n, 64);
    const std::string_view padding(grid.rowData(n - 1) + n, static_cast<std::size_t>(padded - n));
    EXPECT_EQ(padding, std::string(padded - n, '.')) << n;
  }
}

TEST(PackedGrid, KeepsEveryCellOfRowsOfAnyLength) {
  for (int32_t n : {1, 3, 4, 5, 7, 8, 9}) {
    std::string cells;
    for (int32_t k = 0; k < n * n; ++k) cells += ".R#"[(k * 7 + k / 3) % 3];
    const PackedGrid packed(gridOf(cells, n));
    ASSERT_EQ(packed.size(), n);
    for (int32_t i = 0; i < n; ++i) {
      for (int32_t j = 0; j < n; ++j) EXPECT_EQ(packed.cell(i, j), cells[i * n + j]) << n;
    }
  }
  EXPECT_EQ(PackedGrid(gridOf("x# R", 2)), PackedGrid(gridOf(".#.R", 2)));
}

TEST(TestCase, ACopyOfARecordComparesEqualFieldByField) {
  TestCase record;
  record.taskName = "Mrezovje";
  record.number = 1;
  record.n = 2;
  record.d = 1;
  record.b = 1;
  record.c = 3;
  record.grid = PackedGrid(gridOf("#..R", 2));
  TestCase copy = record;
  EXPECT_EQ(copy, record);
  copy.grid = PackedGrid(gridOf("#...", 2));
  EXPECT_NE(copy, record);
}

}  // namespace
