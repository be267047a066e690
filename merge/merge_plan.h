#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "codepath/code_path.h"
#include "diagnosis/diagnosis.h"
#include "evaluation/outcome.h"
#include "evaluation/score.h"
#include "grid/test_case.h"

// The merge of a contestant's submissions of one input file: for each test case, the best
// block among all the files that is valid on its own, as the diagnosis judges it.

/// The block chosen for one test case.
struct ChosenBlock {
  /// The submission that holds it: its place in the list, from 0.
  std::size_t file = 0;
  /// Its header line.
  int64_t headerLine = 0;
  /// The offset in its file of its first row, from which it is read again.
  uint64_t rowsOffset = 0;
  /// Its near-pair count.
  int64_t nearPairs = 0;
};

/// What the merge found in one submission.
struct MergedFile {
  /// Its path, as given.
  std::string path;
  /// Its line 1 when that is a contestant number.
  std::optional<std::string> contestantNumber;
  /// The blocks read before any fault that ended the reading.
  int64_t blocks = 0;
  /// How many of them are valid on their own.
  int64_t validBlocks = 0;
  /// The fault that ended the reading (the file's first lines, a block's header line, a row
  /// of the wrong length, the file ending inside a block), if one did: the blocks before it
  /// still count. Check 0 is a failure that is no check, such as exhausted memory.
  std::optional<DiagnosisStop> stop;
};

/// The table of choices: which block answers each test case in the merged submission.
struct MergeTable {
  /// Line 1 of the merged submission: the contestant number of the first file that has one on
  /// its line 1, else "000000".
  std::string contestantNumber;
  /// The file that gave it; empty when none has one.
  std::optional<std::size_t> contestantNumberFile;
  /// For each test case (index number - 1), the chosen block; empty where no file answers it
  /// validly.
  std::vector<std::optional<ChosenBlock>> chosen;
  /// Each submission, in the order given.
  std::vector<MergedFile> files;

  /// Whether every file was read to its end or to a fault of its own: false when a failure
  /// that is no check (exhausted memory) cut a reading short, so that a better block may have
  /// been missed.
  bool complete() const;
};

/// The contestant number written when no file has one.
inline constexpr char NoContestantNumber[] = "000000";

/// What stops a merge whose table is not complete().
inline constexpr char IncompleteMerge[] = "a submission could not be read whole";

/// What stops a merge that failed unexpectedly.
inline constexpr char UnexpectedMergeFailure[] =
    "the merge failed unexpectedly, such as out of memory";

/// Chooses, for each of `testCases`, the best block that is valid on its own among the
/// submissions at `paths`, read in that order: the one whose near-pair count is better, as
/// `better` says; between equal counts, the earliest (by file, then within the file).
MergeTable chooseBlocks(const std::vector<TestCase>& testCases,
                        const std::vector<std::string>& paths, Better better,
                        CodePath path = fastestCodePath());

/// A merge ready to be written: the input file's test cases and the table of choices.
struct MergePlan {
  /// The input file's fault (InputFault), or an unexpected failure while it was read: then
  /// nothing else is set.
  std::optional<Outcome> inputFault;
  /// The input file's test cases.
  std::vector<TestCase> testCases;
  /// The blocks chosen.
  MergeTable table;
};

/// Reads the input file whole, then the submissions one after another; holds no more than one
/// block of a submission at a time.
MergePlan planMerge(const std::string& inputPath, const std::vector<std::string>& submissionPaths,
                    Better better, CodePath path = fastestCodePath());
