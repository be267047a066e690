#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "standings/judging.h"

// The progress of the judging on a terminal: files and bytes judged, and the time left. It is
// shown only where standard error is a terminal, never in a log or a pipe.

/// Whether `stream` is a terminal.
bool isTerminal(std::FILE* stream);

/// The progress line: a bar of the bytes judged, the files and megabytes judged of all, and
/// the time left at the pace so far (once a byte has been judged).
std::string progressLine(std::size_t filesDone, std::size_t files, uint64_t bytesDone,
                         uint64_t bytes, double secondsSoFar);

/// The progress line, rewritten in place on a terminal as each file is judged.
class ProgressBar : public JudgingProgress {
 public:
  /// Shows the line with nothing judged yet of `files` files of `bytes` bytes in all.
  ProgressBar(std::FILE* terminal, std::size_t files, uint64_t bytes);

  void fileJudged(uint64_t bytes) override;
  /// Ends the line.
  void finish();

 private:
  /// Writes the line over the one shown.
  void show();

  std::FILE* terminal_;
  std::size_t files_;
  uint64_t bytes_;
  std::size_t filesDone_ = 0;
  uint64_t bytesDone_ = 0;
  /// The length of the line shown last.
  std::size_t shownLength_ = 0;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};
