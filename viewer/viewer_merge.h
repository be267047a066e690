#pragma once

#include <string>
#include <vector>

#include "evaluation/score.h"

// The page's download of the best of the loaded submissions: the same merge as
// mrezovnik-merge's, made in the module and kept in its memory until the page has read it.

/// A merge as the page reads it.
struct ViewerMerge {
  /// The merged submission's bytes, or what stopped the merge.
  std::string text;
  /// Whether `text` says what stopped the merge.
  bool failed = false;
};

/// Merges the submissions at `submissionPaths`, in that order, as mrezovnik-merge INPUT
/// SUBMISSION... --better does: the bytes that it writes to standard output, or what it tells
/// instead (the input file's failure line, or what else stopped the merge).
ViewerMerge mergeSubmissions(const std::string& inputPath,
                             const std::vector<std::string>& submissionPaths, Better better);
