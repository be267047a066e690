#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The submission files that the command line names: each file as it is named, and each
// folder's regular files (not those of its subfolders), in the byte order of their names.

/// One submission file to judge.
struct SubmissionFile {
  /// Its path: as named, or the folder's path as named, a slash (unless the folder's path ends
  /// with a separator) and its name.
  std::string path;
  /// Its name, the last part of the path, by which the last file of a contestant is chosen.
  std::string name;
  /// Its size in bytes, 0 when unknown; for the progress shown and the order of judging.
  uint64_t size = 0;
};

/// The files of the named submissions, in the order named, a folder's files sorted by name (the
/// bytes of the names, the same on every platform). A name that is no folder is taken as a
/// file, even one that does not exist (it is then unreadable); so is a folder that cannot be
/// listed.
std::vector<SubmissionFile> listSubmissionFiles(const std::vector<std::string>& named);
