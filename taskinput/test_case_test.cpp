#include "taskinput/test_case.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/records.h"

namespace {

TEST(Grid, CopiesCompareEqualAndIndependent) {
  Grid grid = gridOf({"R.#", "...", "##."});
  Grid copy = grid;
  EXPECT_EQ(copy, grid);
  EXPECT_EQ(copy.row(2), "##.");
  copy.rowData(0)[0] = '.';
  EXPECT_NE(copy, grid);
  EXPECT_EQ(grid.row(0), "R.#");
  EXPECT_NE(gridOf({"..", ".."}), gridOf({"."}));
}

TEST(Grid, ResizeReusesTheBufferWithRowsOfTheNewSize) {
  Grid grid = gridOf({"abc", "def", "ghi"});
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
  // Up to 64 cells a row fill only the first of the four runs; longer rows use them all.
  for (int32_t n : {1, 3, 4, 5, 7, 8, 9, 70, 130, 1000}) {
    std::vector<std::string> rows(n, std::string(n, '.'));
    for (int32_t i = 0; i < n; ++i) {
      for (int32_t j = 0; j < n; ++j) rows[i][j] = ".R#"[(i * 7 + j * 5 + j / 3) % 3];
    }
    const PackedGrid packed(gridOf(rows));
    ASSERT_EQ(packed.size(), n);
    for (int32_t i = 0; i < n; ++i) {
      for (int32_t j = 0; j < n; ++j) ASSERT_EQ(packed.cell(i, j), rows[i][j]) << n;
    }
  }
  EXPECT_EQ(PackedGrid(gridOf({"x#", " R"})), PackedGrid(gridOf({".#", ".R"})));
}

TEST(TestCase, ACopyOfARecordComparesEqualFieldByField) {
  const TestCase record = testCaseOf({"#.", ".R"}, 1, 1, 3);
  TestCase copy = record;
  EXPECT_EQ(copy, record);
  copy.grid = PackedGrid(gridOf({"#.", ".."}));
  EXPECT_NE(copy, record);
}

}  // namespace
