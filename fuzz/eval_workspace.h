#pragma once

#include <filesystem>
#include <string>
#include <string_view>

/// A private folder of one fuzzing process holding the input file, the submission and the
/// report under fixed names; made when constructed, removed with everything in it when
/// destroyed.
class EvalWorkspace {
 public:
  /// Makes a new private folder under the system's temporary folder; aborts when it cannot.
  EvalWorkspace();
  ~EvalWorkspace();
  EvalWorkspace(const EvalWorkspace&) = delete;
  EvalWorkspace& operator=(const EvalWorkspace&) = delete;

  /// Where the input file is.
  const std::filesystem::path& inputPath() const { return inputPath_; }
  /// Where the submission is.
  const std::filesystem::path& submissionPath() const { return submissionPath_; }
  /// Where the report goes.
  const std::filesystem::path& reportPath() const { return reportPath_; }

  /// Runs "eval" over the two files as they stand and returns the report's bytes. `input`
  /// and `submission` are the bytes the files were given. Aborts with a finding when the
  /// run breaks a rule that holds for any pair of files: an exit code other than 0, no
  /// report, a change to either file, or any new entry in the folder.
  std::string evaluate(std::string_view input, std::string_view submission) const;

 private:
  /// Aborts with a finding unless the folder holds exactly the three files, with the two
  /// evaluated files unchanged.
  void requireOnlyTheThreeFiles(std::string_view input, std::string_view submission,
                                std::string_view report) const;

  std::filesystem::path folder_;
  std::filesystem::path inputPath_;
  std::filesystem::path submissionPath_;
  std::filesystem::path reportPath_;
};

/// The process's private folder. libFuzzer's entry points take no context, so the folder
/// lives in one function-local object, made on first use and never changed after.
const EvalWorkspace& processWorkspace();

/// Makes `bytes` the whole content of a new file at `path`, replacing any file there; aborts
/// when it cannot.
void writeFileOrAbort(const std::filesystem::path& path, std::string_view bytes);

/// The whole content of the file at `path`, or empty when it cannot be read.
std::string readWholeFile(const std::filesystem::path& path);

/// Sends the evaluation's standard output, its per-block summary, to /dev/null so that
/// libFuzzer's own output stays readable; aborts when it cannot.
void silenceStandardOutput();
