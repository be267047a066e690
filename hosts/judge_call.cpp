#include "hosts/judge_call.h"

#include <string_view>

#include "driver/option_value.h"

namespace {

/// The table entry of a host word, or null.
const HostEntry* hostNamed(std::string_view word) {
  for (const HostEntry& entry : Hosts) {
    if (word == entry.word) return &entry;
  }
  return nullptr;
}

/// Takes the value of option `name` into `call`; returns what is wrong with it, or "".
std::string takeOption(std::string_view name, std::string_view value, JudgeCall& call) {
  if (name == "--score") {
    if (value == "count" || value == "relative") {
      call.rule = value == "count" ? ScoreRule::Count : ScoreRule::Relative;
      return "";
    }
    return "--score takes count or relative, not '" + std::string(value) + "'";
  }
  if (name == "--better") {
    call.better = betterNamed(value);
    if (call.better) return "";
    return "--better takes higher or lower, not '" + std::string(value) + "'";
  }
  // testlib's own options, which its hosts may pass to any checker.
  if (call.host->host == Host::Testlib && (name == "--testset" || name == "--group")) return "";
  return "unknown option " + std::string(name);
}

/// Whether an argument is testlib's request for the XML report.
bool asksForXml(std::string_view argument) { return argument == "-appes" || argument == "-APPES"; }

/// What is wrong with the arguments once all are read, or "".
std::string checkComplete(const JudgeCall& call) {
  const HostEntry& host = *call.host;
  if (call.paths.size() < host.fewestPaths || call.paths.size() > host.mostPaths) {
    return std::string(host.word) + " takes " + host.arguments +
           (host.outputOnStandardInput ? ", with OUTPUT on standard input" : "");
  }
  if (call.appes && call.paths.size() < 4) return "-appes needs the REPORT file before it";
  if (call.rule == ScoreRule::Relative && !call.better) {
    return "--score relative needs --better higher or --better lower";
  }
  return "";
}

}  // namespace

std::string parseJudgeCall(int argc, const char* const* argv, JudgeCall& call) {
  if (argc < 2) return "no host named";
  call.host = hostNamed(argv[1]);
  if (call.host == nullptr) return "unknown host '" + std::string(argv[1]) + "'";
  for (int k = 2; k < argc; ++k) {
    const std::string_view argument = argv[k];
    if (call.host->host == Host::Testlib && asksForXml(argument)) {
      call.appes = true;
      continue;
    }
    if (!argument.starts_with("--")) {
      call.paths.emplace_back(argument);
      continue;
    }
    std::string problem =
        takeOptionValue(argc, argv, k, [&call](std::string_view name, std::string_view value) {
          return takeOption(name, value, call);
        });
    if (!problem.empty()) return problem;
  }
  return checkComplete(call);
}

std::string judgeUsage() {
  std::string usage = "Usage:\n";
  for (const HostEntry& entry : Hosts) {
    usage += "  mrezovnik-judge " + std::string(entry.word) + " " + entry.arguments + " [options]" +
             (entry.outputOnStandardInput ? " < OUTPUT\n" : "\n");
  }
  usage +=
      "Options (before or after the host's arguments):\n"
      "  --score count      the sum of each answered test case's count (the default)\n"
      "  --score relative   the mean fraction of the best counts in ANSWER\n"
      "  --better higher|lower   which counts are better; required by --score relative\n"
      "See man mrezovnik-judge.\n";
  return usage;
}
