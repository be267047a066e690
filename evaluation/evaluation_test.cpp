#include "evaluation/evaluation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/records.h"
#include "tests/support/temp_file.h"

namespace {

using namespace std::string_literals;

/// The design's two test cases and a third of one white cell.
const std::vector<TestCase> TestCases = {
    testCaseOf({"R..", ".#.", "..."}, 1, 1, 4, 1),
    testCaseOf({"#.", ".R"}, 1, 1, 3, 2),
    testCaseOf({"."}, 1, 1, 1, 3),
};

/// "number:nearPairs" per result, or "check: message" of the failure, as the outcome of
/// judging the submission gives them.
std::string judged(const std::string& text, const std::string& path = "") {
  TempFile file(text);
  const Outcome outcome = judgeSubmission(path.empty() ? file.path() : path, TestCases);
  EXPECT_EQ(outcome.testCaseCount, 3);
  if (!outcome.accepted()) {
    EXPECT_EQ(outcome.kind, OutcomeKind::Refused);
    EXPECT_TRUE(outcome.results.empty());
    return std::to_string(checkNumber(outcome.failure.check)) + ": " + outcome.failure.message;
  }
  std::string out;
  for (const TestResult& result : outcome.results) {
    out += std::to_string(result.number) + ":" + std::to_string(result.nearPairs) + " ";
  }
  return out;
}

const std::string Head = "000123\nMrezovje\n";
const std::string Block1 = "1\nR..\n.#.\n...\n";
const std::string Block2 = "2\n#.\n.R\n";
const std::string Block3 = "3\n.\n";

struct SubmissionCase {
  const char* what;
  std::string text;
  std::string expected;
};

std::string header263(int line, const std::string& text) {
  return "263: v " + std::to_string(line) +
         ". vrstici bi morala biti stevilka testnega primera, ne pa \"" + text + "\"";
}

TEST(ReadSubmission, ReadsBlocksInAnyOrderRepeatedOrLeftOut) {
  const std::vector<SubmissionCase> cases = {
      {"the design's run", Head + "\n" + Block2 + "\n" + Block1, "2:0 1:0 "},
      {"3, 1, 3", Head + Block3 + "1\nR..\n.#.\n..#\n" + Block3, "3:0 1:1 3:0 "},
      {"no blocks", Head, ""},
      {"only empty lines", Head + "\n\n\n", ""},
      {"header lines only, no final line feed", "000000\nMrezovje", ""},
      {"blocks back to back", Head + Block2 + Block1, "2:0 1:0 "},
      {"empty lines everywhere", Head + "\n\n" + Block2 + "\n\n\n" + Block1 + "\n\n", "2:0 1:0 "},
      {"last row without a line feed", Head + "2\n#.\n.R", "2:0 "},
      {"header ' 2'", Head + " 2\n#.\n.R\n", "2:0 "},
      {"header '+2'", Head + "+2\n#.\n.R\n", "2:0 "},
      {"header '02'", Head + "02\n#.\n.R\n", "2:0 "},
      {"header after bytes 9 and 13", Head + "\t\r2\n#.\n.R\n", "2:0 "},
  };
  for (const SubmissionCase& c : cases) EXPECT_EQ(judged(c.text), c.expected) << c.what;
}

TEST(ReadSubmission, ReportsTheFirstFaultWithItsLine) {
  const std::string Prefix8 = "221: [napaka v resitvi, ki se zacne v 8. vrstici oddane datoteke] ";
  const std::vector<SubmissionCase> cases = {
      {"red painted white", Head + "\n" + Block2 + "\n1\n...\n.#.\n...\n",
       Prefix8 + "1. polje v 1. vrstici je v vhodni mrezi rdece, v izhodni pa belo"},
      {"red painted black", Head + "1\n###\n.#.\n...\n",
       "221: [napaka v resitvi, ki se zacne v 3. vrstici oddane datoteke] "
       "1. polje v 1. vrstici je v vhodni mrezi rdece, v izhodni pa crno"},
      {"accepted blocks before a failure", Head + Block3 + Block3 + "3\n#\n",
       "221: [napaka v resitvi, ki se zacne v 7. vrstici oddane datoteke] "
       "1. polje v 1. vrstici je crno in ima 0 bliznjih belih polj, kar je manj kot b = 1"},
      {"empty lines count in line numbers", Head + "\n\n" + Block3 + "\n\n\n3\nR\n",
       "221: [napaka v resitvi, ki se zacne v 10. vrstici oddane datoteke] "
       "1. polje v 1. vrstici je v vhodni mrezi belo, v izhodni pa rdece"},
      {"missing file", "", "69: manjka 1. vrstica"},
      {"only the contestant number", "000123\n", "69: manjka 2. vrstica"},
      {"five digits", "12345\nMrezovje\n", "248: stevilka tekmovalca bi morala imeti 6 stevk"},
      {"seven digits", "1234567\nMrezovje\n", "248: stevilka tekmovalca bi morala imeti 6 stevk"},
      {"empty first line", "\nMrezovje\n", "248: stevilka tekmovalca bi morala imeti 6 stevk"},
      {"CR inside the number", "12345\r\r\nMrezovje\n",
       "249: stevilka tekmovalca bi morala imeti 6 stevk"},
      {"a blank among digits", "123 56\nMrezovje\n",
       "249: stevilka tekmovalca bi morala imeti 6 stevk"},
      {"a letter among digits", "12345a\n", "249: stevilka tekmovalca bi morala imeti 6 stevk"},
      {"task name with a blank", "000123\nMrezovje \n",
       "254: v drugi vrstici bi moral biti niz \"Mrezovje\", ne pa \"Mrezovje \""},
      {"header '2 '", Head + "2 \n#.\n.R\n", header263(3, "2 ")},
      {"header '2x'", Head + "2x\n", header263(3, "2x")},
      {"header 'x'", Head + "\nx\n", header263(4, "x")},
      {"header '2 3'", Head + "2 3\n", header263(3, "2 3")},
      {"a line of blanks", Head + Block3 + "   \n", header263(5, "   ")},
      {"header past 32 bits", Head + "4294967297\n.\n", header263(3, "4294967297")},
      {"NUL after the number: the message up to it", Head + "1\0x\n"s,
       "263: v 3. vrstici bi morala biti stevilka testnega primera, ne pa \"1"},
      {"quoted bytes copied exactly", Head + "%s\t\r2%d\n", header263(3, "%s\t\r2%d")},
      // Bytes 8, 14, 31 and 33 ("!") are not white space; octal escapes end at 3 digits.
      {"byte 8 before the number", Head + "\0102\n", header263(3, "\0102")},
      {"byte 14 before the number", Head + "\0162\n", header263(3, "\0162")},
      {"byte 31 before the number", Head + "\0372\n", header263(3, "\0372")},
      {"byte 33 before the number", Head + "!2\n", header263(3, "!2")},
      {"header '0'", Head + "0\n",
       "264: v 3. vrstici bi morala biti stevilka testnega primera od 1 do 3, ne pa 0"},
      {"header '-1'", Head + "-1\n",
       "264: v 3. vrstici bi morala biti stevilka testnega primera od 1 do 3, ne pa -1"},
      {"header '4'", Head + "\n4\n",
       "264: v 4. vrstici bi morala biti stevilka testnega primera od 1 do 3, ne pa 4"},
      {"an empty line among the rows", Head + "1\nR..\n\n...\n",
       "217: v 5. vrstici bi moralo biti n = 3 znakov, ne pa 0"},
      {"a row with a trailing blank", Head + "2\n#. \n.R\n",
       "217: v 4. vrstici bi moralo biti n = 2 znakov, ne pa 3"},
      {"a later short row before an earlier bad cell", Head + "1\nx..\n.#.\n....\n",
       "217: v 6. vrstici bi moralo biti n = 3 znakov, ne pa 4"},
      {"the file ends inside a grid", Head + "1\nR..\n", "69: manjka 5. vrstica"},
      {"the file ends right after a header", Head + Block3 + "2", "69: manjka 6. vrstica"},
  };
  for (const SubmissionCase& c : cases) EXPECT_EQ(judged(c.text), c.expected) << c.what;
}

TEST(ReadSubmission, ASubmissionThatCannotBeOpenedIsMissingLine1) {
  EXPECT_EQ(judged("", TempFile::uniquePath()), "69: manjka 1. vrstica");
}

TEST(ReadSubmission, CrLfFilesReadLikeLfFiles) {
  const std::string lf = Head + "\n" + Block2 + "\n\n" + Block1 + "2\n#.\n.R";
  std::string crlf;
  for (char byte : lf) crlf += byte == '\n' ? "\r\n"s : std::string(1, byte);
  EXPECT_EQ(judged(crlf), judged(lf));
  EXPECT_EQ(judged(crlf), "2:0 1:0 2:0 ");
}

TEST(ReadSubmission, CountsPastTwoToThe32OnAFullSizeGrid) {
  const int32_t n = 1000;
  const std::vector<TestCase> big = {
      testCaseOf(std::vector<std::string>(n, std::string(n, '.')), n, 1, 4004000)};
  std::string text = "000001\nMrezovje\n1\n";
  for (int32_t i = 0; i < n; ++i) text += std::string(n, i % 2 == 0 ? '#' : '.') + "\n";
  TempFile file(text);
  TextFile in(file.path());
  LineReader reader{in};
  const std::vector<TestResult> results = readSubmission(reader, big);
  ASSERT_EQ(results.size(), 1u);
  EXPECT_EQ(results[0].nearPairs, int64_t{500000} * 499999 / 2);
  EXPECT_GT(results[0].nearPairs, int64_t{1} << 32);
}

TEST(JudgeSubmission, ARefusalByTheGridCheckNamesTheBlocksHeaderLine) {
  TempFile refused(Head + "\n" + Block2 + "\n1\n...\n.#.\n...\n");
  EXPECT_EQ(judgeSubmission(refused.path(), TestCases).refusedBlockLine, 8);
  TempFile badHeader(Head + Block2 + "x\n");
  EXPECT_EQ(judgeSubmission(badHeader.path(), TestCases).refusedBlockLine, 0);
}

TEST(EvaluateFiles, TellsAFaultOfTheInputFileFromARefusal) {
  TempFile input("Mrezovje\n1\n\n1\n2 1 1 3\n#.\n.R\n");
  TempFile submission(Head + "1\n#.\n.R\n1\n##\n.R\n");
  const std::string missing = TempFile::uniquePath();
  struct Case {
    std::string input, submission;
    OutcomeKind kind;
    std::string failure;
    int32_t testCaseCount;
  };
  const std::vector<Case> cases = {
      {input.path(), submission.path(), OutcomeKind::Accepted, "", 1},
      {input.path(), missing, OutcomeKind::Refused, "manjka 1. vrstica", 1},
      {missing, submission.path(), OutcomeKind::InputFault, "manjka 1. vrstica", 0},
      {submission.path(), input.path(), OutcomeKind::InputFault,
       "v prvi vrstici bi moral biti niz \"Mrezovje\", ne pa \"000123\"", 0},
  };
  for (const Case& c : cases) {
    const Outcome outcome = evaluateFiles(c.input, c.submission);
    EXPECT_EQ(outcome.kind, c.kind) << c.failure;
    EXPECT_EQ(outcome.failure.message, c.failure);
    EXPECT_EQ(outcome.testCaseCount, c.testCaseCount) << c.failure;
  }
  const Outcome accepted = evaluateFiles(input.path(), submission.path());
  ASSERT_EQ(accepted.results.size(), 2u);
  EXPECT_EQ(accepted.results[1].nearPairs, 1);
}

}  // namespace
