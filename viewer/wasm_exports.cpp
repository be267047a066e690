// The functions that the viewer's page calls beside the evaluator: the neighbourhood counts
// of the grid that it shows, computed by the judge's own code.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <cstring>

#include "judge/neighbourhood_counts.h"

namespace {

/// One shown grid and its counts; the page holds it by its address.
struct ShownGrid {
  /// Copies n rows of n cell characters, row after row, from `cells`.
  ShownGrid(const char* cells, int32_t n, int32_t d) : grid(copyGrid(cells, n)), counts(grid, d) {}

  /// A grid holding the given rows.
  static Grid copyGrid(const char* cells, int32_t n) {
    Grid copy(n);
    for (int32_t i = 0; i < n; ++i) std::memcpy(copy.rowData(i), cells + i * n, n);
    return copy;
  }

  Grid grid;
  NeighbourhoodCounts counts;
};

}  // namespace

extern "C" {

/// The counts of an n by n grid (cells row after row) for radius d; null when out of memory.
EMSCRIPTEN_KEEPALIVE ShownGrid* viewerCountsCreate(const char* cells, int32_t n, int32_t d) {
  try {
    return new ShownGrid(cells, n, d);
  } catch (...) {
    return nullptr;
  }
}

/// The white count of the cell in row i, column j (both from 0).
EMSCRIPTEN_KEEPALIVE int32_t viewerWhiteCount(const ShownGrid* shown, int32_t i, int32_t j) {
  return shown->counts.whiteCount(i, j);
}

/// The black count of the cell in row i, column j (both from 0).
EMSCRIPTEN_KEEPALIVE int32_t viewerBlackCount(const ShownGrid* shown, int32_t i, int32_t j) {
  return shown->counts.blackCount(i, j);
}

/// Releases what viewerCountsCreate made.
EMSCRIPTEN_KEEPALIVE void viewerCountsRelease(ShownGrid* shown) { delete shown; }

}  // extern "C"
