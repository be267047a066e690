#include "readers/submission.h"

#include <cstddef>
#include <string>

#include "readers/grid_rows.h"
#include "readers/task_name.h"
#include "textio/assertion.h"
#include "textio/int_fields.h"
#include "textio/message.h"

namespace {

/// How the message of check 221 starts, before the refused block's header line.
constexpr std::string_view RefusedBlockStart = "[napaka v resitvi, ki se zacne v ";

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

/// Lines 1 and 2: the contestant number (checks 248, 249) and the task name (check 254).
void readSubmissionHeader(LineReader& reader) {
  readContestantNumber(reader);
  std::string line;
  readTaskNameLine(reader, line, "drugi", Check::SubmissionTaskName);
}

/// Passes over empty lines to the next block's header line and returns its test case number,
/// 1 to testCount (checks 263, 264), or 0 when the file ends first. `line` is scratch space.
int32_t readBlockHeader(LineReader& reader, int32_t testCount, std::string& line) {
  // Between blocks the file may end, and empty lines are passed over.
  while (readLineIfPresent(reader, line)) {
    if (!line.empty()) return parseBlockHeader(line, reader.lineNo, testCount);
  }
  return 0;
}

}  // namespace

std::string readContestantNumber(LineReader& reader) {
  constexpr std::size_t Digits = 6;
  char number[Digits];
  const std::size_t length = readRow(reader, number, Digits);
  constexpr char Message[] = "stevilka tekmovalca bi morala imeti 6 stevk";
  if (length != Digits) throwAssertion(Message, __FILE__, Check::ContestantNumberLength);
  for (const char digit : number) {
    if (digit < '0' || digit > '9')
      throwAssertion(Message, __FILE__, Check::ContestantNumberDigits);
  }
  return {number, Digits};
}

SubmissionReader::SubmissionReader(LineReader& reader, const std::vector<TestCase>& testCases)
    : reader_(reader), testCases_(testCases) {}

bool SubmissionReader::readNextBlock(SubmittedGrid& block) {
  if (!headerRead_) {
    readSubmissionHeader(reader_);
    headerRead_ = true;
  }
  const int32_t number = readBlockHeader(reader_, static_cast<int32_t>(testCases_.size()), line_);
  if (number == 0) return false;
  readBlockRows(block, reader_, testCases_[number - 1]);
  return true;
}

void readBlockRows(SubmittedGrid& block, LineReader& reader, const TestCase& testCase) {
  block.testCase = &testCase;
  block.headerLine = reader.lineNo;
  block.rowsOffset = reader.in.position();
  readGridRows(
      block.rows, testCase.n, reader, [&reader, n = testCase.n](int32_t, std::size_t length) {
        throwAssertion(composeMessage("v ", reader.lineNo, ". vrstici bi moralo biti n = ", n,
                                      " znakov, ne pa ", static_cast<uint64_t>(length)),
                       __FILE__, Check::SubmittedRowLength);
      });
}

std::string refusedBlockMessage(int64_t headerLine, std::string_view message) {
  return composeMessage(RefusedBlockStart, headerLine, ". vrstici oddane datoteke] ", message);
}
