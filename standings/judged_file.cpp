#include "standings/judged_file.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "evaluation/evaluation.h"
#include "textio/assertion.h"
#include "textio/line_reader.h"
#include "textio/message.h"
#include "textio/text_file.h"

namespace {

/// Bytes read at a time for line 1: a contestant number is short, a longer line is measured.
constexpr std::size_t HeaderChunk = 4096;

/// The contestant number of the file's line 1, or nothing where it is none.
std::optional<std::string> contestantOf(const std::string& path) {
  TextFile file(path, HeaderChunk);
  LineReader reader{file};
  try {
    return readContestantNumber(reader);
  } catch (const EAssertion&) {
    return std::nullopt;
  }
}

/// Each test case's first block of an accepted outcome, with its position.
void keepFirstBlocks(const Outcome& outcome, JudgedFile& judged) {
  std::vector<bool> answered(static_cast<std::size_t>(outcome.testCaseCount));
  for (std::size_t k = 0; k < outcome.results.size(); ++k) {
    const TestResult& result = outcome.results[k];
    const auto index = static_cast<std::size_t>(result.number - 1);
    if (answered[index]) continue;
    answered[index] = true;
    judged.firstBlocks.push_back(result);
    judged.positions.push_back(static_cast<int64_t>(k) + 1);
  }
}

/// The file judged, or an unreadable one when it cannot be opened.
JudgedFile judgeOpenFile(const std::string& path, const std::vector<TestCase>& testCases) {
  JudgedFile judged;
  judged.path = path;
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return judged;
  TextFile file(path);
  if (!file.isOpen()) return judged;
  Outcome outcome = judgeSubmission(file, testCases);
  judged.contestant = contestantOf(path);
  if (outcome.kind == OutcomeKind::Accepted) {
    judged.verdict = FileVerdict::Accepted;
    keepFirstBlocks(outcome, judged);
  } else if (outcome.kind == OutcomeKind::Refused) {
    judged.verdict = FileVerdict::Refused;
    judged.failure.check = outcome.failure.check;
    judged.failure.message = cutMessage(std::move(outcome.failure.message));
  }
  return judged;
}

}  // namespace

JudgedFile judgeFile(const std::string& path, const std::vector<TestCase>& testCases) {
  try {
    return judgeOpenFile(path, testCases);
  } catch (...) {
    // Out of memory outside the evaluation: the file is unreadable, the others go on.
    JudgedFile judged;
    judged.path = path;
    return judged;
  }
}

std::string cutMessage(std::string message) {
  if (message.size() <= KeptMessageBytes) return message;
  const auto more = static_cast<uint64_t>(message.size() - KeptMessageBytes);
  message.resize(KeptMessageBytes);
  message.shrink_to_fit();
  return message + composeMessage(" ... (", more, " more bytes)");
}
