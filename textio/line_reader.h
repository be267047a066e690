#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "textio/text_file.h"

/// A numbered reader over one text file: every message about the file names a line.
struct LineReader {
  /// The file being read; opened, owned and kept open by the caller.
  TextFile& in;
  /// The number of the line last read or attempted; 0 before the first read.
  int64_t lineNo = 0;
};

/// Reads the next line into `line`, replacing what it held (check 69 when none is left).
void readLine(LineReader& reader, std::string& line);

/// Reads the next line into `line` and counts it, or returns false, counting nothing, at the
/// end of the file; for a file that may end there.
bool readLineIfPresent(LineReader& reader, std::string& line);

/// Reads the next line and returns its length; the line's bytes are copied to `row` only
/// when the line is exactly `width` bytes long (check 69 when none is left).
std::size_t readRow(LineReader& reader, char* row, std::size_t width);

/// Reads the next line and returns its length, storing none of it (check 69 when none is
/// left).
std::size_t measureLine(LineReader& reader);

/// Fails with check 73 when the file holds any further line, even an empty one.
void expectEnd(LineReader& reader);

/// Counts the next line as read and fails with check 69 if it is missing; for callers
/// that take the line from `in` themselves with their own sink.
void startLine(LineReader& reader);
