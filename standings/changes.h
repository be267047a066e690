#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "evaluation/score.h"
#include "standings/standings.h"

// The re-judge preview (--compare): what changed since an earlier run, read back from the
// folder that it wrote: its standings.csv (rank and score of each contestant, and the chosen
// file), its results.csv (that file's verdict) and its best.txt.

/// A fault of the earlier run's folder, for the organisers: its message names the file.
class EEarlierRun {
 public:
  /// Takes the message.
  explicit EEarlierRun(std::string message) : message(std::move(message)) {}

  /// What is wrong.
  std::string message;
};

/// What the comparison needs of an earlier run.
struct EarlierRun {
  /// One contestant's row, as written.
  struct Row {
    std::string rank;
    std::string score;
    /// The verdict of the chosen file, as results.csv gives it.
    std::string verdict;
  };
  /// Each contestant's row, by contestant as written.
  std::map<std::string, Row> contestants;
  /// The best count of each test case.
  CountsByTestCase best;
};

/// Reads the earlier run's folder `dir`, for an input file of `testCaseCount` test cases.
/// Throws EEarlierRun when a file is missing, cannot be read or is not as the standings write
/// it.
EarlierRun readEarlierRun(const std::string& dir, int32_t testCaseCount);

/// One change: of a contestant's rank, score or verdict, or of a test case's best count.
struct Change {
  /// "rank", "score", "verdict" or "best".
  std::string_view what;
  /// The contestant whose row changed; empty for a best count.
  std::string contestant;
  /// The test case whose best count changed; 0 for a contestant's.
  int32_t testCase = 0;
  /// The value before and now, as written; empty where there was none.
  std::string before;
  std::string now;
};

/// Every change from `earlier` to `standings`: each contestant's changes in the order rank,
/// score, verdict, the contestants by their rank now, then those who are gone, by their rank
/// before; then the best counts, by test case.
std::vector<Change> compareRuns(const EarlierRun& earlier, const Standings& standings);

/// The columns of changes.csv.
inline constexpr std::array<std::string_view, 5> ChangesColumns = {"change", "contestant",
                                                                   "testcase", "old", "new"};

/// changes.csv: one record per change.
std::string changesCsv(const std::vector<Change>& changes);
