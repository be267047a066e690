#include "grid/packed_grid.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "tests/support/layout_probes.h"
#include "tests/support/records.h"

namespace {

using Rows = std::vector<std::string>;

/// An n by n grid in which each cell is red with chance `red` and black with chance
/// `black`, else white.
Rows randomRows(int32_t n, double red, double black, std::mt19937& random) {
  std::uniform_real_distribution<double> draw(0, 1);
  Rows rows(n, std::string(n, '.'));
  for (std::string& row : rows) {
    for (char& cell : row) {
      const double value = draw(random);
      cell = value < red ? 'R' : value < red + black ? '#' : '.';
    }
  }
  return rows;
}

/// Whether a packed grid holds exactly the given rows, naming the first cell that differs.
testing::AssertionResult holds(const PackedGrid& packed, const Rows& rows) {
  const auto n = static_cast<int32_t>(rows.size());
  if (packed.size() != n) return testing::AssertionFailure() << "size " << packed.size();
  std::string row(static_cast<std::size_t>(n), '?');
  for (int32_t i = 0; i < n; ++i) {
    packed.rowCells(i, row.data());
    if (row != rows[i]) return testing::AssertionFailure() << "row " << i << ": " << row;
    for (int32_t j = 0; j < n; ++j) {
      if (packed.cell(i, j) != rows[i][j]) {
        return testing::AssertionFailure()
               << "row " << i << " column " << j << ": " << packed.cell(i, j);
      }
    }
  }
  return testing::AssertionSuccess();
}

// The colour stream's words split at every place within a row: at one colour in ten, a row
// of 1000 cells ends part way through a word, and at every colour all words are full. Each
// path must pack the same bits, which every cell read back confirms.
TEST(PackedGrid, KeepsEveryCellOfEveryLayoutWidthAndMixOnEveryPath) {
  std::mt19937 random(3);
  const double mixes[][2] = {{0, 0}, {1, 0}, {0, 1}, {0.05, 0.05}, {0.3, 0.3}, {0.5, 0.45}};
  for (const int32_t n : LayoutWidths) {
    for (const auto& mix : mixes) {
      const Rows rows = randomRows(n, mix[0], mix[1], random);
      const Grid grid = gridOverBlack(rows);
      const PackedGrid portable(grid, CodePath::Portable);
      ASSERT_TRUE(holds(portable, rows)) << "n " << n << " mix " << mix[0] << "/" << mix[1];
      for (const CodePath path : availableCodePaths()) {
        ASSERT_EQ(PackedGrid(grid, path), portable)
            << "n " << n << " path " << static_cast<int>(path);
      }
      ASSERT_EQ(PackedGrid(grid), portable);
    }
  }
}

TEST(PackedGrid, PacksAByteThatIsNoCellCharacterAsWhiteAndNotesItOnEveryPath) {
  for (const int32_t n : {1, 64, 65, 130}) {
    Rows rows(n, std::string(n, '#'));
    rows[n / 2][0] = 'R';
    for (const int32_t column : probeColumns(n)) {
      Rows asWhite = rows;
      asWhite[n - 1][column] = '.';
      Grid withInvalid = gridOf(rows);
      for (const char invalid : InvalidBytes) {
        withInvalid.rowData(n - 1)[column] = invalid;
        for (const CodePath path : availableCodePaths()) {
          const PackedGrid packed(withInvalid, path);
          ASSERT_EQ(packed.cell(n - 1, column), '.') << "n " << n << " column " << column;
          ASSERT_EQ(packed, PackedGrid(gridOf(asWhite), path)) << "n " << n << " column " << column;
          ASSERT_FALSE(packed.onlyCellCharacters()) << "n " << n << " column " << column;
          ASSERT_TRUE(PackedGrid(gridOf(asWhite), path).onlyCellCharacters());
          ASSERT_FALSE(PackedGrid(packed).onlyCellCharacters());
        }
      }
    }
  }
}

TEST(PackedGrid, EqualityTellsAColourApartAndCopiesAreIndependent) {
  const Rows rows = {"R.#", "#.R", "..#"};
  const PackedGrid packed(gridOf(rows));
  EXPECT_NE(packed, PackedGrid(gridOf({"#.#", "#.R", "..#"})));  // the same non-white cells
  EXPECT_NE(packed, PackedGrid(gridOf({
                        "R.#",
                        "#.R",
                        "...",
                    })));
  EXPECT_NE(packed, PackedGrid(gridOf({"R.", "#."})));

  PackedGrid copy = packed;
  EXPECT_EQ(copy, packed);
  copy = PackedGrid(gridOf({"..", ".."}));
  EXPECT_TRUE(holds(packed, rows));
  EXPECT_TRUE(holds(copy, {"..", ".."}));
  copy = packed;
  EXPECT_TRUE(holds(copy, rows));

  PackedGrid empty;
  PackedGrid emptyCopy = empty;
  EXPECT_EQ(emptyCopy, empty);
  EXPECT_EQ(emptyCopy.size(), 0);
  emptyCopy = packed;
  EXPECT_EQ(emptyCopy, packed);
}

TEST(PackedGrid, NumbersEachRowsColoursFromWhereThePreviousRowsEnd) {
  const Rows rows = {"R.#.", "....", "#RR#", ".#.."};
  const PackedGrid packed(gridOf(rows));
  const uint32_t expected[] = {0, 2, 2, 6};
  for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(packed.firstColourOfRow(i), expected[i]) << i;
  // Red 1, black 0, in row-major order: R # # R R # #.
  EXPECT_EQ(packed.colourWords()[0], 0b0011001u);
  EXPECT_EQ(packed.wordsPerRow(), 1);
  EXPECT_EQ(packed.nonWhiteWords(2)[0], 0b1111u);
}

}  // namespace
