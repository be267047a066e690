#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "evaluation/score.h"

// The command line of mrezovnik-judge: the contest system ("host") that calls it, that host's
// own arguments, and the options of the score.

/// The contest systems, each with its own checker contract.
enum class Host : uint8_t {
  /// CMS: `checker input correct_output contestant_output`.
  Cms,
  /// The ICPC problem package format: `validator input answer feedback_dir < output`.
  Icpc,
  /// testlib hosts: `check input output answer [report [-appes]]`.
  Testlib,
};

/// How the score is computed.
enum class ScoreRule : uint8_t {
  /// The sum of each answered test case's first block's count.
  Count,
  /// The mean of each test case's fraction of the best count known (the answer file).
  Relative,
};

/// One host's entry of the table of hosts.
struct HostEntry {
  /// The host.
  Host host;
  /// Its command word.
  const char* word;
  /// Its arguments, as the usage text names them.
  const char* arguments;
  /// Whether the contestant's output comes on standard input.
  bool outputOnStandardInput;
  /// The fewest and the most of its own paths.
  std::size_t fewestPaths;
  std::size_t mostPaths;
  /// The exit code that the host reads as the judge's own failure, never a contestant's
  /// verdict.
  int judgeErrorExit;
};

/// Every host, in the order of the usage text.
inline constexpr HostEntry Hosts[] = {
    {Host::Cms, "cms", "INPUT ANSWER OUTPUT", false, 3, 3, 1},
    {Host::Icpc, "icpc", "INPUT ANSWER FEEDBACK_DIR", true, 3, 3, 1},
    {Host::Testlib, "testlib", "INPUT OUTPUT ANSWER [REPORT [-appes]]", false, 3, 4, 3},
};

/// The table entry of a host.
constexpr const HostEntry& entryOf(Host host) { return Hosts[static_cast<std::size_t>(host)]; }
static_assert(entryOf(Host::Cms).host == Host::Cms && entryOf(Host::Icpc).host == Host::Icpc &&
                  entryOf(Host::Testlib).host == Host::Testlib,
              "the table lists the hosts in the order of their values");

/// A call of mrezovnik-judge, as its command line gives it.
struct JudgeCall {
  /// The host's table entry.
  const HostEntry* host = nullptr;
  /// The host's own arguments in its order (testlib's "-appes" left out).
  std::vector<std::string> paths;
  /// --score.
  ScoreRule rule = ScoreRule::Count;
  /// --better; required by the relative score.
  std::optional<Better> better;
  /// testlib's "-appes": the report file in its XML form.
  bool appes = false;
};

/// The exit code of a command line that names no host, or asks for nothing it can do.
inline constexpr int ExitNoHost = 2;

/// Reads the command line into `call`; returns an empty string, or what is wrong with it
/// (`call.host` is set once the host word has been read). Options may come before or after
/// the host's own arguments, as "--option value" or "--option=value".
std::string parseJudgeCall(int argc, const char* const* argv, JudgeCall& call);

/// The usage text: one line per host, then the options.
std::string judgeUsage();
