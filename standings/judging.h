#pragma once

#include <cstdint>
#include <vector>

#include "grid/test_case.h"
#include "standings/judged_file.h"
#include "standings/submission_files.h"

// Every submission file judged, several at a time: each file by one thread, start to end, as
// `mrezovnik eval` judges it. The judged files come out in the order listed, whatever the
// number of threads and however long each file takes.

/// Told of each file as it has been judged; called by one thread at a time.
class JudgingProgress {
 public:
  virtual ~JudgingProgress() = default;
  /// One more file, of `bytes` bytes, has been judged.
  virtual void fileJudged(uint64_t bytes) = 0;
};

/// The number of files judged at a time when none is asked for: one per core, at least 1.
uint32_t defaultJobs();

/// Judges every file against the test cases of a sound input file, `jobs` at a time: the
/// calling thread and up to jobs - 1 more. Where a thread cannot be started (a platform without
/// threads), the threads started so far judge every file. `progress` may be null.
std::vector<JudgedFile> judgeFiles(const std::vector<SubmissionFile>& files,
                                   const std::vector<TestCase>& testCases, uint32_t jobs,
                                   JudgingProgress* progress);
