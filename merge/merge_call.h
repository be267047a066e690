#pragma once

#include <optional>
#include <string>
#include <vector>

#include "evaluation/score.h"

// The command line of mrezovnik-merge:
//   mrezovnik-merge INPUT SUBMISSION... --better higher|lower [-o FILE]

/// A call of mrezovnik-merge, as its command line gives it.
struct MergeCall {
  /// The input file.
  std::string inputPath;
  /// The submissions, in the order given: between equal counts, the earlier one's block wins.
  std::vector<std::string> submissionPaths;
  /// --better: which counts are better.
  std::optional<Better> better;
  /// -o: the file to write; standard output when not given.
  std::optional<std::string> outputPath;
  /// --help or -h: the usage text is asked for.
  bool help = false;
};

/// Reads the command line into `call`; returns an empty string, or what is wrong with it.
/// Options may stand anywhere, as "--better value", "--better=value" and "-o FILE"; after
/// "--" every argument is a path.
std::string parseMergeCall(int argc, const char* const* argv, MergeCall& call);

/// The usage text.
std::string mergeUsage();
