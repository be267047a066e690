#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "evaluation/score.h"

// The command line of mrezovnik-rank: the input file, the submissions, the folder to write and
// the options of the standings.

/// How each contestant's submission is chosen among theirs.
enum class Policy : uint8_t {
  /// The one with the highest score.
  Best,
  /// The last in the order of file names.
  Last,
};

/// A policy with the word that the command line names it by.
struct PolicyEntry {
  /// The policy.
  Policy policy;
  /// Its word.
  std::string_view word;
};

/// Every policy, in the order of their values.
inline constexpr PolicyEntry Policies[] = {{Policy::Best, "best"}, {Policy::Last, "last"}};

/// The word of a policy.
constexpr std::string_view policyWord(Policy policy) {
  return Policies[static_cast<std::size_t>(policy)].word;
}

/// A call of mrezovnik-rank, as its command line gives it.
struct RankCall {
  /// The task's input file.
  std::string input;
  /// The submissions named: files, or folders whose files are all taken.
  std::vector<std::string> submissions;
  /// --out: the folder that the standings are written to.
  std::string out;
  /// --better: which counts are better; required.
  std::optional<Better> better;
  /// --policy.
  Policy policy = Policy::Best;
  /// --jobs: how many submissions are judged at a time; 0 for one per core.
  uint32_t jobs = 0;
  /// --compare: the folder of an earlier run.
  std::optional<std::string> compare;
  /// --help: only the usage text is asked for.
  bool help = false;
};

/// The exit codes of mrezovnik-rank.
enum ExitCode : int {
  /// The standings were written.
  ExitWritten = 0,
  /// The command line is wrong: the usage text on standard error, nothing read or written.
  ExitUsage = 1,
  /// The input file has a fault: its failure line on standard error, nothing written.
  ExitInputFault = 2,
  /// The earlier run's folder (--compare) is missing or malformed: nothing written.
  ExitEarlierRun = 3,
  /// The folder or a file in it could not be written: no file of this run replaced one there.
  ExitWriteFailed = 4,
};

/// The most submissions judged at a time that --jobs takes.
inline constexpr uint32_t MostJobs = 256;

/// Reads the command line into `call`; returns an empty string, or what is wrong with it.
/// Options may come anywhere, as "--option value" or "--option=value"; after "--", every
/// argument is a path.
std::string parseRankCall(int argc, const char* const* argv, RankCall& call);

/// The usage text.
std::string rankUsage();
