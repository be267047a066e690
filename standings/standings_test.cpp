#include "standings/standings.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "evaluation/evaluation.h"
#include "standings/standings_page.h"
#include "tests/support/temp_file.h"

namespace {

/// A judged file of a contestant number ("" for none) and a verdict; accepted with the given
/// first blocks.
JudgedFile judged(const std::string& path, const std::string& number, FileVerdict verdict,
                  std::vector<TestResult> firstBlocks = {}) {
  JudgedFile file;
  file.path = path;
  if (!number.empty()) file.contestant = number;
  file.verdict = verdict;
  file.positions.assign(firstBlocks.size(), 1);
  file.firstBlocks = std::move(firstBlocks);
  return file;
}

/// The standings as lines "rank contestant file score fractions".
std::string table(const std::vector<JudgedFile>& files, Better better, Policy policy) {
  std::vector<SubmissionFile> listed;
  listed.reserve(files.size());
  for (const JudgedFile& file : files) listed.push_back({file.path, file.path, 0});
  const Standings standings = rankFiles(files, listed, 2, better, policy);
  std::string text;
  for (const Standing& row : standings.rows) {
    text += std::to_string(row.rank) + " " + row.contestant + " " + standings.files[row.file].path +
            " " + row.scoreText + " " + decimalText(row.fractions[0]) + "," +
            decimalText(row.fractions[1]) + "\n";
  }
  return text;
}

TEST(Standings, EqualScoresShareARankAndEachPolicyChoosesItsFile) {
  const auto A = FileVerdict::Accepted;
  const auto R = FileVerdict::Refused;
  const std::vector<JudgedFile> files = {
      judged("a2", "000001", A, {{1, 2}}),
      judged("a1", "000001", A, {{2, 5}, {1, 10}}),
      judged("b1", "000002", A, {{1, 10}, {2, 5}}),
      judged("c1", "000003", A, {{1, 5}}),
      judged("x", "", R),
      judged("z", "000004", R),
      judged("d1", "000005", R),
      judged("d2", "000005", A),
  };
  EXPECT_EQ(table(files, Better::Higher, Policy::Best),
            "1 000001 a1 100 1,1\n"
            "1 000002 b1 100 1,1\n"
            "3 000003 c1 25 0.5,0\n"
            "4 000004 z 0 0,0\n"
            "4 000005 d2 0 0,0\n"
            "4 x x 0 0,0\n");
  EXPECT_EQ(table(files, Better::Higher, Policy::Last),
            "1 000002 b1 100 1,1\n"
            "2 000003 c1 25 0.5,0\n"
            "3 000001 a2 10 0.2,0\n"
            "4 000004 z 0 0,0\n"
            "4 000005 d2 0 0,0\n"
            "4 x x 0 0,0\n");
  EXPECT_EQ(table(files, Better::Lower, Policy::Best),
            "1 000001 a1 60 0.2,1\n"
            "1 000002 b1 60 0.2,1\n"
            "3 000003 c1 20 0.4,0\n"
            "4 000004 z 0 0,0\n"
            "4 000005 d2 0 0,0\n"
            "4 x x 0 0,0\n");
}

TEST(Standings, RanksFollowTheScoresAsWritten) {
  const std::vector<std::tuple<std::string, std::string, bool>> cases = {
      {"100", "99.999999", true},
      {"9.5", "10", false},
      {"0.5", "0.45", true},
      {"0.45", "0.5", false},
      {"66.666667", "66.666667", false},
      {"1", "0.999999", true},
  };
  for (const auto& [a, b, higher] : cases) EXPECT_EQ(writtenHigher(a, b), higher) << a << " " << b;
}

TEST(Standings, AFileIsJudgedAsTheEvaluatorJudgesIt) {
  TempFile input("Mrezovje\n2\n\n1\n2 1 1 3\n..\n..\n\n2\n1 1 1 1\n.\n");
  TempFile accepted("000042\nMrezovje\n2\n.\n1\n#.\n.#\n2\n.\n");
  TempFile refused("000043\nMrezovje\n1\n#.\n.R\n");
  TempFile noNumber("4200\nMrezovje\n");
  std::vector<TestCase> testCases;
  ASSERT_FALSE(readInputOrFault(input.path(), testCases));
  const JudgedFile a = judgeFile(accepted.path(), testCases);
  EXPECT_EQ(a.verdict, FileVerdict::Accepted);
  EXPECT_EQ(contestantText(a), "000042");
  ASSERT_EQ(a.firstBlocks.size(), 2U);
  EXPECT_EQ(a.firstBlocks[1].number, 1);
  EXPECT_EQ(a.firstBlocks[1].nearPairs, 1);
  EXPECT_EQ(a.positions, (std::vector<int64_t>{1, 2}));
  const JudgedFile r = judgeFile(refused.path(), testCases);
  EXPECT_EQ(r.verdict, FileVerdict::Refused);
  EXPECT_EQ(checkNumber(r.failure.check), 221);
  EXPECT_EQ(contestantText(r), "000043");
  const JudgedFile n = judgeFile(noNumber.path(), testCases);
  EXPECT_EQ(n.verdict, FileVerdict::Refused);
  EXPECT_EQ(contestantText(n), n.path);
  for (const std::string& path : {accepted.path() + ".missing", std::string(".")}) {
    const JudgedFile unreadable = judgeFile(path, testCases);
    EXPECT_EQ(unreadable.verdict, FileVerdict::Unreadable) << path;
    EXPECT_EQ(contestantText(unreadable), path);
  }
}

TEST(Standings, ThePageHoldsTheDocumentWithNoTagOfIt) {
  const auto count = [](const std::string& page, const std::string& text) {
    std::size_t found = 0;
    for (std::size_t at = page.find(text); at != std::string::npos; at = page.find(text, at + 1)) {
      ++found;
    }
    return found;
  };
  const std::string page = standingsPage(R"({"message": "</script><!-- x"})");
  EXPECT_EQ(count(page, "</script"), count(standingsPage("{}"), "</script"));
  EXPECT_EQ(count(page, R"({"message": "\u003c/script>\u003c!-- x"})"), 1U) << page;
}

TEST(Standings, ALongMessageIsCut) {
  EXPECT_EQ(cutMessage("short"), "short");
  const std::string cut = cutMessage(std::string(KeptMessageBytes + 5, 'x'));
  EXPECT_EQ(cut, std::string(KeptMessageBytes, 'x') + " ... (5 more bytes)");
}

}  // namespace
