#pragma once

// The messages of the grid check's faults as a report words them, composed from scratch.

#include <cstdint>
#include <string>

#include "tests/reference/grid_rows.h"

/// "<column>. polje v <row>. vrstici je " for the cell at 0-based (row, column).
inline std::string cellPlace(int32_t row, int32_t column) {
  return std::to_string(column + 1) + ". polje v " + std::to_string(row + 1) + ". vrstici je ";
}

/// The comparison message for one cell, or "" when the cell passes.
inline std::string cellFault(int32_t row, int32_t column, char in, char out) {
  auto word = [](char cell) {
    return cell == WhiteChar ? "belo" : cell == BlackChar ? "crno" : "rdece";
  };
  if (out != RedChar && out != BlackChar && out != WhiteChar) {
    return cellPlace(row, column) + "neveljaven znak (koda " +
           std::to_string(static_cast<unsigned char>(out)) + "), ki ni niti R niti # niti pika";
  }
  if ((in == RedChar || in == BlackChar) && out != in) {
    return cellPlace(row, column) + "v vhodni mrezi " + word(in) + ", v izhodni pa " + word(out);
  }
  if (in == WhiteChar && out == RedChar) {
    return cellPlace(row, column) + "v vhodni mrezi belo, v izhodni pa rdece";
  }
  return {};
}

/// The message for a black cell with `whites` white neighbours, fewer than b.
inline std::string tooFewWhiteMessage(int32_t row, int32_t column, int32_t whites, int32_t b) {
  return cellPlace(row, column) + "crno in ima " + std::to_string(whites) +
         " bliznjih belih polj, kar je manj kot b = " + std::to_string(b);
}

/// The message for a black cell with `blacks` black neighbours, more than c.
inline std::string tooManyBlackMessage(int32_t row, int32_t column, int32_t blacks, int32_t c) {
  return cellPlace(row, column) + "crno in ima " + std::to_string(blacks) +
         " bliznjih crnih polj, kar je vec kot c = " + std::to_string(c);
}
