#include "fuzz/eval_workspace.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <system_error>

#include <stdlib.h>

#include "driver/evaluate.h"
#include "fuzz/report_form.h"

namespace {

/// Closes a C file on scope exit.
struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

/// An open C file that closes itself.
using OwnedFile = std::unique_ptr<std::FILE, FileCloser>;

/// Prints why the fuzzer cannot run at all and aborts.
[[noreturn]] void abortSetup(const char* what) {
  std::fprintf(stderr, "mrezovnik fuzz set-up failed: %s\n", what);
  std::abort();
}

/// A new folder under the temporary folder that only this process uses.
std::filesystem::path makePrivateFolder() {
  std::error_code error;
  const std::filesystem::path base = std::filesystem::temp_directory_path(error);
  if (error) abortSetup("no temporary folder");
  std::string pattern = (base / "mrezovnik-fuzz-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) abortSetup("mkdtemp failed");
  return pattern;
}

}  // namespace

EvalWorkspace::EvalWorkspace()
    : folder_(makePrivateFolder()),
      inputPath_(folder_ / "input.txt"),
      submissionPath_(folder_ / "submission.txt"),
      reportPath_(folder_ / "report.txt") {}

EvalWorkspace::~EvalWorkspace() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::string EvalWorkspace::evaluate(std::string_view input, std::string_view submission) const {
  // A report left by the previous run must never pass for this run's.
  std::error_code ignored;
  std::filesystem::remove(reportPath_, ignored);

  std::array<std::string, 5> words{"mrezovnik", "eval", inputPath_.string(),
                                   submissionPath_.string(), reportPath_.string()};
  std::array<char*, 5> argv{words[0].data(), words[1].data(), words[2].data(), words[3].data(),
                            words[4].data()};
  const int exitCode = ::evaluate(static_cast<int>(argv.size()), argv.data());
  std::fflush(stdout);

  std::string report = readWholeFile(reportPath_);
  if (exitCode != ExitDone) {
    abortWithFinding("evaluate returned " + std::to_string(exitCode) + ", not 0", report);
  }
  if (!std::filesystem::is_regular_file(reportPath_)) abortWithFinding("no report written", "");
  requireOnlyTheThreeFiles(input, submission, report);
  return report;
}

void EvalWorkspace::requireOnlyTheThreeFiles(std::string_view input, std::string_view submission,
                                             std::string_view report) const {
  int entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
    const std::filesystem::path& path = entry.path();
    if (path != inputPath_ && path != submissionPath_ && path != reportPath_) {
      abortWithFinding("the run created " + path.string(), report);
    }
    ++entries;
  }
  if (entries != 3) abortWithFinding("the folder lost one of its files", report);
  if (readWholeFile(inputPath_) != input) abortWithFinding("the input file changed", report);
  if (readWholeFile(submissionPath_) != submission) {
    abortWithFinding("the submission changed", report);
  }
}

const EvalWorkspace& processWorkspace() {
  static const EvalWorkspace folder;
  return folder;
}

void writeFileOrAbort(const std::filesystem::path& path, std::string_view bytes) {
  // A new file rather than a truncated one: some file systems (ext4) write a truncated and
  // rewritten file through to the disk on close, which would slow every run down a lot.
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  const OwnedFile file(std::fopen(path.c_str(), "wb"));
  if (!file) abortSetup("cannot open a file to write");
  if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size() ||
      std::fflush(file.get()) != 0) {
    abortSetup("cannot write a file");
  }
}

std::string readWholeFile(const std::filesystem::path& path) {
  std::string bytes;
  const OwnedFile file(std::fopen(path.c_str(), "rb"));
  if (!file) return bytes;
  std::array<char, 4096> chunk;
  std::size_t got;
  while ((got = std::fread(chunk.data(), 1, chunk.size(), file.get())) > 0) {
    bytes.append(chunk.data(), got);
  }
  return bytes;
}

void silenceStandardOutput() {
  if (std::freopen("/dev/null", "w", stdout) == nullptr) abortSetup("cannot redirect stdout");
}
