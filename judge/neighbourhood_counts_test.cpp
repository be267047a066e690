#include "judge/neighbourhood_counts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "tests/support/records.h"

namespace {

using Rows = std::vector<std::string>;

/// One cell's expected counts.
struct CellCase {
  const char* what;
  Rows rows;
  int32_t d, i, j;
  int32_t white, black;
};

TEST(NeighbourhoodCounts, CountsLeaveOutTheCellAndRedAndClipAtTheEdges) {
  const Rows ring = {"###", "#.#", "###"};
  const std::vector<CellCase> cases = {
      {"corner of a ring", ring, 1, 0, 0, 1, 2},
      {"edge of a ring", ring, 1, 0, 1, 1, 4},
      {"white centre of a ring", ring, 1, 1, 1, 0, 8},
      {"red counts neither", {"#R", "#."}, 1, 0, 0, 1, 1},
      {"lone corner cell", {"#..", "...", "..."}, 1, 0, 0, 3, 0},
      {"single cell", {"#"}, 1, 0, 0, 0, 0},
      {"radius past the grid", {"#.R", "..#", "R.."}, 5, 2, 2, 4, 2},
  };
  for (const CellCase& c : cases) {
    const Grid grid = gridOf(c.rows);
    const NeighbourhoodCounts counts(grid, c.d);
    EXPECT_EQ(counts.whiteCount(c.i, c.j), c.white) << c.what;
    EXPECT_EQ(counts.blackCount(c.i, c.j), c.black) << c.what;
  }
}

/// The count of `target` cells within distance d of (i, j), the cell left out, cell by cell.
int32_t countDirectly(const Rows& rows, int32_t d, int32_t i, int32_t j, char target) {
  const auto n = static_cast<int32_t>(rows.size());
  int32_t count = 0;
  for (int32_t y = std::max(0, i - d); y <= std::min(n - 1, i + d); ++y) {
    for (int32_t x = std::max(0, j - d); x <= std::min(n - 1, j + d); ++x) {
      count += (y != i || x != j) && rows[y][x] == target;
    }
  }
  return count;
}

TEST(NeighbourhoodCounts, AgreesWithDirectCountingOnRandomGrids) {
  std::mt19937 random(7);
  for (int32_t n : {1, 2, 5, 17, 70}) {
    Rows rows(n, std::string(n, '.'));
    for (std::string& row : rows) {
      for (char& cell : row) cell = "..#R"[random() % 4];
    }
    const Grid grid = gridOf(rows);
    for (int32_t d : {1, 2, n}) {
      const NeighbourhoodCounts counts(grid, d);
      for (int32_t i = 0; i < n; ++i) {
        for (int32_t j = 0; j < n; ++j) {
          ASSERT_EQ(counts.whiteCount(i, j), countDirectly(rows, d, i, j, '.')) << n << " " << d;
          ASSERT_EQ(counts.blackCount(i, j), countDirectly(rows, d, i, j, '#')) << n << " " << d;
        }
      }
    }
  }
}

}  // namespace
