#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "textio/checks.h"
#include "textio/line_reader.h"

/// Reads the next line into `line`; it must be the task name, byte for byte. Otherwise fails
/// with check number `check`, naming the line by its `ordinal` ("prvi", "drugi") and quoting
/// it.
void readTaskNameLine(LineReader& reader, std::string& line, std::string_view ordinal, Check check);
