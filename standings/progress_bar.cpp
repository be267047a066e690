#include "standings/progress_bar.h"

#include <algorithm>
#include <cmath>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

/// The width of the bar, in characters.
constexpr std::size_t BarWidth = 24;

/// Megabytes with one decimal.
std::string megabytes(uint64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", static_cast<double>(bytes) / 1e6);
  return text;
}

}  // namespace

bool isTerminal(std::FILE* stream) {
#if defined(__EMSCRIPTEN__)
  // The node build's standard streams all pass for terminals: it shows no progress.
  static_cast<void>(stream);
  return false;
#elif defined(_WIN32)
  return _isatty(_fileno(stream)) != 0;
#else
  return isatty(fileno(stream)) != 0;
#endif
}

std::string progressLine(std::size_t filesDone, std::size_t files, uint64_t bytesDone,
                         uint64_t bytes, double secondsSoFar) {
  const double share =
      bytes > 0 ? static_cast<double>(bytesDone) / static_cast<double>(bytes)
                : (files > 0 ? static_cast<double>(filesDone) / static_cast<double>(files) : 1);
  const auto filled = std::min(BarWidth, static_cast<std::size_t>(share * BarWidth));
  std::string line(1, '[');
  line.append(filled, '=').append(BarWidth - filled, ' ').append("] ");
  line += std::to_string(filesDone) + "/" + std::to_string(files) + " files, " +
          megabytes(bytesDone) + "/" + megabytes(bytes) + " MB";
  if (filesDone == files)
    return line + ", done in " + std::to_string(std::lround(secondsSoFar)) + " s";
  if (share > 0) {
    const double left = secondsSoFar * (1 - share) / share;
    line += ", about " + std::to_string(std::lround(left)) + " s left";
  }
  return line;
}

ProgressBar::ProgressBar(std::FILE* terminal, std::size_t files, uint64_t bytes)
    : terminal_(terminal), files_(files), bytes_(bytes) {
  show();
}

void ProgressBar::fileJudged(uint64_t bytes) {
  ++filesDone_;
  bytesDone_ += bytes;
  show();
}

void ProgressBar::finish() { std::fputc('\n', terminal_); }

void ProgressBar::show() {
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  std::string line = progressLine(filesDone_, files_, bytesDone_, bytes_, seconds);
  const std::size_t length = line.size();
  // Blanks over the rest of a longer line shown before: no terminal control codes.
  line.append(shownLength_ > length ? shownLength_ - length : 0, ' ');
  shownLength_ = length;
  std::fprintf(terminal_, "\r%s", line.c_str());
  std::fflush(terminal_);
}
