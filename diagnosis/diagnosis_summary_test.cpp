#include "diagnosis/diagnosis_summary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "judge/grid_diagnosis.h"
#include "tests/support/records.h"
#include "tests/support/temp_file.h"

namespace {

/// Two test cases: a 3 by 3 grid and a 2 by 2 one.
const std::vector<TestCase> TestCases = {
    testCaseOf({"R..", ".#.", "..."}, 1, 1, 4, 1),
    testCaseOf({"#.", ".R"}, 1, 1, 3, 2),
};

const std::string Head = "000123\nMrezovje\n";
/// Accepted, no near pairs.
const std::string Accepted2 = "2\n#.\n.R\n";
/// Accepted with one near pair, in CR LF lines.
const std::string Accepted1 = "1\r\nR#.\r\n.#.\r\n...\r\n";
/// A red cell whitened and a white cell turned red.
const std::string Refused1 = "1\n...\n.#.\n..R\n";

/// A summary as one line: "<position> line <header line> case <test case> ok <near pairs>"
/// or "... refused <fault counts by kind>".
std::string describe(const BlockSummary& summary) {
  std::string text = std::to_string(summary.position);
  text.append(" line ").append(std::to_string(summary.headerLine));
  text.append(" case ").append(std::to_string(summary.testCase));
  if (summary.accepted()) return text.append(" ok ").append(std::to_string(summary.nearPairs));
  text.append(" refused");
  for (const int64_t count : summary.faults) text.append(" ").append(std::to_string(count));
  return text;
}

/// Every kept summary, described.
std::vector<std::string> describeKept(const DiagnosisSummary& summary) {
  std::vector<std::string> lines;
  for (const BlockSummary& block : summary.kept()) lines.push_back(describe(block));
  return lines;
}

/// Diagnoses a submission file against TestCases into `summary`.
void diagnoseInto(const TempFile& file, DiagnosisSummary& summary) {
  TextFile in(file.path());
  LineReader reader{in};
  diagnoseSubmission(reader, TestCases, summary, 1, fastestCodePath());
  summary.finish();
}

TEST(DiagnosisSummary, KeepsTheFirstBlocksLaterRefusedOnesAndTheLast) {
  TempFile file(Head + Accepted2 + Refused1 + Accepted1 + Refused1 + "\n" + Refused1 + Accepted2 +
                Accepted1);
  DiagnosisSummary summary(2, 1);
  diagnoseInto(file, summary);
  EXPECT_EQ(describeKept(summary), (std::vector<std::string>{
                                       "1 line 3 case 2 ok 0",
                                       "2 line 6 case 1 refused 0 1 0 1 0 0",
                                       "4 line 14 case 1 refused 0 1 0 1 0 0",
                                       "7 line 26 case 1 ok 1",
                                   }));
  EXPECT_EQ(summary.blockCount(), 7);
  EXPECT_EQ(summary.refusedCount(), 3);
  EXPECT_FALSE(summary.stop().has_value());
}

TEST(DiagnosisSummary, KeepsTheStopAfterTheBlocksBeforeIt) {
  TempFile file(Head + Accepted2 + Refused1 + "1\n...\n..\n");
  DiagnosisSummary summary(10, 10);
  diagnoseInto(file, summary);
  EXPECT_EQ(describeKept(summary), (std::vector<std::string>{
                                       "1 line 3 case 2 ok 0",
                                       "2 line 6 case 1 refused 0 1 0 1 0 0",
                                   }));
  ASSERT_TRUE(summary.stop().has_value());
  EXPECT_EQ(summary.stop()->check, 217);
  EXPECT_EQ(summary.stop()->message, "v 12. vrstici bi moralo biti n = 3 znakov, ne pa 2");
}

TEST(RereadBlock, GivesTheRowsAndVerdictThatTheDiagnosisJudged) {
  const std::string text = Head + "\n" + Accepted1 + Refused1 + "\r\n" + Accepted2;
  TempFile file(text);
  DiagnosisSummary summary(10, 10);
  diagnoseInto(file, summary);
  const std::vector<std::vector<std::string>> rows = {
      {"R#.", ".#.", "..."}, {"...", ".#.", "..R"}, {"#.", ".R"}};
  ASSERT_EQ(summary.kept().size(), rows.size());
  SubmittedGrid block;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const BlockSummary& kept = summary.kept()[k];
    const TestCase& testCase = TestCases[kept.testCase - 1];
    rereadBlock(file.path(), kept, testCase, block);
    EXPECT_EQ(block.headerLine, kept.headerLine);
    EXPECT_EQ(block.testCase, &testCase);
    for (int32_t i = 0; i < testCase.n; ++i) {
      EXPECT_EQ(std::string(block.rows.rowData(i), testCase.n), rows[k][i]) << k << " row " << i;
    }
    const GridDiagnosis again = diagnoseGrid(testCase, block.rows, 10, fastestCodePath());
    EXPECT_EQ(again.faults.total(), kept.faultTotal()) << k;
    EXPECT_EQ(again.nearPairs, kept.nearPairs) << k;
  }
}

}  // namespace
