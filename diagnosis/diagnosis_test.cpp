#include "diagnosis/diagnosis.h"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "evaluation/evaluation.h"
#include "tests/support/failure.h"
#include "tests/support/records.h"
#include "tests/support/temp_file.h"
#include "textio/assertion.h"

namespace {

using namespace std::string_literals;

/// Two test cases: a 3 by 3 grid and a 2 by 2 one.
const std::vector<TestCase> TestCases = {
    testCaseOf({"R..", ".#.", "..."}, 1, 1, 4, 1),
    testCaseOf({"#.", ".R"}, 1, 1, 3, 2),
};

/// Writes each block and the stop as one line: "<line> <test case> ok <near pairs>",
/// "<line> <test case> refused <faults>: <message>" or "stop <check>: <message>".
class Recorder : public DiagnosisSink {
 public:
  void takeBlock(const BlockDiagnosis& block) override {
    text += std::to_string(block.headerLine) + " " + std::to_string(block.testCase->number);
    text += block.accepted()
                ? " ok " + std::to_string(block.grid.nearPairs)
                : " refused " + std::to_string(block.grid.faults.total()) + ": " + block.message();
    text += "\n";
    offsets.push_back(block.rowsOffset);
  }
  void takeStop(const DiagnosisStop& stop) override {
    text += "stop " + std::to_string(stop.check) + ": " + stop.message + "\n";
  }

  std::string text;
  std::vector<uint64_t> offsets;
};

/// The diagnosis of a submission against TestCases.
Recorder diagnosed(const std::string& submission) {
  TempFile file(submission);
  TextFile in(file.path());
  LineReader reader{in};
  Recorder recorder;
  diagnoseSubmission(reader, TestCases, recorder, 10, fastestCodePath());
  return recorder;
}

/// What the evaluator reports for the same submission: "<check>: <message>" as the report
/// shows it, or "ok".
std::string evaluated(const std::string& submission) {
  TempFile file(submission);
  TextFile in(file.path());
  LineReader reader{in};
  const Failure failure = failureOf([&] { readSubmission(reader, TestCases); });
  if (failure.first == 0) return "ok";
  return std::to_string(failure.first) + ": " + std::string(shownMessage(failure.second));
}

/// The report's failure as the diagnosis gives it: the first refused block's message under
/// check 221, else the stop, else "ok".
std::string firstFailure(const std::string& diagnosis) {
  const std::size_t refused = diagnosis.find(" refused ");
  if (refused != std::string::npos) {
    const std::size_t start = diagnosis.find(": ", refused) + 2;
    return "221: " + diagnosis.substr(start, diagnosis.find('\n', start) - start);
  }
  const std::size_t stop = diagnosis.find("stop ");
  if (stop == std::string::npos) return "ok";
  return diagnosis.substr(stop + 5, diagnosis.size() - stop - 6);
}

const std::string Head = "000123\nMrezovje\n";
const std::string Refused1 = "1\n...\n.#.\n..R\n";
const std::string Accepted2 = "2\n#.\n.R\n";

struct DiagnosisCase {
  const char* what;
  std::string submission;
  std::string expected;
};

TEST(DiagnoseSubmission, JudgesEveryBlockAndStopsWhereReadingMust) {
  const std::string refused1 =
      "3 1 refused 2: [napaka v resitvi, ki se zacne v 3. vrstici oddane datoteke] 1. polje v "
      "1. vrstici je v vhodni mrezi rdece, v izhodni pa belo\n";
  const std::vector<DiagnosisCase> cases = {
      {"blocks after a refused one", Head + Refused1 + "\n" + Accepted2, refused1 + "8 2 ok 0\n"},
      {"a short row after blocks", Head + Refused1 + Accepted2 + "1\n...\n..\n",
       refused1 + "7 2 ok 0\nstop 217: v 12. vrstici bi moralo biti n = 3 znakov, ne pa 2\n"},
      {"a bad header", Head + Accepted2 + "x\n",
       "3 2 ok 0\nstop 263: v 6. vrstici bi morala biti stevilka testnega primera, ne pa \"x\"\n"},
      {"a number past the test cases", Head + "3\n",
       "stop 264: v 3. vrstici bi morala biti stevilka testnega primera od 1 do 2, ne pa 3\n"},
      {"the file ends inside a block", Head + Accepted2 + "1\nR..\n",
       "3 2 ok 0\nstop 69: manjka 8. vrstica\n"},
      {"five digits", "12345\nMrezovje\n" + Accepted2,
       "stop 248: stevilka tekmovalca bi morala imeti 6 stevk\n"},
      {"a NUL in a quoted line ends the message", Head + "1\0x\n"s,
       "stop 263: v 3. vrstici bi morala biti stevilka testnega primera, ne pa \"1\n"},
      {"no blocks", Head + "\n\n", ""},
  };
  for (const DiagnosisCase& c : cases) {
    const std::string diagnosis = diagnosed(c.submission).text;
    EXPECT_EQ(diagnosis, c.expected) << c.what;
    // The first failure is the one that the evaluator reports.
    EXPECT_EQ(firstFailure(diagnosis), evaluated(c.submission)) << c.what;
  }
}

TEST(DiagnoseSubmission, NotesWhereEachBlocksRowsStart) {
  const std::string text = Head + "\n" + Accepted2 + Refused1;
  const Recorder recorder = diagnosed(text);
  ASSERT_EQ(recorder.offsets.size(), 2u);
  EXPECT_EQ(recorder.offsets[0], text.find("#.\n"));
  EXPECT_EQ(recorder.offsets[1], text.find("...\n"));
}

TEST(DiagnoseSubmission, AFailureThatIsNoCheckGivesTheUnexpectedStop) {
  // A sink that runs out of memory on the second block.
  struct Exhausted : Recorder {
    void takeBlock(const BlockDiagnosis& block) override {
      if (!text.empty()) throw std::bad_alloc();
      Recorder::takeBlock(block);
    }
  } recorder;
  TempFile file(Head + Accepted2 + Accepted2 + Accepted2);
  TextFile in(file.path());
  LineReader reader{in};
  diagnoseSubmission(reader, TestCases, recorder, 10, fastestCodePath());
  EXPECT_EQ(recorder.text, "3 2 ok 0\nstop 0: " + std::string(UnexpectedFailureText) + "\n");
}

TEST(SubmissionDiagnosis, EachStepHandsOnOneBlockThenTheStop) {
  TempFile file(Head + Refused1 + "\n" + Accepted2 + "x\n");
  TextFile in(file.path());
  LineReader reader{in};
  Recorder recorder;
  SubmissionDiagnosis diagnosis(reader, TestCases, recorder, 10, fastestCodePath());
  std::vector<std::string> afterEachStep;
  while (diagnosis.step()) afterEachStep.push_back(recorder.text);
  EXPECT_FALSE(diagnosis.step());
  EXPECT_EQ(afterEachStep.size(), 2u);
  if (afterEachStep.size() == 2) {
    EXPECT_EQ(afterEachStep[0], diagnosed(Head + Refused1).text);
    EXPECT_EQ(afterEachStep[1], diagnosed(Head + Refused1 + "\n" + Accepted2).text);
  }
  EXPECT_EQ(recorder.text, diagnosed(Head + Refused1 + "\n" + Accepted2 + "x\n").text);
  EXPECT_NE(recorder.text.find("stop 263"), std::string::npos);
}

TEST(Diagnose, AFaultInTheInputFileGivesOnlyTheStop) {
  TempFile input("Mrezovje\n1\n\n1\n2 1 1 1\n##\n##\n");
  TempFile submission(Head + "1\n##\n##\n");
  Recorder recorder;
  diagnose(input.path(), submission.path(), recorder);
  EXPECT_EQ(recorder.text,
            "stop 163: [napaka v VHODNI datoteki - to se ne bi smelo zgoditi, obvesti "
            "organizatorje] 1. polje v 1. vrstici je crno in ima 0 bliznjih belih polj, kar je "
            "manj kot b = 1\n");
}

TEST(Diagnose, AMissingSubmissionReadsAsEmpty) {
  TempFile input("Mrezovje\n1\n\n1\n1 1 1 1\n.\n");
  Recorder recorder;
  diagnose(input.path(), TempFile::uniquePath(), recorder);
  EXPECT_EQ(recorder.text, "stop 69: manjka 1. vrstica\n");
}

}  // namespace
