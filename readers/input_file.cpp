#include "readers/input_file.h"

#include <cstdint>

#include "readers/task_name.h"
#include "readers/test_case_reader.h"
#include "textio/assertion.h"
#include "textio/int_fields.h"
#include "textio/line_reader.h"
#include "textio/message.h"
#include "textio/text_file.h"

void readInputFile(const std::string& path, std::vector<TestCase>& testCases) {
  TextFile file(path);
  LineReader reader{file};

  std::string taskNameLine;
  readTaskNameLine(reader, taskNameLine, "prvi", Check::InputTaskName);

  std::string countLine;
  readLine(reader, countLine);
  int32_t testCount = 0;
  if (!parseLoneInt(countLine, testCount) || testCount < 1 || testCount > 100) {
    throwAssertion(composeMessage("v drugi vrstici bi moralo biti stevilo testnih primerov, "
                                  "ne pa \"",
                                  countLine, "\""),
                   __FILE__, Check::TestCaseCount);
  }

  testCases.clear();
  testCases.reserve(testCount);
  Grid rows;
  for (int32_t k = 1; k <= testCount; ++k) {
    const int64_t firstLine = reader.lineNo + 1;
    TestCase testCase;
    readTestCase(testCase, reader, taskNameLine, rows);
    if (testCase.number != k) {
      throwAssertion(
          composeMessage("v vrsticah ", firstLine, "..", reader.lineNo,
                         " bi moral biti testni primer stevilka ", k, ", ne pa ", testCase.number),
          __FILE__, Check::TestCaseOrder);
    }
    testCases.push_back(std::move(testCase));
  }
  expectEnd(reader);
}
