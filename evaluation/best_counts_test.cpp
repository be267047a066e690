#include "evaluation/best_counts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/scratch_stream.h"
#include "tests/support/temp_file.h"

namespace {

/// The best counts of three test cases that `text` gives, as "t:count " items, or the
/// message of its fault after the file's name.
std::string bestOf(const std::string& text) {
  TempFile file(text);
  try {
    std::string out;
    const CountsByTestCase best = readBestCounts(file.path(), 3);
    for (std::size_t t = 0; t < best.size(); ++t) {
      if (best[t]) out += std::to_string(t + 1) + ":" + std::to_string(*best[t]) + " ";
    }
    return out;
  } catch (const EAnswerFile& fault) {
    return fault.message.substr(fault.message.find(file.path()) + file.path().size());
  }
}

TEST(BestCounts, ReadsResultLinesOrAWholeAcceptedReport) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"1 8\n2 1\n", "1:8 2:1 "},
      {"OK\n3\n2 1\n1 8\n2 5\n", "1:8 2:1 "},
      {"\r\n3 500000000000000000\r\n\n", "3:500000000000000000 "},
      {"\t2  7 \n", "2:7 "},
      {"", " gives no best count"},
      {"\n\n", " gives no best count"},
      {"OK\n0\n", " gives no best count"},
      {"OK\n", ", line 1: an accepted report's \"OK\" is followed by its block count"},
      {"1 8\nOK\n", ", line 2: expected \"<test case> <count>\", two numbers"},
      {"1\n", ", line 1: expected \"<test case> <count>\", two numbers"},
      {"1 2 3\n", ", line 1: expected \"<test case> <count>\", two numbers"},
      {"1 -2\n", ", line 1: expected \"<test case> <count>\", two numbers"},
      {"1 2x\n", ", line 1: expected \"<test case> <count>\", two numbers"},
      {"1 1000000000000000000\n", ", line 1: expected \"<test case> <count>\", two numbers"},
      {"Napaka [Mrezovnik:221]: x\n-1\n",
       ", line 1: expected \"<test case> <count>\", two numbers"},
      {"\n4 1\n", ", line 2: test case 4 is not one of the input file's 1 to 3"},
      {"0 1\n", ", line 1: test case 0 is not one of the input file's 1 to 3"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(bestOf(text), expected) << text;
}

TEST(BestCounts, AFileThatCannotBeOpenedIsAFault) {
  const std::string missing = TempFile::uniquePath();
  EXPECT_THROW(readBestCounts(missing, 1), EAnswerFile);
}

TEST(BestCounts, WritesWhatItReads) {
  const CountsByTestCase best = {8, std::nullopt, 0};
  const std::string written = writtenToStream([&](std::FILE* f) { writeBestCounts(f, best); });
  EXPECT_EQ(written, "1 8\n3 0\n");
  TempFile file(written);
  EXPECT_EQ(readBestCounts(file.path(), 3), best);
}

}  // namespace
