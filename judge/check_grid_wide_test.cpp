#include "judge/check_grid.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "tests/reference/brute_force.h"
#include "tests/support/layout_probes.h"
#include "tests/support/records.h"
#include "tests/support/verdict.h"

namespace {

/// The candidate characters that the input character `in` must not become.
std::string forbiddenFor(char in) { return in == 'R' ? "#." : in == '#' ? ".R" : "R"; }

/// A background row: all of one colour, or for '?' a mix of all three whose red and black
/// cells fall unevenly, so that the input's colour bits split at ever other places.
std::string backgroundRow(int32_t n, int32_t i, char background) {
  std::string row(n, background);
  if (background == '?') {
    for (int32_t j = 0; j < n; ++j) row[j] = ".#R.."[(i * 3 + j + j / 7) % 5];
  }
  return row;
}

// In a grid of one background, one cell in each of the first rows holds the input character
// at one probe column, the last probe in the last row; one of them at a time is changed in
// the candidate. Every background is tried, so that a comparison with the wrong cell or the
// wrong code lets some change pass.
TEST(CheckGridWide, FindsEveryForbiddenChangeAndInvalidByteInEveryPartOfARow) {
  for (const int32_t n : LayoutWidths) {
    const std::vector<int32_t> columns = probeColumns(n);
    auto rowOf = [&](std::size_t k) {
      return k + 1 == columns.size() ? n - 1 : static_cast<int32_t>(k);
    };
    for (const char background : {'R', '#', '.', '?'}) {
      for (const char in : {'R', '#', '.'}) {
        Rows input;
        for (int32_t i = 0; i < n; ++i) input.push_back(backgroundRow(n, i, background));
        for (std::size_t k = 0; k < columns.size(); ++k) input[rowOf(k)][columns[k]] = in;
        const TestCase testCase = testCaseOf(input, 1, 1, 1);
        Grid candidate = gridOverBlack(input);
        for (std::size_t k = 0; k < columns.size(); ++k) {
          const int32_t i = rowOf(k);
          const int32_t j = columns[k];
          for (const char out : forbiddenFor(in) + InvalidBytes[k % 9]) {
            candidate.rowData(i)[j] = out;
            ASSERT_EQ(checkVerdict(testCase, candidate), cellFault(i, j, in, out))
                << "n " << n << " column " << j + 1 << " background " << background;
          }
          candidate.rowData(i)[j] = in;
        }
      }
    }
  }
}

/// The radii to try for a width: small ones, one in between and those near n; at the full
/// widths only the least and the largest, to keep the test quick.
std::vector<int32_t> probeRadii(int32_t n) {
  std::set<int32_t> radii = {1, n};
  if (n < 999) radii.insert({2, n / 3, n - 2, n - 1});
  std::erase_if(radii, [n](int32_t d) { return d < 1 || d > n; });
  return {radii.begin(), radii.end()};
}

/// The columns to try for a width and radius: where windows start and stop being clipped at
/// either edge and, for small radii below the full widths, the probe columns.
std::vector<int32_t> windowColumns(int32_t n, int32_t d) {
  std::set<int32_t> columns = {0, d - 1, d, n / 2, n - 1 - d, n - d, n - 1};
  if (n < 999 && d <= 2) {
    for (const int32_t column : probeColumns(n)) columns.insert(column);
  }
  std::erase_if(columns, [n](int32_t column) { return column < 0 || column >= n; });
  return {columns.begin(), columns.end()};
}

// Around one black cell on the diagonal at each probe column, black cells at distance d and
// d + 1 in each direction and a red cell; the rest is white. The thresholds sit at the edge
// of passing, so that one cell too many or too few in any window changes the verdict.
TEST(CheckGridWide, CountsEveryWindowInEveryPartOfARow) {
  // The centre, then directions from it with 0 for a cell at distance d, 1 for d + 1.
  const int32_t around[][3] = {{0, 0, 0},  {0, 1, 0},  {1, 0, 0}, {1, 1, 0},
                               {0, -1, 1}, {-1, 0, 1}, {1, -1, 1}};
  for (const int32_t n : LayoutWidths) {
    for (const int32_t d : probeRadii(n)) {
      for (const int32_t j : windowColumns(n, d)) {
        Rows input(n, std::string(n, '.'));
        if (j > 0) input[j][j - 1] = 'R';
        Rows candidate = input;
        for (const auto& [di, dj, past] : around) {
          const int32_t i = j + di * (d + past);
          const int32_t k = j + dj * (d + past);
          if (i >= 0 && i < n && k >= 0 && k < n && candidate[i][k] == '.') candidate[i][k] = '#';
        }
        const std::vector<BlackCell> cells = blackCells(candidate, d);
        TestCase testCase = testCaseOf(input, d, 1, 1);
        const Grid grid = gridOverBlack(candidate);
        for (const auto& [b, c] : edgeThresholds(cells, d)) {
          testCase.b = b;
          testCase.c = c;
          ASSERT_EQ(checkVerdict(testCase, grid), countingVerdict(cells, b, c))
              << "n " << n << " d " << d << " column " << j + 1 << " b " << b << " c " << c;
        }
      }
    }
  }
}

}  // namespace
