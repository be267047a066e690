#include "standings/rank_call.h"

#include <charconv>

#include "driver/option_value.h"

namespace {

/// The policy named by `word`, or nothing.
std::optional<Policy> policyNamed(std::string_view word) {
  for (const PolicyEntry& entry : Policies) {
    if (entry.word == word) return entry.policy;
  }
  return std::nullopt;
}

/// --jobs's value: a whole number from 1 to MostJobs, or nothing.
std::optional<uint32_t> jobsOf(std::string_view value) {
  uint32_t jobs = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), jobs);
  if (error != std::errc() || end != value.data() + value.size() || jobs < 1 || jobs > MostJobs) {
    return std::nullopt;
  }
  return jobs;
}

/// Takes the value of option `name` into `call`; returns what is wrong with it, or "".
std::string takeOption(std::string_view name, std::string_view value, RankCall& call) {
  std::string quoted(1, '\'');
  quoted.append(value).push_back('\'');
  if (name == "--out") {
    if (value.empty()) return "--out needs a folder";
    call.out = value;
  } else if (name == "--better") {
    call.better = betterNamed(value);
    if (!call.better) return "--better takes higher or lower, not " + quoted;
  } else if (name == "--policy") {
    const std::optional<Policy> policy = policyNamed(value);
    if (!policy) return "--policy takes best or last, not " + quoted;
    call.policy = *policy;
  } else if (name == "--jobs") {
    const std::optional<uint32_t> jobs = jobsOf(value);
    if (!jobs)
      return "--jobs takes a number from 1 to " + std::to_string(MostJobs) + ", not " + quoted;
    call.jobs = *jobs;
  } else if (name == "--compare") {
    if (value.empty()) return "--compare needs a folder";
    call.compare = value;
  } else {
    return "unknown option " + std::string(name);
  }
  return "";
}

/// Takes a path: the input file first, then the submissions.
void takePath(std::string_view path, RankCall& call) {
  if (call.input.empty()) {
    call.input = path;
  } else {
    call.submissions.emplace_back(path);
  }
}

/// What is wrong with the call once every argument is read, or "".
std::string checkComplete(const RankCall& call) {
  if (call.input.empty()) return "no input file named";
  if (call.submissions.empty()) return "no submission named";
  if (call.out.empty()) return "--out DIR is required";
  if (!call.better) return "--better higher or --better lower is required";
  return "";
}

}  // namespace

std::string parseRankCall(int argc, const char* const* argv, RankCall& call) {
  bool pathsOnly = false;
  for (int k = 1; k < argc; ++k) {
    const std::string_view argument = argv[k];
    if (!pathsOnly && argument == "-h") {
      call.help = true;
      return "";
    }
    if (pathsOnly || !argument.starts_with("--") || argument == "--") {
      if (!pathsOnly && argument == "--") {
        pathsOnly = true;
      } else {
        takePath(argument, call);
      }
      continue;
    }
    if (argument == "--help") {
      call.help = true;
      return "";
    }
    std::string problem =
        takeOptionValue(argc, argv, k, [&call](std::string_view name, std::string_view value) {
          return takeOption(name, value, call);
        });
    if (!problem.empty()) return problem;
  }
  return checkComplete(call);
}

std::string rankUsage() {
  return "Usage: mrezovnik-rank INPUT SUBMISSION... --out DIR --better higher|lower\n"
         "                      [--policy best|last] [--jobs N] [--compare OLD_DIR]\n"
         "  SUBMISSION         a submission file, or a folder whose files are all taken\n"
         "  --out DIR          the folder to write results.csv, standings.csv, best.txt,\n"
         "                     standings.json and standings.html to\n"
         "  --better higher|lower   which counts are better (required)\n"
         "  --policy best|last      each contestant's highest score (the default), or their\n"
         "                          last file in name order\n"
         "  --jobs N           submissions judged at a time (default: one per core)\n"
         "  --compare OLD_DIR  also list what changed since the run that wrote OLD_DIR\n"
         "See man mrezovnik-rank.\n";
}
