#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "evaluation/outcome.h"
#include "hosts/judge_call.h"
#include "textio/text_file.h"

// What the judge found for a host, before the host's own contract writes it: the outcome of
// the evaluation with its score, in one of three verdicts.

/// The three verdicts that every host tells apart.
enum class Verdict : uint8_t {
  /// The submission was accepted: it has a score.
  Accepted,
  /// A check of the submission failed: the contestant's wrong answer.
  WrongAnswer,
  /// The organisers' files are at fault, or the evaluation failed unexpectedly: the judge's
  /// own failure, never a contestant's verdict.
  JudgeError,
};

/// The judge's finding.
struct Judgement {
  /// Which verdict.
  Verdict verdict = Verdict::JudgeError;
  /// The evaluation's outcome; its results give the per-block lines.
  Outcome outcome;
  /// Accepted: the score rule, and the score by it.
  ScoreRule rule = ScoreRule::Count;
  int64_t count = 0;
  double fraction = 0;
  /// WrongAnswer: the report's failure line; JudgeError: the reason, for the organisers.
  /// Either is made fit for the host to show (hostText).
  std::string message;

  /// The score as a host writes it: the count, or the fraction (times 100 when `percent`).
  std::string scoreText(bool percent) const;
  /// The console lines of the first ListedBlocks blocks of an accepted submission, and how
  /// many more there are, joined by `separator`.
  std::string blockLines(std::string_view separator) const;
};

/// The most blocks whose counts a host's message lists.
inline constexpr std::size_t ListedBlocks = 100;

/// Judges a call: reads the input file, then the answer file for the relative score, then
/// the submission that `submission` reads.
Judgement judge(const JudgeCall& call, const std::string& inputPath, const std::string& answerPath,
                TextFile& submission);

/// A judge error with the given reason (made fit for a host here).
Judgement judgeError(std::string_view reason);
