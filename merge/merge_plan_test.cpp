#include "merge/merge_plan.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "evaluation/evaluation.h"
#include "merge/merged_submission.h"
#include "tests/support/scratch_stream.h"
#include "tests/support/temp_file.h"

namespace {

/// Three test cases: any black cell with a white one around it (1); a red cell and tighter
/// thresholds (2); the design's test case (3).
const std::vector<std::vector<std::string>> InputGrids = {
    {"...", "...", "..."}, {"....", ".R..", "....", "...."}, {"R..", ".#.", "..."}};
const std::string Input =
    "Mrezovje\n3\n\n1\n3 1 1 8\n...\n...\n...\n\n2\n4 1 3 2\n....\n.R..\n....\n....\n"
    "\n3\n3 1 1 4\nR..\n.#.\n...";

/// A block that the generator wrote before any fault that ends its file's reading, with the
/// evaluator's verdict on it alone.
struct WrittenBlock {
  std::size_t file;
  int64_t headerLine;
  int32_t testCase;
  /// The count when the evaluator accepts the block alone.
  std::optional<int64_t> count;
};

/// A generated set of submissions and what the merge must make of it.
struct GeneratedSet {
  std::vector<std::string> texts;
  std::vector<WrittenBlock> blocks;
  /// Line 1 of the first file whose line 1 is a contestant number.
  std::optional<std::string> contestantNumber;
};

/// Writes submissions at random from a seed: valid and refused blocks, repeated and left-out
/// test cases, answers given again (equal counts), faulty first lines, structural faults (after
/// which further blocks follow that must not count), CR LF line ends, header lines such as "01".
class SetGenerator {
 public:
  SetGenerator(const std::vector<TestCase>& testCases, uint32_t seed)
      : testCases_(testCases), random_(seed) {}

  GeneratedSet generate() {
    GeneratedSet set;
    const std::size_t files = 1 + pick(4);
    for (std::size_t file = 0; file < files; ++file) set.texts.push_back(writeFile(file, set));
    return set;
  }

 private:
  /// A number from 0 to n - 1; the engine's numbers are the same on every platform.
  std::size_t pick(std::size_t n) { return random_() % n; }

  /// Adds a line to the file being written; its number.
  int64_t line(const std::string& text) {
    lines_.push_back(text);
    return static_cast<int64_t>(lines_.size());
  }

  std::string writeFile(std::size_t file, GeneratedSet& set) {
    lines_.clear();
    bool counting = true;
    switch (pick(8)) {
      case 0:
        line("12345");
        counting = false;
        break;
      case 1:
        line(pick(2) == 0 ? "000123" : "000124");
        line("Mrezovje ");
        counting = false;
        break;
      default:
        line(pick(3) == 0 ? "000124" : "000123");
        line("Mrezovje");
    }
    if (lines_.front().size() == 6 && !set.contestantNumber) set.contestantNumber = lines_.front();
    const std::size_t blocks = pick(6);
    for (std::size_t k = 0; k < blocks; ++k) counting = writeBlock(file, counting, set) && counting;
    std::string text;
    const char* end = pick(4) == 0 ? "\r\n" : "\n";
    for (const std::string& row : lines_) text += row + end;
    if (pick(5) == 0 && !lines_.empty()) text.resize(text.size() - std::string(end).size());
    return text;
  }

  /// Writes one block; false when it holds a fault that ends the file's reading.
  bool writeBlock(std::size_t file, bool counting, GeneratedSet& set) {
    if (pick(3) == 0) line("");
    const std::size_t t = pick(testCases_.size());
    std::vector<std::string> rows = InputGrids[t];
    if (!earlier_[t].empty() && pick(4) == 0) {
      rows = earlier_[t];  // the same answer again, in this file or another
    } else {
      for (std::string& row : rows) {
        for (char& cell : row) {
          if (cell == '.' && pick(3) == 0) cell = '#';
        }
      }
    }
    earlier_[t] = rows;
    const std::size_t fault = pick(14);
    if (fault == 0) rows[pick(rows.size())][0] = 'x';  // refused: no cell character
    if (fault == 1) rows.back().pop_back();            // a row too short: the reading ends
    std::string header = std::to_string(t + 1);
    if (fault == 2) header = "x";  // no test case number: the reading ends
    if (fault == 3) header = "4";  // no such test case: the reading ends
    if (fault == 4) header = "0" + header;
    const int64_t headerLine = line(header);
    std::string alone = "000000\nMrezovje\n" + header + "\n";
    for (const std::string& row : rows) alone += row + "\n";
    for (const std::string& row : rows) line(row);
    if (fault >= 1 && fault <= 3) return false;
    if (counting) {
      const Outcome outcome = evaluatedAlone(alone);
      std::optional<int64_t> count;
      if (outcome.accepted()) count = outcome.results.at(0).nearPairs;
      set.blocks.push_back({file, headerLine, static_cast<int32_t>(t + 1), count});
    }
    return true;
  }

  /// The evaluator's verdict on a submission of one block.
  Outcome evaluatedAlone(const std::string& text) const {
    TempFile file(text);
    return judgeSubmission(file.path(), testCases_);
  }

  const std::vector<TestCase>& testCases_;
  std::mt19937 random_;
  std::vector<std::string> lines_;
  /// The last rows written for each test case.
  std::vector<std::vector<std::string>> earlier_ = std::vector<std::vector<std::string>>(3);
};

/// The block that must be chosen for each test case: the best count, the earliest of equals.
std::vector<std::optional<WrittenBlock>> bestBlocks(const GeneratedSet& set, Better better) {
  std::vector<std::optional<WrittenBlock>> best(InputGrids.size());
  for (const WrittenBlock& block : set.blocks) {
    if (!block.count) continue;
    std::optional<WrittenBlock>& kept = best[block.testCase - 1];
    if (!kept ||
        (better == Better::Higher ? *block.count > *kept->count : *block.count < *kept->count)) {
      kept = block;
    }
  }
  return best;
}

TEST(Merge, TheMergedFilePassesTheEvaluatorWithTheBestValidCountOfEachTestCase) {
  TempFile input(Input);
  std::vector<TestCase> testCases;
  ASSERT_FALSE(readInputOrFault(input.path(), testCases));
  // What the table of sets must reach: equal counts, blocks taken from files that the
  // evaluator refuses, and blocks taken that are not their file's first of the test case.
  int ties = 0;
  int fromRefusedFiles = 0;
  int laterRepeats = 0;
  for (uint32_t seed = 1; seed <= 150; ++seed) {
    const GeneratedSet set = SetGenerator(testCases, seed).generate();
    std::vector<std::unique_ptr<TempFile>> files;
    std::vector<std::string> paths;
    for (const std::string& text : set.texts) {
      files.push_back(std::make_unique<TempFile>(text));
      paths.push_back(files.back()->path());
    }
    std::vector<bool> refused;
    refused.reserve(paths.size());
    for (const std::string& path : paths) {
      refused.push_back(!evaluateFiles(input.path(), path).accepted());
    }
    for (const Better better : {Better::Higher, Better::Lower}) {
      SCOPED_TRACE("seed " + std::to_string(seed) +
                   (better == Better::Higher ? " higher" : " lower"));
      const MergePlan plan = planMerge(input.path(), paths, better);
      ASSERT_FALSE(plan.inputFault);
      ASSERT_TRUE(plan.table.complete());
      EXPECT_EQ(plan.table.contestantNumber, set.contestantNumber.value_or(NoContestantNumber));

      // The table: the expected block of each test case.
      const std::vector<std::optional<WrittenBlock>> best = bestBlocks(set, better);
      std::vector<TestResult> expected;
      for (std::size_t t = 0; t < best.size(); ++t) {
        const std::optional<ChosenBlock>& chosen = plan.table.chosen[t];
        ASSERT_EQ(chosen.has_value(), best[t].has_value()) << "test case " << t + 1;
        if (!chosen) continue;
        EXPECT_EQ(chosen->file, best[t]->file) << "test case " << t + 1;
        EXPECT_EQ(chosen->headerLine, best[t]->headerLine) << "test case " << t + 1;
        EXPECT_EQ(chosen->nearPairs, *best[t]->count) << "test case " << t + 1;
        expected.push_back({static_cast<int32_t>(t + 1), chosen->nearPairs});
        fromRefusedFiles += refused[chosen->file];
        for (const WrittenBlock& other : set.blocks) {
          if (other.testCase != static_cast<int32_t>(t + 1)) continue;
          const bool same = other.file == chosen->file && other.headerLine == chosen->headerLine;
          ties += !same && other.count == chosen->nearPairs;
          laterRepeats += other.file == chosen->file && other.headerLine < chosen->headerLine;
        }
      }

      // The merged file, the same whether written to a string or a file, is accepted by the
      // evaluator with exactly the chosen counts, in test case order.
      std::string text;
      ASSERT_EQ(writeMergedSubmission(plan, text), "");
      EXPECT_EQ(writtenToStream([&](std::FILE* f) { writeMergedSubmission(plan, f); }), text);
      TempFile mergedFile(text);
      const Outcome outcome = evaluateFiles(input.path(), mergedFile.path());
      ASSERT_TRUE(outcome.accepted()) << outcome.failure.message << "\n" << text;
      ASSERT_EQ(outcome.results.size(), expected.size());
      for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_EQ(outcome.results[k].number, expected[k].number);
        EXPECT_EQ(outcome.results[k].nearPairs, expected[k].nearPairs);
      }
    }
  }
  EXPECT_GT(ties, 30);
  EXPECT_GT(fromRefusedFiles, 100);
  EXPECT_GT(laterRepeats, 25);
}

TEST(Merge, AFaultyInputFileGivesOnlyItsFault) {
  TempFile input("Mrezovje\n2\n\n1\n1 1 1 1\n.\n");
  TempFile submission("000123\nMrezovje\n1\n.\n");
  const MergePlan plan = planMerge(input.path(), {submission.path()}, Better::Higher);
  ASSERT_TRUE(plan.inputFault);
  EXPECT_EQ(plan.inputFault->kind, OutcomeKind::InputFault);
  EXPECT_EQ(plan.inputFault->failure.check, Check::MissingLine);
  EXPECT_TRUE(plan.table.files.empty());
}

TEST(Merge, AFileThatChangedMeanwhileIsNotWritten) {
  TempFile input(Input);
  TempFile submission("000123\nMrezovje\n3\nR..\n.#.\n...\n");
  const MergePlan plan = planMerge(input.path(), {submission.path()}, Better::Higher);
  ASSERT_TRUE(plan.table.chosen[2]);
  for (const char* changed : {"000123\nMrezovje\n3\nR..\n...\n...\n",  // another count
                              "000123\nMrezovje\n3\nR..\n.#.\n..x\n",  // refused
                              "000123\nMrezovje\n3\nR..\n"}) {         // cut short
    std::FILE* file = std::fopen(submission.path().c_str(), "wb");
    std::fputs(changed, file);
    std::fclose(file);
    std::string text;
    EXPECT_EQ(writeMergedSubmission(plan, text),
              "file 1 (" + submission.path() +
                  ") changed while it was merged: its block of test case 3 at line 3 no longer "
                  "reads as it did");
  }
}

}  // namespace
