#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "hosts/host_contracts.h"

namespace {

/// The exit codes of the ICPC package format.
constexpr int ExitAccepted = 42;
constexpr int ExitWrongAnswer = 43;

/// A file of the feedback folder: the folder may come with or without its trailing separator.
std::string feedbackFile(const std::string& folder, std::string_view name) {
  const bool separated = !folder.empty() && (folder.back() == '/' || folder.back() == '\\');
  return folder + (separated ? "" : "/") + std::string(name);
}

/// Writes `text` and a line end as the whole file at `path`; false when any step failed.
bool writeFile(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (file == nullptr) return false;
  std::fprintf(file, "%s\n", text.c_str());
  const bool written = std::fflush(file) == 0 && std::ferror(file) == 0;
  return std::fclose(file) == 0 && written;
}

/// Tells the host that the judge failed: the reason in judgemessage.txt, or on standard error
/// when the folder cannot take it; no score.txt.
int judgeError(const std::string& feedbackDir, const std::string& reason) {
  std::error_code ignored;
  std::filesystem::remove(feedbackFile(feedbackDir, "score.txt"), ignored);
  if (!writeFile(feedbackFile(feedbackDir, "judgemessage.txt"), "mrezovnik-judge: " + reason)) {
    std::fprintf(stderr, "mrezovnik-judge: %s\n", reason.c_str());
  }
  return entryOf(Host::Icpc).judgeErrorExit;
}

}  // namespace

int tellIcpc(const Judgement& judgement, const std::string& feedbackDir) {
  std::error_code error;
  if (!std::filesystem::is_directory(feedbackDir, error)) {
    if (judgement.verdict == Verdict::JudgeError) {
      std::fprintf(stderr, "mrezovnik-judge: %s\n", judgement.message.c_str());
    }
    std::fprintf(stderr, "mrezovnik-judge: the feedback folder '%s' is missing\n",
                 feedbackDir.c_str());
    return entryOf(Host::Icpc).judgeErrorExit;
  }
  if (judgement.verdict == Verdict::JudgeError) return judgeError(feedbackDir, judgement.message);
  const std::string message =
      judgement.verdict == Verdict::Accepted ? judgement.blockLines("\n") : judgement.message;
  if (!writeFile(feedbackFile(feedbackDir, "teammessage.txt"), message) ||
      !writeFile(feedbackFile(feedbackDir, "judgemessage.txt"), message)) {
    return judgeError(feedbackDir, "the feedback folder " + feedbackDir + " cannot be written");
  }
  if (judgement.verdict == Verdict::WrongAnswer) {
    std::error_code ignored;
    std::filesystem::remove(feedbackFile(feedbackDir, "score.txt"), ignored);
    return ExitWrongAnswer;
  }
  if (!writeFile(feedbackFile(feedbackDir, "score.txt"), judgement.scoreText(true))) {
    return judgeError(feedbackDir, "score.txt cannot be written in " + feedbackDir);
  }
  return ExitAccepted;
}
