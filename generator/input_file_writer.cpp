#include "generator/input_file_writer.h"

#include <charconv>

void InputFileWriter::writeHeader(int32_t testCount) {
  buffer_.append(TaskName);
  buffer_.push_back('\n');
  appendNumber(testCount, '\n');
}

void InputFileWriter::writeTestCase(const TestCase& testCase, const Grid& rows) {
  const int32_t n = testCase.n;
  buffer_.reserve(buffer_.size() + static_cast<std::size_t>(n) * (n + 1) + 64);
  buffer_.push_back('\n');
  appendNumber(testCase.number, '\n');
  appendNumber(n, ' ');
  appendNumber(testCase.d, ' ');
  appendNumber(testCase.b, ' ');
  appendNumber(testCase.c, '\n');
  for (int32_t i = 0; i < n; ++i) {
    buffer_.append(rows.rowData(i), static_cast<std::size_t>(n));
    buffer_.push_back('\n');
  }
  flush();
}

bool InputFileWriter::finish() {
  flush();
  if (std::fflush(out_) != 0 || std::ferror(out_) != 0) failed_ = true;
  return !failed_;
}

void InputFileWriter::appendNumber(int32_t value, char after) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  buffer_.append(digits, result.ptr);
  buffer_.push_back(after);
}

void InputFileWriter::flush() {
  if (!failed_ && std::fwrite(buffer_.data(), 1, buffer_.size(), out_) != buffer_.size()) {
    failed_ = true;
  }
  buffer_.clear();
}
