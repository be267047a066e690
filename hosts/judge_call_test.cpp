#include "hosts/judge_call.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

/// The call that a command line gives, as "host paths... rule better appes", or its problem.
std::string parsed(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "mrezovnik-judge");
  JudgeCall call;
  const std::string problem =
      parseJudgeCall(static_cast<int>(arguments.size()), arguments.data(), call);
  if (!problem.empty()) return "! " + problem;
  std::string text = call.host->word;
  for (const std::string& path : call.paths) text += " " + path;
  text += call.rule == ScoreRule::Count ? " count" : " relative";
  if (call.better) text += *call.better == Better::Higher ? " higher" : " lower";
  return text + (call.appes ? " appes" : "");
}

TEST(JudgeCall, ReadsEachHostsArgumentsWithOptionsAnywhere) {
  const std::vector<std::pair<std::vector<const char*>, std::string>> cases = {
      {{"cms", "input.txt", "correct_output.txt", "user_output.txt"},
       "cms input.txt correct_output.txt user_output.txt count"},
      {{"icpc", "in", "ans", "feedback/", "--score", "relative", "--better", "lower"},
       "icpc in ans feedback/ relative lower"},
      {{"icpc", "--score=relative", "in", "--better=higher", "ans", "fb"},
       "icpc in ans fb relative higher"},
      {{"testlib", "in", "out", "ans"}, "testlib in out ans count"},
      {{"testlib", "in", "out", "ans", "report", "-appes", "--testset", "tests", "--group", "1"},
       "testlib in out ans report count appes"},
      {{"cms", "a", "b", "c", "--better", "higher"}, "cms a b c count higher"},
      {{}, "! no host named"},
      {{"CMS", "a", "b", "c"}, "! unknown host 'CMS'"},
      {{"cms", "a", "b"}, "! cms takes INPUT ANSWER OUTPUT"},
      {{"icpc", "a", "b", "c", "d"},
       "! icpc takes INPUT ANSWER FEEDBACK_DIR, with OUTPUT on standard input"},
      {{"testlib", "a", "b", "c", "d", "e"},
       "! testlib takes INPUT OUTPUT ANSWER [REPORT [-appes]]"},
      {{"testlib", "a", "b", "c", "-appes"}, "! -appes needs the REPORT file before it"},
      {{"icpc", "a", "b", "c", "--testset", "x"}, "! unknown option --testset"},
      {{"cms", "a", "b", "c", "--score", "relative"},
       "! --score relative needs --better higher or --better lower"},
      {{"cms", "a", "b", "c", "--score", "best"}, "! --score takes count or relative, not 'best'"},
      {{"cms", "a", "b", "c", "--better=more"}, "! --better takes higher or lower, not 'more'"},
      {{"cms", "a", "b", "c", "--better"}, "! --better needs a value"},
      {{"cms", "a", "b", "c", "--verbose=1"}, "! unknown option --verbose"},
  };
  for (const auto& [arguments, expected] : cases) EXPECT_EQ(parsed(arguments), expected);
}

}  // namespace
