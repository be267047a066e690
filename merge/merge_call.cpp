#include "merge/merge_call.h"

#include <string_view>

namespace {

/// Takes the value of option `name` into `call`; returns what is wrong with it, or "".
std::string takeOption(std::string_view name, std::string_view value, MergeCall& call) {
  if (name == "--better") {
    if (call.better) return "--better is given twice";
    call.better = betterNamed(value);
    if (call.better) return "";
    return "--better takes higher or lower, not '" + std::string(value) + "'";
  }
  if (name == "-o") {
    if (call.outputPath) return "-o is given twice";
    if (value.empty()) return "-o needs a file name";
    call.outputPath = std::string(value);
    return "";
  }
  return "unknown option " + std::string(name);
}

/// Whether an argument names an option that takes a value.
bool takesValue(std::string_view argument) { return argument == "--better" || argument == "-o"; }

/// What is wrong with the arguments once all are read, or "".
std::string checkComplete(const MergeCall& call) {
  if (call.inputPath.empty()) return "no INPUT file named";
  if (call.submissionPaths.empty()) return "no SUBMISSION named";
  if (!call.better) return "--better higher or --better lower is required";
  return "";
}

}  // namespace

std::string parseMergeCall(int argc, const char* const* argv, MergeCall& call) {
  std::vector<std::string> paths;
  bool options = true;
  for (int k = 1; k < argc; ++k) {
    const std::string_view argument = argv[k];
    if (!options || argument == "-" || !argument.starts_with("-")) {
      paths.emplace_back(argument);
      continue;
    }
    if (argument == "--") {
      options = false;
      continue;
    }
    if (argument == "--help" || argument == "-h") {
      call.help = true;
      return "";
    }
    const std::size_t equals = argument.find('=');
    std::string problem;
    if (equals != std::string_view::npos && argument.starts_with("--")) {
      problem = takeOption(argument.substr(0, equals), argument.substr(equals + 1), call);
    } else if (!takesValue(argument)) {
      problem = "unknown option " + std::string(argument);
    } else if (k + 1 < argc) {
      problem = takeOption(argument, argv[++k], call);
    } else {
      problem = std::string(argument) + " needs a value";
    }
    if (!problem.empty()) return problem;
  }
  if (!paths.empty()) {
    call.inputPath = paths.front();
    call.submissionPaths.assign(paths.begin() + 1, paths.end());
  }
  return checkComplete(call);
}

std::string mergeUsage() {
  return "Usage: mrezovnik-merge INPUT SUBMISSION... --better higher|lower [-o FILE]\n"
         "  Writes one submission that holds, for each test case, the best block among the\n"
         "  SUBMISSION files that is valid on its own; a table of the choices goes to\n"
         "  standard error.\n"
         "  --better higher|lower   which near-pair counts are better (required)\n"
         "  -o FILE                 write FILE (whole, or not at all) instead of standard "
         "output\n"
         "See man mrezovnik-merge.\n";
}
