#include "generator/threshold_repair.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "grid/cells.h"

void ThresholdRepair::repair(Grid& rows, int32_t d, int32_t b, int32_t c) {
  const int32_t n = rows.size();
  whiteColumns_.assign(static_cast<std::size_t>(n), 0);
  blackColumns_.assign(static_cast<std::size_t>(n), 0);
  whitened_.resize(static_cast<std::size_t>(n));
  // The sums take d zeros before them and d copies of the row's total after them.
  const int32_t reach = std::min(d, n);
  whiteSums_.assign(static_cast<std::size_t>(n) + 2 * static_cast<std::size_t>(reach) + 1, 0);
  blackSums_.assign(whiteSums_.size(), 0);
  for (int32_t i = 0; i < reach; ++i) countRow(rows.rowData(i), n, 1);
  for (int32_t i = 0; i < n; ++i) {
    // The window moves down to rows i - d to i + d.
    if (i + d < n) countRow(rows.rowData(i + d), n, 1);
    if (i - d - 1 >= 0) countRow(rows.rowData(i - d - 1), n, -1);
    char* row = rows.rowData(i);
    if (std::memchr(row, BlackCell, static_cast<std::size_t>(n)) == nullptr) continue;
    sumColumns(n, reach);
    repairRow(row, n, reach, b, c);
  }
}

void ThresholdRepair::countRow(const char* row, int32_t n, int32_t sign) {
  for (int32_t j = 0; j < n; ++j) {
    whiteColumns_[j] += sign * static_cast<int32_t>(row[j] == WhiteCell);
    blackColumns_[j] += sign * static_cast<int32_t>(row[j] == BlackCell);
  }
}

void ThresholdRepair::sumColumns(int32_t n, int32_t reach) {
  int32_t* white = whiteSums_.data() + reach;
  int32_t* black = blackSums_.data() + reach;
  for (int32_t j = 0; j < n; ++j) {
    white[j + 1] = white[j] + whiteColumns_[j];
    black[j + 1] = black[j] + blackColumns_[j];
  }
  std::fill(white + n + 1, white + n + 1 + reach, white[n]);
  std::fill(black + n + 1, black + n + 1 + reach, black[n]);
}

void ThresholdRepair::repairRow(char* row, int32_t n, int32_t reach, int32_t b, int32_t c) {
  // A cell whitened earlier in this row still counts as black in the sums: its neighbours
  // along the row are judged with one white cell fewer and one black cell more than they
  // have, which only ever whitens more. The padded sums need no clipping: the window of
  // column j is columns j - reach to j + reach. Both loops are branch-free, so that the
  // compiler can run them in vectors.
  const std::ptrdiff_t window = 2 * static_cast<std::ptrdiff_t>(reach) + 1;
  const int32_t* whiteRight = whiteSums_.data() + window;
  const int32_t* blackRight = blackSums_.data() + window;
  const int32_t* whiteLeft = whiteSums_.data();
  const int32_t* blackLeft = blackSums_.data();
  int32_t* whitened = whitened_.data();
  for (int32_t j = 0; j < n; ++j) {
    const int32_t whites = whiteRight[j] - whiteLeft[j];
    const int32_t blacks = blackRight[j] - blackLeft[j] - 1;
    whitened[j] = static_cast<int32_t>(row[j] == BlackCell) &
                  (static_cast<int32_t>(whites < b) | static_cast<int32_t>(blacks > c));
  }
  constexpr char WhiteningFlip = BlackCell ^ WhiteCell;
  int32_t* whiteColumns = whiteColumns_.data();
  int32_t* blackColumns = blackColumns_.data();
  for (int32_t j = 0; j < n; ++j) {
    row[j] = static_cast<char>(row[j] ^ (whitened[j] * WhiteningFlip));
    whiteColumns[j] += whitened[j];
    blackColumns[j] -= whitened[j];
  }
}
