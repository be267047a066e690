#include "merge/merge_call.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

/// The call that a command line gives, as "input submissions... better [-o file]", or its
/// problem.
std::string parsed(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "mrezovnik-merge");
  MergeCall call;
  const std::string problem =
      parseMergeCall(static_cast<int>(arguments.size()), arguments.data(), call);
  if (call.help) return "help";
  if (!problem.empty()) return "! " + problem;
  std::string text = call.inputPath;
  for (const std::string& path : call.submissionPaths) text += " " + path;
  text += *call.better == Better::Higher ? " higher" : " lower";
  return text + (call.outputPath ? " -o " + *call.outputPath : "");
}

TEST(MergeCall, ReadsThePathsWithOptionsAnywhere) {
  const std::vector<std::pair<std::vector<const char*>, std::string>> cases = {
      {{"in", "a", "b", "--better", "higher"}, "in a b higher"},
      {{"--better=lower", "in", "-o", "out", "a"}, "in a lower -o out"},
      {{"in", "a", "--better", "lower", "--", "-b", "--better"}, "in a -b --better lower"},
      {{"in", "-", "--better", "higher"}, "in - higher"},
      {{"in", "a", "--help"}, "help"},
      {{"-h"}, "help"},
      {{}, "! no INPUT file named"},
      {{"--better", "higher", "in"}, "! no SUBMISSION named"},
      {{"in", "a"}, "! --better higher or --better lower is required"},
      {{"in", "a", "--better", "best"}, "! --better takes higher or lower, not 'best'"},
      {{"in", "a", "--better", "higher", "--better=lower"}, "! --better is given twice"},
      {{"in", "a", "--better"}, "! --better needs a value"},
      {{"in", "a", "--better", "higher", "-o"}, "! -o needs a value"},
      {{"in", "a", "--better", "higher", "-o", ""}, "! -o needs a file name"},
      {{"in", "a", "-o", "x", "-o", "y", "--better", "higher"}, "! -o is given twice"},
      {{"in", "a", "--better", "higher", "--score"}, "! unknown option --score"},
      {{"in", "a", "--output=x"}, "! unknown option --output"},
  };
  for (const auto& [arguments, expected] : cases) EXPECT_EQ(parsed(arguments), expected);
}

}  // namespace
