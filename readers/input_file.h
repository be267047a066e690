#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "grid/grid.h"
#include "grid/test_case.h"
#include "textio/line_reader.h"
#include "textio/text_file.h"

/// Reads and validates an input file one test case at a time, so that a caller may pause
/// between test cases; each step throws EAssertion at the first fault, in file order.
class InputFileReader {
 public:
  /// Opens the file and reads its first two lines, the task's name and the number of test
  /// cases; the test cases go to `testCases`, which must outlive the reader.
  InputFileReader(const std::string& path, std::vector<TestCase>& testCases);

  /// Reads the next test case; after the last, checks that the file ends and returns false.
  bool readNext();

 private:
  TextFile file_;
  LineReader reader_{file_};
  std::vector<TestCase>& testCases_;
  std::string taskNameLine_;
  int32_t testCount_ = 0;
  bool ended_ = false;
  /// The rows of the test case being read, reused by the next.
  Grid rows_;
};

/// Reads and validates the whole input file into `testCases`, one record per test case in
/// file order; throws EAssertion at the first fault.
void readInputFile(const std::string& path, std::vector<TestCase>& testCases);
