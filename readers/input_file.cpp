#include "readers/input_file.h"

#include <cstddef>
#include <cstdint>

#include "readers/task_name.h"
#include "readers/test_case_reader.h"
#include "textio/assertion.h"
#include "textio/int_fields.h"
#include "textio/message.h"

InputFileReader::InputFileReader(const std::string& path, std::vector<TestCase>& testCases)
    : file_(path), testCases_(testCases) {
  readTaskNameLine(reader_, taskNameLine_, "prvi", Check::InputTaskName);

  std::string countLine;
  readLine(reader_, countLine);
  if (!parseLoneInt(countLine, testCount_) || testCount_ < 1 || testCount_ > 100) {
    throwAssertion(composeMessage("v drugi vrstici bi moralo biti stevilo testnih primerov, "
                                  "ne pa \"",
                                  countLine, "\""),
                   __FILE__, Check::TestCaseCount);
  }
  testCases_.clear();
  testCases_.reserve(static_cast<std::size_t>(testCount_));
}

bool InputFileReader::readNext() {
  if (ended_) return false;
  const auto k = static_cast<int32_t>(testCases_.size()) + 1;
  if (k > testCount_) {
    expectEnd(reader_);
    ended_ = true;
    return false;
  }
  const int64_t firstLine = reader_.lineNo + 1;
  TestCase testCase;
  readTestCase(testCase, reader_, taskNameLine_, rows_);
  if (testCase.number != k) {
    throwAssertion(
        composeMessage("v vrsticah ", firstLine, "..", reader_.lineNo,
                       " bi moral biti testni primer stevilka ", k, ", ne pa ", testCase.number),
        __FILE__, Check::TestCaseOrder);
  }
  testCases_.push_back(std::move(testCase));
  return true;
}

void readInputFile(const std::string& path, std::vector<TestCase>& testCases) {
  InputFileReader reader(path, testCases);
  while (reader.readNext()) {
  }
}
