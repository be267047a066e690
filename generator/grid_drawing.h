#pragma once

// The cells of a generated grid, drawn at random.

#include <cstdint>

#include "generator/random_source.h"
#include "grid/grid.h"

/// Draws every cell of `grid` from `random`, row by row: red with a chance of redPercent in
/// 100, black with blackPercent in 100 (redPercent + blackPercent <= 100), white otherwise.
void drawCells(Grid& grid, int32_t redPercent, int32_t blackPercent, RandomSource& random);
