#include "diagnosis/diagnosis_summary.h"

#include <numeric>

#include "textio/text_file.h"

int64_t BlockSummary::faultTotal() const {
  return std::accumulate(faults.begin(), faults.end(), int64_t{0});
}

DiagnosisSummary::DiagnosisSummary(std::size_t firstBlocks, std::size_t laterRefused)
    : firstBlocks_(firstBlocks), laterRefused_(laterRefused) {}

bool DiagnosisSummary::keeps(int64_t position, bool accepted) const {
  if (static_cast<uint64_t>(position) <= firstBlocks_) return true;
  return !accepted && laterRefusedKept_ < laterRefused_;
}

void DiagnosisSummary::takeBlock(const BlockDiagnosis& block) {
  BlockSummary summary{last_.position + 1,     block.headerLine,     block.rowsOffset,
                       block.testCase->number, block.grid.nearPairs, {}};
  for (const FaultKindEntry& entry : FaultKinds) {
    summary.faults[faultKindIndex(entry.kind)] = block.grid.faults.count(entry.kind);
  }
  const bool accepted = summary.accepted();
  if (!accepted) ++refusedCount_;
  lastKept_ = keeps(summary.position, accepted);
  if (lastKept_) {
    if (static_cast<uint64_t>(summary.position) > firstBlocks_) ++laterRefusedKept_;
    kept_.push_back(summary);
  }
  last_ = summary;
}

void DiagnosisSummary::takeStop(const DiagnosisStop& stop) { stop_ = stop; }

void DiagnosisSummary::finish() {
  if (last_.position == 0 || lastKept_) return;
  kept_.push_back(last_);
  lastKept_ = true;
}

void rereadBlock(const std::string& submissionPath, const BlockSummary& summary,
                 const TestCase& testCase, SubmittedGrid& block) {
  TextFile file(submissionPath);
  file.startAt(summary.rowsOffset);
  LineReader reader{file, summary.headerLine};
  readBlockRows(block, reader, testCase);
}
