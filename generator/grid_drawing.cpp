#include "generator/grid_drawing.h"

#include "grid/cells.h"

namespace {

/// The cells that one draw of 64 bits decides, 16 bits each.
constexpr int32_t CellsPerDraw = 4;

/// A share in percent as a bound on 16-bit draws: a draw below it falls within the share.
uint32_t percentBound(int32_t percent) { return static_cast<uint32_t>(percent) * 65536U / 100U; }

/// Draws the cells of one row: a 16-bit draw below `redBound` gives red, one below
/// `nonWhiteBound` black, any other white.
void drawRow(char* cells, int32_t n, uint32_t redBound, uint32_t nonWhiteBound,
             RandomSource& random) {
  // Indexed by how many of the two bounds the draw falls below.
  constexpr char ByBoundsBelow[] = {WhiteCell, BlackCell, RedCell};
  for (int32_t j = 0; j < n; j += CellsPerDraw) {
    uint64_t bits = random.next();
    const int32_t end = j + CellsPerDraw < n ? j + CellsPerDraw : n;
    for (int32_t k = j; k < end; ++k, bits >>= 16) {
      const auto draw = static_cast<uint32_t>(bits & 0xffffU);
      cells[k] = ByBoundsBelow[static_cast<int>(draw < redBound) + (draw < nonWhiteBound)];
    }
  }
}

}  // namespace

void drawCells(Grid& grid, int32_t redPercent, int32_t blackPercent, RandomSource& random) {
  const uint32_t redBound = percentBound(redPercent);
  const uint32_t nonWhiteBound = percentBound(redPercent + blackPercent);
  for (int32_t i = 0; i < grid.size(); ++i) {
    drawRow(grid.rowData(i), grid.size(), redBound, nonWhiteBound, random);
  }
}
