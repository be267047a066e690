#pragma once

#include <cstdint>

#include "codepath/code_path.h"
#include "grid/grid.h"
#include "grid/packed_grid.h"
#include "judge/cell_fault.h"

// The comparison phase of the grid check, row by row: whether a candidate row holds a cell
// that the input refuses (an invalid byte, a changed red or black cell, a white cell turned
// red), and which cells those are.

/// The first row from row `first` on that holds a cell the input refuses, or n, found on
/// the given path.
int32_t firstRefusedRow(const PackedGrid& input, const Grid& candidate, int32_t first,
                        CodePath path);

/// Adds every refused cell of row i to `faults`, from the left, found on the given path.
void listRefusedCells(const PackedGrid& input, const Grid& candidate, int32_t i, CodePath path,
                      FaultList& faults);
