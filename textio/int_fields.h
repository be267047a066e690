#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "textio/line_reader.h"

/// Parses a line of non-negative 32-bit integers separated by white space into `values`
/// (emptied first). Fails at the first offending byte: check 48 for a minus sign, 50 for
/// any other byte that is neither a digit nor a separator, 57 for a digit that would take a
/// value past 2147483647. `lineNo` is the line's number, for the messages.
void parseInts(std::string_view text, std::vector<int32_t>& values, int64_t lineNo);

/// Reads the next line as exactly `count` integers into `values`: check 69 when the line
/// is missing, the checks of parseInts, then check 72 when it holds another number of them.
/// The line is parsed as it is read, never stored whole.
void readInts(LineReader& reader, std::vector<int32_t>& values, int32_t count);

/// The number of a line that must hold one number alone, read as the scan "%d%c" giving
/// exactly one conversion: C white space (bytes 9 to 13, 32) may precede it, a sign may
/// precede its digits, nothing at all may follow it. False when the line is anything else,
/// including a number outside the 32-bit range, which is never wrapped or clamped.
bool parseLoneInt(std::string_view line, int32_t& value);
