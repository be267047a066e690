#pragma once

#include <string_view>

// The checks that a program makes before it writes a file that it may also be reading: the
// evaluator's report, the merged submission.

/// Whether `outputPath` names the existing file that `otherPath` names, through any link.
bool namesSameFile(const char* outputPath, const char* otherPath);

/// Whether a Windows path names a data stream of a file ("name:stream", "name::$DATA"): the
/// input's own data may stand behind such a name, where no comparison of files can see it.
/// Elsewhere a colon is an ordinary character of a file name.
bool namesDataStream(std::string_view path);
