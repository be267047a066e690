#include "textio/int_fields.h"

#include <algorithm>
#include <cstddef>
#include <limits>

#include "textio/assertion.h"
#include "textio/message.h"

namespace {

bool isDigit(unsigned char byte) { return byte >= '0' && byte <= '9'; }

/// Tab, line feed, vertical tab, form feed, carriage return and blank.
bool isSeparator(unsigned char byte) { return (byte >= 9 && byte <= 13) || byte == ' '; }

/// A line of integers parsed piece by piece as it arrives: keeps the first `keep` values
/// and counts them all.
class IntFieldParser {
 public:
  IntFieldParser(std::vector<int32_t>& values, std::size_t keep, int64_t lineNo)
      : values_(values), keep_(keep), lineNo_(lineNo) {
    values_.clear();
  }

  /// Parses the next piece of the line; a number may continue from the previous piece.
  void feed(std::string_view piece) {
    for (const char byte : piece) {
      if (isDigit(byte)) {
        addDigit(byte);
        continue;
      }
      finish();
      if (isSeparator(byte)) continue;
      if (byte == '-') {
        throwAssertion(
            composeMessage("namesto stevke se v ", lineNo_, ". vrstici pojavlja znak '-' (minus)"),
            __FILE__, Check::MinusSign);
      }
      throwAssertion(composeMessage("namesto stevke se v ", lineNo_,
                                    ". vrstici pojavlja znak s kodo ", byteCode(byte)),
                     __FILE__, Check::NotADigit);
    }
  }

  /// Ends the number in progress, if any.
  void finish() {
    if (!inNumber_) return;
    if (found_ < keep_) values_.push_back(value_);
    ++found_;
    inNumber_ = false;
  }

  /// How many values the line held so far.
  uint64_t found() const { return found_; }

 private:
  void addDigit(char byte) {
    const int32_t digit = byte - '0';
    if (!inNumber_) {
      inNumber_ = true;
      value_ = digit;
      return;
    }
    // Exactly the case in which 10 * value + digit would pass 2147483647.
    if (value_ > 214748364 || (value_ == 214748364 && digit > 7)) {
      throwAssertion(composeMessage("stevilo ", value_, std::string_view(&byte, 1), " (v ", lineNo_,
                                    ". vrstici) je preveliko (vecje od 2147483647)"),
                     __FILE__, Check::NumberTooLarge);
    }
    value_ = value_ * 10 + digit;
  }

  std::vector<int32_t>& values_;
  const std::size_t keep_;
  const int64_t lineNo_;
  bool inNumber_ = false;
  int32_t value_ = 0;
  uint64_t found_ = 0;
};

}  // namespace

void parseInts(std::string_view text, std::vector<int32_t>& values, int64_t lineNo) {
  IntFieldParser parser(values, std::numeric_limits<std::size_t>::max(), lineNo);
  parser.feed(text);
  parser.finish();
}

void readInts(LineReader& reader, std::vector<int32_t>& values, int32_t count) {
  startLine(reader);
  IntFieldParser parser(values, static_cast<std::size_t>(count), reader.lineNo);
  reader.in.readLine([&parser](std::string_view piece) { parser.feed(piece); });
  parser.finish();
  if (parser.found() != static_cast<uint64_t>(count)) {
    throwAssertion(composeMessage("v ", reader.lineNo, ". vrstici bi moralo biti ", count,
                                  " stevil, ne pa ", parser.found()),
                   __FILE__, Check::WrongNumberCount);
  }
}

bool parseLoneInt(std::string_view line, int32_t& value) {
  std::size_t i = 0;
  while (i < line.size() && isSeparator(line[i])) ++i;
  bool negative = false;
  if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
  if (i == line.size() || !isDigit(line[i])) return false;
  // One past the largest magnitude allowed, so that the test below never overflows.
  constexpr int64_t Limit = int64_t{std::numeric_limits<int32_t>::max()} + 2;
  int64_t magnitude = 0;
  for (; i < line.size() && isDigit(line[i]); ++i) {
    magnitude = std::min(magnitude * 10 + (line[i] - '0'), Limit);
  }
  if (i != line.size()) return false;
  const int64_t signedValue = negative ? -magnitude : magnitude;
  if (signedValue < std::numeric_limits<int32_t>::min() ||
      signedValue > std::numeric_limits<int32_t>::max()) {
    return false;
  }
  value = static_cast<int32_t>(signedValue);
  return true;
}
