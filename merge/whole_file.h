#pragma once

#include <cstdio>
#include <functional>
#include <string>

/// Writes the file at `path` whole or not at all: `write` fills a new temporary file beside it
/// (opened in binary mode), which replaces `path` only once it is complete and closed.
/// `write` returns what went wrong, or "". Returns what went wrong, the temporary file then
/// removed and `path` left as it was, or "".
std::string writeWholeFile(const std::string& path,
                           const std::function<std::string(std::FILE*)>& write);
