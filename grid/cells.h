#pragma once

// The three cell characters of a grid: the one place where they are spelled.

/// A red cell, which must stay red.
inline constexpr char RedCell = 'R';
/// A black cell, which must stay black.
inline constexpr char BlackCell = '#';
/// A white cell, which a contestant may paint black.
inline constexpr char WhiteCell = '.';

/// Among the cell characters, only red has this bit set.
inline constexpr int RedOnlyBit = 6;
/// Among the cell characters, only white has this bit set.
inline constexpr int WhiteOnlyBit = 3;

static_assert((RedCell >> RedOnlyBit & 1) == 1 && (BlackCell >> RedOnlyBit & 1) == 0 &&
                  (WhiteCell >> RedOnlyBit & 1) == 0,
              "the red bit tells red apart");
static_assert((WhiteCell >> WhiteOnlyBit & 1) == 1 && (BlackCell >> WhiteOnlyBit & 1) == 0 &&
                  (RedCell >> WhiteOnlyBit & 1) == 0,
              "the white bit tells white apart");
