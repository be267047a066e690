#include "readers/submission.h"

#include <cstddef>
#include <string>

#include "judge/check_grid.h"
#include "readers/task_name.h"
#include "textio/assertion.h"
#include "textio/int_fields.h"
#include "textio/message.h"

namespace {

/// Checks 248 and 249: line 1 is six decimal digits. Only its length is kept of a longer
/// line.
void readContestantNumber(LineReader& reader) {
  constexpr std::size_t Digits = 6;
  char number[Digits];
  const std::size_t length = readRow(reader, number, Digits);
  constexpr char Message[] = "stevilka tekmovalca bi morala imeti 6 stevk";
  if (length != Digits) throwAssertion(Message, __FILE__, Check::ContestantNumberLength);
  for (const char digit : number) {
    if (digit < '0' || digit > '9')
      throwAssertion(Message, __FILE__, Check::ContestantNumberDigits);
  }
}

/// Checks 263 and 264: the test case number of a block's header line, 1 to testCount.
int32_t parseBlockHeader(const std::string& line, int64_t lineNo, int32_t testCount) {
  int32_t number = 0;
  if (!parseLoneInt(line, number)) {
    throwAssertion(
        composeMessage("v ", lineNo, ". vrstici bi morala biti stevilka testnega primera, ne pa \"",
                       line, "\""),
        __FILE__, Check::BlockHeader);
  }
  if (number < 1 || number > testCount) {
    throwAssertion(
        composeMessage("v ", lineNo, ". vrstici bi morala biti stevilka testnega primera od 1 do ",
                       testCount, ", ne pa ", number),
        __FILE__, Check::BlockTestCase);
  }
  return number;
}

}  // namespace

void readSubmissionHeader(LineReader& reader) {
  readContestantNumber(reader);
  std::string line;
  readTaskNameLine(reader, line, "drugi", Check::SubmissionTaskName);
}

int32_t readBlockHeader(LineReader& reader, int32_t testCount, std::string& line) {
  // Between blocks the file may end, and empty lines are passed over.
  while (readLineIfPresent(reader, line)) {
    if (!line.empty()) return parseBlockHeader(line, reader.lineNo, testCount);
  }
  return 0;
}

std::vector<TestResult> readSubmission(LineReader& reader, const std::vector<TestCase>& testCases) {
  readSubmissionHeader(reader);
  const auto testCount = static_cast<int32_t>(testCases.size());
  std::vector<TestResult> results;
  // One block at a time; its row buffer is reused by the next block.
  SubmittedGrid block;
  std::string line;
  for (int32_t number = readBlockHeader(reader, testCount, line); number != 0;
       number = readBlockHeader(reader, testCount, line)) {
    TestResult result;
    readSubmittedGrid(block, reader, number, testCases[number - 1], result);
    results.push_back(result);
  }
  return results;
}

void readBlockRows(SubmittedGrid& block, LineReader& reader, int32_t number,
                   const TestCase& testCase) {
  block.number = number;
  block.testCase = &testCase;
  block.headerLine = reader.lineNo;
  const int32_t n = testCase.n;
  block.rows.resize(n);
  for (int32_t row = 0; row < n; ++row) {
    const std::size_t length = readRow(reader, block.rows.rowData(row), n);
    if (length != static_cast<std::size_t>(n)) {
      throwAssertion(composeMessage("v ", reader.lineNo, ". vrstici bi moralo biti n = ", n,
                                    " znakov, ne pa ", static_cast<uint64_t>(length)),
                     __FILE__, Check::SubmittedRowLength);
    }
  }
}

void readSubmittedGrid(SubmittedGrid& block, LineReader& reader, int32_t number,
                       const TestCase& testCase, TestResult& result) {
  result.number = number;
  readBlockRows(block, reader, number, testCase);
  std::string message;
  if (!checkGrid(testCase, block.rows, message, result.nearPairs)) {
    throwAssertion(refusedBlockMessage(block.headerLine, message), __FILE__,
                   Check::SubmittedGridRefused);
  }
}

std::string refusedBlockMessage(int64_t headerLine, std::string_view message) {
  return composeMessage("[napaka v resitvi, ki se zacne v ", headerLine,
                        ". vrstici oddane datoteke] ", message);
}
