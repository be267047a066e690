#include "standings/rank_call.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

/// The call that a command line gives, as "input submissions... out better policy jobs
/// compare", or its problem.
std::string parsed(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "mrezovnik-rank");
  RankCall call;
  const std::string problem =
      parseRankCall(static_cast<int>(arguments.size()), arguments.data(), call);
  if (!problem.empty()) return "! " + problem;
  if (call.help) return "help";
  std::string text = call.input;
  for (const std::string& submission : call.submissions) text += " " + submission;
  text += " > " + call.out + " " + std::string(betterWord(*call.better)) + " " +
          std::string(policyWord(call.policy)) + " " + std::to_string(call.jobs);
  return text + (call.compare ? " ~ " + *call.compare : "");
}

TEST(RankCall, ReadsPathsAndOptionsAnywhere) {
  const std::vector<std::pair<std::vector<const char*>, std::string>> cases = {
      {{"in", "a", "--out", "o", "--better", "higher"}, "in a > o higher best 0"},
      {{"--better=lower", "in", "a", "dir/", "--policy", "last", "--jobs=3", "--out=o", "--compare",
        "old"},
       "in a dir/ > o lower last 3 ~ old"},
      {{"--out", "o", "--better", "lower", "--", "--in", "-h"}, "--in -h > o lower best 0"},
      {{"in", "a", "-h"}, "help"},
      {{"--help", "--jobs", "0"}, "help"},
      {{"in", "--out", "o", "--better", "higher"}, "! no submission named"},
      {{"--out", "o", "--better", "higher"}, "! no input file named"},
      {{"in", "a", "--better", "higher"}, "! --out DIR is required"},
      {{"in", "a", "--out", "o"}, "! --better higher or --better lower is required"},
      {{"in", "a", "--out", "o", "--better", "more"},
       "! --better takes higher or lower, not 'more'"},
      {{"in", "a", "--policy", "first"}, "! --policy takes best or last, not 'first'"},
      {{"in", "a", "--jobs", "0"}, "! --jobs takes a number from 1 to 256, not '0'"},
      {{"in", "a", "--jobs", "2x"}, "! --jobs takes a number from 1 to 256, not '2x'"},
      {{"in", "a", "--out="}, "! --out needs a folder"},
      {{"in", "a", "--compare"}, "! --compare needs a value"},
      {{"in", "a", "--verbose", "1"}, "! unknown option --verbose"},
  };
  for (const auto& [arguments, expected] : cases) EXPECT_EQ(parsed(arguments), expected);
}

}  // namespace
