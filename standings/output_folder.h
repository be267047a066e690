#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The folder of the standings: its files written whole or not at all. Each file is written
// under a temporary name first; only when every one has been written and closed are they
// renamed over the files of an earlier run, so that a failure (a full device) leaves the
// earlier files as they were, never a mix.

/// One file of the folder.
struct OutputFile {
  /// Its name in the folder.
  std::string name;
  /// Writes its text (in text mode: CR LF line ends on Windows, as the reports have).
  std::function<void(std::FILE*)> write;
};

/// Writes `files` into the folder `dir`, made when missing, and then removes the files named
/// `stale` there, which an earlier run may have left; the files of other names stay. Returns
/// an empty string, or what failed: when a file cannot be written, none of `files` has
/// replaced an earlier one (a rename in the same folder that fails after others, which is
/// rarer still, is reported too).
std::string writeOutputFolder(const std::string& dir, const std::vector<OutputFile>& files,
                              const std::vector<std::string_view>& stale);

/// An output file of a text made beforehand.
OutputFile textFile(std::string name, std::string text);
