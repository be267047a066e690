#include "evaluation/best_counts.h"

#include <array>
#include <cinttypes>
#include <string_view>
#include <utility>

#include "textio/line_reader.h"
#include "textio/message.h"
#include "textio/text_file.h"

namespace {

/// The most digits of a count: any count of a grid has far fewer.
constexpr std::size_t MaxDigits = 18;

/// Whether a byte separates the numbers of a line.
bool isBlank(char byte) { return byte == ' ' || byte == '\t'; }

/// Takes the next number of `line` into `value`; false when the next field is no number of at
/// most MaxDigits digits.
bool takeNumber(std::string_view& line, int64_t& value) {
  while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
  std::size_t digits = 0;
  value = 0;
  for (; digits < line.size() && line[digits] >= '0' && line[digits] <= '9'; ++digits) {
    if (digits == MaxDigits) return false;
    value = value * 10 + (line[digits] - '0');
  }
  line.remove_prefix(digits);
  return digits > 0 && (line.empty() || isBlank(line.front()));
}

/// Parses a line of exactly `values.size()` numbers separated by blanks into `values`; false
/// for any other line.
template <std::size_t Count>
bool parseNumbers(std::string_view line, std::array<int64_t, Count>& values) {
  for (int64_t& value : values) {
    if (!takeNumber(line, value)) return false;
  }
  while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
  return line.empty();
}

/// Fails with a message that names the file and the line.
[[noreturn]] void fail(const std::string& path, int64_t lineNo, std::string_view what) {
  throw EAnswerFile(composeMessage("answer file ", path, ", line ", lineNo, ": ", what));
}

}  // namespace

CountsByTestCase readBestCounts(const std::string& path, int32_t testCaseCount) {
  TextFile file(path);
  if (!file.isOpen()) throw EAnswerFile("answer file " + path + " cannot be read");
  LineReader reader{file};
  CountsByTestCase best(static_cast<std::size_t>(testCaseCount));
  bool anyCount = false;
  std::string line;
  while (readLineIfPresent(reader, line)) {
    if (reader.lineNo == 1 && line == "OK") {
      std::array<int64_t, 1> blockCount{};
      // A whole accepted report: its block count follows, then its result lines.
      if (!readLineIfPresent(reader, line) || !parseNumbers(line, blockCount)) {
        fail(path, reader.lineNo, "an accepted report's \"OK\" is followed by its block count");
      }
      continue;
    }
    if (line.empty()) continue;
    std::array<int64_t, 2> testCaseAndCount{};
    if (!parseNumbers(line, testCaseAndCount)) {
      fail(path, reader.lineNo, "expected \"<test case> <count>\", two numbers");
    }
    const auto [testCase, count] = testCaseAndCount;
    if (testCase < 1 || testCase > testCaseCount) {
      fail(path, reader.lineNo,
           composeMessage("test case ", testCase, " is not one of the input file's 1 to ",
                          testCaseCount));
    }
    std::optional<int64_t>& known = best[static_cast<std::size_t>(testCase - 1)];
    if (!known) known = count;
    anyCount = true;
  }
  if (!anyCount) throw EAnswerFile("answer file " + path + " gives no best count");
  return best;
}

void writeBestCounts(std::FILE* out, const CountsByTestCase& best) {
  for (std::size_t t = 0; t < best.size(); ++t) {
    if (best[t]) std::fprintf(out, "%zu %" PRId64 "\n", t + 1, *best[t]);
  }
}
