#pragma once

// What evaluating the generated files must give, counted and worded by the reference, and the
// checks that the built cases came out as intended.

#include <cstdint>
#include <string>
#include <vector>

#include "tests/reference/summed_counts.h"
#include "tools/gen_cases/case_building.h"
#include "tools/gen_cases/options.h"

/// What checking one answer grid gives: its near-pair count, or the message of its fault.
struct Verdict {
  /// False when the answer has a fault.
  bool accepted = true;
  /// True when the fault is a black cell with more than c black neighbours.
  bool blackCountFault = false;
  /// The number of pairs of black cells within distance d, when accepted.
  int64_t nearPairs = 0;
  /// The report's message for the fault, when not accepted.
  std::string fault;
};

/// A submitted block: which test case it answers and what checking it gives.
struct SubmittedBlock {
  /// The test case answered.
  int32_t number = 0;
  /// The line (from 1) of the submission that holds the block's test case number.
  int64_t headerLine = 0;
  /// What checking the answer gives.
  Verdict verdict;
};

/// What checking a case's answer gives: its first comparison fault, else its thresholds.
Verdict verdictOf(SummedCounts& counts, const Case& testCase);

/// Checks that a built case is what it should be: parameters in range, an input that meets
/// its own thresholds and an answer that keeps the input's cells. Throws otherwise.
void requireWellFormed(const Case& testCase, int32_t k, SummedCounts& counts);

/// Checks that the verdicts are those the variant asks for: all accepted, all but the last
/// block, which fails on a black count, or none. Throws otherwise.
void requireIntendedVerdicts(const std::vector<SubmittedBlock>& blocks, Variant variant);

/// The report of an evaluation of the blocks: the first failing block's fault, or OK.
std::string expectedReport(const std::vector<SubmittedBlock>& blocks);

/// The standard output of an evaluation of the blocks: one line each if all are accepted.
std::string expectedStdout(const std::vector<SubmittedBlock>& blocks);
