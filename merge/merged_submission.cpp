#include "merge/merged_submission.h"

#include <cstdint>
#include <string_view>

#include "diagnosis/diagnosis_summary.h"
#include "judge/check_grid.h"
#include "readers/submission.h"
#include "textio/assertion.h"

namespace {

/// Why a chosen block cannot be written.
std::string changedFile(const MergeTable& table, const ChosenBlock& chosen, int32_t testCase) {
  return "file " + std::to_string(chosen.file + 1) + " (" + table.files[chosen.file].path +
         ") changed while it was merged: its block of test case " + std::to_string(testCase) +
         " at line " + std::to_string(chosen.headerLine) + " no longer reads as it did";
}

/// Reads a chosen block again into `block` and judges it; whether it is still valid with the
/// same count.
bool readAgain(const MergeTable& table, const ChosenBlock& chosen, const TestCase& testCase,
               SubmittedGrid& block) {
  BlockSummary summary;
  summary.headerLine = chosen.headerLine;
  summary.rowsOffset = chosen.rowsOffset;
  try {
    rereadBlock(table.files[chosen.file].path, summary, testCase, block);
  } catch (const EAssertion&) {
    return false;
  }
  std::string message;
  int64_t nearPairs = 0;
  return checkGrid(testCase, block.rows, message, nearPairs) && nearPairs == chosen.nearPairs;
}

/// Writes the merged submission through `write(std::string_view)`; what went wrong, or "".
template <class Write>
std::string writeMerged(const MergePlan& plan, Write&& write) {
  const MergeTable& table = plan.table;
  std::string text = table.contestantNumber + "\n" + std::string(TaskName) + "\n";
  write(text);
  SubmittedGrid block;
  for (const TestCase& testCase : plan.testCases) {
    const std::optional<ChosenBlock>& chosen =
        table.chosen[static_cast<std::size_t>(testCase.number - 1)];
    if (!chosen) continue;
    if (!readAgain(table, *chosen, testCase, block)) {
      return changedFile(table, *chosen, testCase.number);
    }
    text = std::to_string(testCase.number) + "\n";
    for (int32_t row = 0; row < testCase.n; ++row) text.append(block.rows.row(row)) += '\n';
    write(text);
  }
  return "";
}

}  // namespace

std::string writeMergedSubmission(const MergePlan& plan, std::FILE* out) {
  return writeMerged(
      plan, [out](std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), out); });
}

std::string writeMergedSubmission(const MergePlan& plan, std::string& out) {
  return writeMerged(plan, [&out](std::string_view bytes) { out.append(bytes); });
}
