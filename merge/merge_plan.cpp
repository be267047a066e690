#include "merge/merge_plan.h"

#include <algorithm>
#include <utility>

#include "evaluation/evaluation.h"
#include "readers/submission.h"
#include "textio/assertion.h"
#include "textio/line_reader.h"
#include "textio/text_file.h"

namespace {

/// The faults that a block's diagnosis keeps: whether there is one is all that the merge asks.
constexpr std::size_t KeptFaults = 1;

/// Whether `count` is better than `best`.
bool isBetter(int64_t count, int64_t best, Better better) {
  return better == Better::Higher ? count > best : count < best;
}

/// Takes one submission's diagnosis into the table.
class ChoosingSink : public DiagnosisSink {
 public:
  ChoosingSink(MergeTable& table, std::size_t file, Better better)
      : table_(table), file_(table.files[file]), fileIndex_(file), better_(better) {}

  void takeBlock(const BlockDiagnosis& block) override {
    ++file_.blocks;
    if (!block.accepted()) return;
    ++file_.validBlocks;
    std::optional<ChosenBlock>& chosen =
        table_.chosen[static_cast<std::size_t>(block.testCase->number - 1)];
    if (chosen && !isBetter(block.grid.nearPairs, chosen->nearPairs, better_)) return;
    chosen = ChosenBlock{fileIndex_, block.headerLine, block.rowsOffset, block.grid.nearPairs};
  }

  void takeStop(const DiagnosisStop& stop) override { file_.stop = stop; }

 private:
  MergeTable& table_;
  MergedFile& file_;
  std::size_t fileIndex_;
  Better better_;
};

/// Line 1 of the submission at `path` when it is a contestant number.
std::optional<std::string> contestantNumberOf(const std::string& path) {
  TextFile file(path);
  LineReader reader{file};
  try {
    return readContestantNumber(reader);
  } catch (const EAssertion&) {
    return std::nullopt;
  }
}

}  // namespace

bool MergeTable::complete() const {
  return std::none_of(files.begin(), files.end(),
                      [](const MergedFile& file) { return file.stop && file.stop->check == 0; });
}

MergeTable chooseBlocks(const std::vector<TestCase>& testCases,
                        const std::vector<std::string>& paths, Better better, CodePath path) {
  MergeTable table;
  table.chosen.resize(testCases.size());
  table.files.resize(paths.size());
  for (std::size_t k = 0; k < paths.size(); ++k) {
    MergedFile& file = table.files[k];
    file.path = paths[k];
    file.contestantNumber = contestantNumberOf(file.path);
    if (file.contestantNumber && !table.contestantNumberFile) table.contestantNumberFile = k;
    TextFile submission(file.path);
    LineReader reader{submission};
    ChoosingSink sink(table, k, better);
    diagnoseSubmission(reader, testCases, sink, KeptFaults, path);
  }
  table.contestantNumber = table.contestantNumberFile
                               ? *table.files[*table.contestantNumberFile].contestantNumber
                               : NoContestantNumber;
  return table;
}

MergePlan planMerge(const std::string& inputPath, const std::vector<std::string>& submissionPaths,
                    Better better, CodePath path) {
  MergePlan plan;
  plan.inputFault = readInputOrFault(inputPath, plan.testCases);
  if (plan.inputFault) {
    plan.testCases.clear();
    return plan;
  }
  plan.table = chooseBlocks(plan.testCases, submissionPaths, better, path);
  return plan;
}
