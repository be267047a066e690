#pragma once

#include <cstddef>
#include <string>
#include <string_view>

/// The most bytes of a text that a host is shown; a quoted line of a submission may be far
/// longer.
inline constexpr std::size_t HostTextLimit = 1000;

/// `text` as a contest system can show it on one line, whatever bytes it holds: printable
/// ASCII stays, a backslash is doubled, and every other byte (control bytes, a carriage
/// return, bytes from 127 up) is written as \xNN; after HostTextLimit bytes of `text` it ends
/// with " ... (N more bytes)".
std::string hostText(std::string_view text);
