#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "evaluation/outcome.h"
#include "grid/test_case.h"
#include "readers/submission.h"

// One submission file judged, reduced to what the standings need of it: its contestant, its
// verdict with the failed check, and each test case's first block.

/// The verdicts of a file in the standings.
enum class FileVerdict : uint8_t {
  /// Every block passed, as `mrezovnik eval` reports "OK".
  Accepted,
  /// A check of the submission failed, as the report's failure line says.
  Refused,
  /// The file could not be opened (missing, a folder, no permission), or its evaluation failed
  /// unexpectedly (out of memory).
  Unreadable,
};

/// A verdict with the word that the standings write for it.
struct FileVerdictEntry {
  /// The verdict.
  FileVerdict verdict;
  /// Its word.
  std::string_view word;
};

/// Every verdict, in the order of their values.
inline constexpr FileVerdictEntry FileVerdicts[] = {{FileVerdict::Accepted, "accepted"},
                                                    {FileVerdict::Refused, "refused"},
                                                    {FileVerdict::Unreadable, "unreadable"}};

/// The word of a verdict.
constexpr std::string_view verdictWord(FileVerdict verdict) {
  return FileVerdicts[static_cast<std::size_t>(verdict)].word;
}

/// The most bytes kept of a refusal's message: enough for a quoted row of the widest grid.
inline constexpr std::size_t KeptMessageBytes = 2000;

/// One judged submission file.
struct JudgedFile {
  /// The file's path, as listed.
  std::string path;
  /// Line 1, where it is a contestant number (six digits), whatever the verdict.
  std::optional<std::string> contestant;
  /// The verdict.
  FileVerdict verdict = FileVerdict::Unreadable;
  /// Refused: the check that failed and its message, cut by cutMessage.
  FailedCheck failure;
  /// Accepted: each answered test case's first block, in submission order. The score rules
  /// count a test case by its first block only, so that these give the file's every score.
  std::vector<TestResult> firstBlocks;
  /// The position of each of firstBlocks among all the file's blocks, from 1.
  std::vector<int64_t> positions;
};

/// Judges the file at `path` against the test cases of a sound input file, as `mrezovnik eval`
/// does, and reads its contestant number.
JudgedFile judgeFile(const std::string& path, const std::vector<TestCase>& testCases);

/// `message` cut after its first KeptMessageBytes bytes, which then end with
/// " ... (N more bytes)"; a shorter message stays as it is.
std::string cutMessage(std::string message);
