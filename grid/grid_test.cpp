#include "grid/grid.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(Grid, ResizeWhitensPaddingThatALargerGridFilledAndKeepsAGridOfTheSameSize) {
  Grid grid(65);
  for (int32_t i = 0; i < 65; ++i) std::fill_n(grid.rowData(i), 65, '#');
  grid.resize(5);
  for (int32_t i = 0; i < 5; ++i) {
    std::fill_n(grid.rowData(i), 5, 'R');
    EXPECT_EQ(std::string_view(grid.rowData(i) + 5, 59), std::string(59, '.')) << i;
  }
  grid.resize(5);
  for (int32_t i = 0; i < 5; ++i)
    EXPECT_EQ(std::string_view(grid.rowData(i), 64), "RRRRR" + std::string(59, '.'));
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

}  // namespace
