#pragma once

#include <cstddef>
#include <cstdint>

#include "grid/grid.h"
#include "textio/line_reader.h"

/// Reads the n rows of an n by n grid into `rows`, one line each, as both file readers do. The
/// first row of another length goes to `wrongLength(row, length)`, with the row indexed from 0,
/// which fails with the reader's own check.
template <class WrongLength>
void readGridRows(Grid& rows, int32_t n, LineReader& reader, WrongLength&& wrongLength) {
  rows.resize(n);
  for (int32_t row = 0; row < n; ++row) {
    const std::size_t length = readRow(reader, rows.rowData(row), n);
    if (length != static_cast<std::size_t>(n)) wrongLength(row, length);
  }
}
