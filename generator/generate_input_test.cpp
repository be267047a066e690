#include "generator/generate_input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "generator/parameter_draws.h"
#include "grid/cells.h"
#include "readers/input_file.h"
#include "tests/support/temp_file.h"

namespace {

/// The options of a command line (after the program's name).
GenOptions optionsOf(std::vector<const char*> args) {
  args.insert(args.begin(), "mrezovnik-gen");
  GenOptions options;
  EXPECT_TRUE(parseGenOptions(static_cast<int>(args.size()), args.data(), options));
  return options;
}

/// The bytes of the file that `options` describe.
std::string generatedBytes(const GenOptions& options) {
  const std::string path = TempFile::uniquePath();
  std::FILE* out = std::fopen(path.c_str(), "wb");
  EXPECT_NE(out, nullptr);
  const GenResult result = writeInputFile(options, out);
  std::fclose(out);
  EXPECT_EQ(result.outcome, GenOutcome::Written) << result.message;
  std::string bytes = TempFile::contents(path);
  std::remove(path.c_str());
  return bytes;
}

/// Whether a test case holds the pinned parameters, and the drawn ones within their ranges.
void expectParameters(const TestCase& t, const GenOptions& options) {
  const auto expectIn = [&](const std::optional<int32_t>& pinned, int32_t value, int32_t low,
                            int32_t high, const char* name) {
    if (pinned) {
      EXPECT_EQ(value, *pinned) << name << " of test case " << t.number;
    } else {
      EXPECT_TRUE(value >= low && value <= high) << name << " = " << value;
    }
  };
  const int32_t leastD = leastRadiusFor(std::max(options.b.value_or(1), options.c.value_or(1)));
  const int32_t leastN = options.d.value_or(leastD);
  expectIn(options.n, t.n, std::max(DrawRanges::NLow, leastN), std::max(DrawRanges::NHigh, leastN),
           "n");
  expectIn(options.d, t.d, leastD, std::max(leastD, DrawRanges::DHigh), "d");
  expectIn(options.b, t.b, 1, largestDrawnThreshold(t.n, t.d), "b");
  expectIn(options.c, t.c, 1, largestDrawnThreshold(t.n, t.d), "c");
}

TEST(WriteInputFile, GivesFilesThatTheInputReaderAcceptsAndTheSameBytesTwice) {
  const std::vector<std::vector<const char*>> commandLines = {
      {"--seed", "0"},
      {"--seed", "1"},
      {"--seed", "18446744073709551615"},
      {"--seed", "2", "--n", "1"},
      {"--seed", "3", "--n", "7", "--d", "7"},
      {"--seed", "4", "--d", "3", "--b", "48", "--c", "48"},
      {"--seed", "5", "--tests", "1", "--b", "4004000"},
      {"--seed", "6", "--tests", "3", "--n", "40", "--c", "1680"},
      {"--seed", "7", "--red", "100"},
      {"--seed", "8", "--black", "100", "--d", "1", "--c", "8"},
      {"--seed", "9", "--red", "50", "--black", "50", "--b", "1"},
      {"--seed", "10", "--black", "60", "--d", "2", "--b", "1", "--c", "24"},
      {"--seed", "11", "--tests", "100", "--n", "6"},
  };
  for (const auto& args : commandLines) {
    const GenOptions options = optionsOf(args);
    const std::string bytes = generatedBytes(options);
    const TempFile file(bytes);
    std::vector<TestCase> testCases;
    EXPECT_NO_THROW(readInputFile(file.path(), testCases)) << args[1];
    if (options.tests) {
      EXPECT_EQ(testCases.size(), static_cast<std::size_t>(*options.tests));
    }
    for (const TestCase& testCase : testCases) expectParameters(testCase, options);
    EXPECT_EQ(generatedBytes(options), bytes) << "seed " << args[1];
  }
}

TEST(WriteInputFile, KeepsBlackCellsThatMeetTheThresholds) {
  // Half the cells drawn black, with thresholds that most of them meet.
  const std::string bytes =
      generatedBytes(optionsOf({"--seed", "12", "--tests", "1", "--n", "50", "--d", "1", "--b", "2",
                                "--c", "6", "--red", "0", "--black", "50"}));
  const auto blackCells = std::count(bytes.begin(), bytes.end(), BlackCell);
  EXPECT_GT(blackCells, 500);
}

TEST(WriteInputFile, GivesTheSameTestCasesWhateverTheirNumber) {
  const std::string three = generatedBytes(optionsOf({"--seed", "13", "--tests", "3"}));
  const std::string five = generatedBytes(optionsOf({"--seed", "13", "--tests", "5"}));
  const std::size_t afterCount = std::string("Mrezovje\n3\n").size();
  EXPECT_EQ(five.substr(afterCount, three.size() - afterCount), three.substr(afterCount));
}

}  // namespace
