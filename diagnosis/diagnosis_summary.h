#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "diagnosis/diagnosis.h"
#include "grid/test_case.h"
#include "judge/cell_fault.h"
#include "readers/submission.h"

// A diagnosis kept in a few numbers per block, for a reader that lists the blocks and shows
// one of them at a time (the viewer): a submission may hold millions of blocks, so only a
// bounded number is kept, and a shown block's rows are read again from its offset.

/// One block's verdict in a few numbers, and where its rows can be read again.
struct BlockSummary {
  /// The block's place in the submission, from 1.
  int64_t position = 0;
  /// The block's header line.
  int64_t headerLine = 0;
  /// The offset in the submission of the block's first row.
  uint64_t rowsOffset = 0;
  /// The number of the test case that the block answers.
  int32_t testCase = 0;
  /// The number of pairs of black cells within distance d of each other.
  int64_t nearPairs = 0;
  /// The number of faults of each kind, indexed by FaultKind.
  std::array<int64_t, FaultKindCount> faults{};

  /// Whether the block breaks no rule.
  bool accepted() const { return faultTotal() == 0; }
  /// The number of faults of every kind.
  int64_t faultTotal() const;
};

/// Receives a diagnosis and keeps the summaries of the first `firstBlocks` blocks, of up to
/// `laterRefused` refused blocks after them, and of the last block; the others are counted.
class DiagnosisSummary : public DiagnosisSink {
 public:
  /// Keeps at most firstBlocks + laterRefused + 1 summaries.
  DiagnosisSummary(std::size_t firstBlocks, std::size_t laterRefused);

  void takeBlock(const BlockDiagnosis& block) override;
  void takeStop(const DiagnosisStop& stop) override;
  /// Keeps the last block's summary if it was left out; once the diagnosis is over.
  void finish();

  /// The kept summaries, in submission order.
  const std::vector<BlockSummary>& kept() const { return kept_; }
  /// The summary of the block taken last.
  const BlockSummary& last() const { return last_; }
  /// The number of blocks taken.
  int64_t blockCount() const { return last_.position; }
  /// The number of refused blocks taken.
  int64_t refusedCount() const { return refusedCount_; }
  /// The fault that ended all reading, if one did.
  const std::optional<DiagnosisStop>& stop() const { return stop_; }

 private:
  /// Whether a block at this place, with this verdict, is kept.
  bool keeps(int64_t position, bool accepted) const;

  std::size_t firstBlocks_;
  std::size_t laterRefused_;
  std::size_t laterRefusedKept_ = 0;
  int64_t refusedCount_ = 0;
  std::vector<BlockSummary> kept_;
  BlockSummary last_;
  bool lastKept_ = false;
  std::optional<DiagnosisStop> stop_;
};

/// Reads the rows of a summarised block again from the submission at `submissionPath` into
/// `block`, with the submission reader, whose checks still apply (should the file have
/// changed since); `testCase` is the one that the block answers.
void rereadBlock(const std::string& submissionPath, const BlockSummary& summary,
                 const TestCase& testCase, SubmittedGrid& block);
