// mrezovnik-rank: the standings of a contest, for its organisers: every submission judged as
// `mrezovnik eval` judges it, on every core, each contestant's relative score against the best
// counts, ranked, and written as CSV, JSON and a page.
#include <array>
#include <csignal>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "driver/output_path.h"
#include "driver/report.h"
#include "evaluation/best_counts.h"
#include "evaluation/evaluation.h"
#include "hosts/host_text.h"
#include "standings/changes.h"
#include "standings/judging.h"
#include "standings/output_folder.h"
#include "standings/path_in_folder.h"
#include "standings/progress_bar.h"
#include "standings/rank_call.h"
#include "standings/standings.h"
#include "standings/standings_csv.h"
#include "standings/standings_json.h"
#include "standings/standings_page.h"
#include "textio/assertion.h"

namespace {

/// An exit code for a failure that is no fault of a file, such as exhausted memory.
constexpr int ExitUnexpected = 5;

/// The names of the files that a run writes in its folder.
constexpr std::string_view ResultsName = "results.csv";
constexpr std::string_view StandingsName = "standings.csv";
constexpr std::string_view BestName = "best.txt";
constexpr std::string_view JsonName = "standings.json";
constexpr std::string_view PageName = "standings.html";
constexpr std::string_view ChangesName = "changes.csv";
constexpr std::array WrittenNames = {ResultsName, StandingsName, BestName,
                                     JsonName,    PageName,      ChangesName};

/// Prints a message for the organisers on standard error, made fit for a terminal.
void tell(const std::string& message) {
  std::fprintf(stderr, "mrezovnik-rank: %s\n", hostText(message).c_str());
}

/// The judged files of the call, with the progress on a terminal.
std::vector<JudgedFile> judgeAll(const RankCall& call, const std::vector<SubmissionFile>& files,
                                 const std::vector<TestCase>& testCases) {
  const uint32_t jobs = call.jobs > 0 ? call.jobs : defaultJobs();
  if (!isTerminal(stderr)) return judgeFiles(files, testCases, jobs, nullptr);
  uint64_t bytes = 0;
  for (const SubmissionFile& file : files) bytes += file.size;
  ProgressBar bar(stderr, files.size(), bytes);
  std::vector<JudgedFile> judged = judgeFiles(files, testCases, jobs, &bar);
  bar.finish();
  return judged;
}

/// The files that the run writes.
std::vector<OutputFile> outputFiles(const Standings& standings, const ComparedRun* compared) {
  std::string json = standingsJson(standings, compared);
  std::string page = standingsPage(json);
  std::vector<OutputFile> files = {
      textFile(std::string(ResultsName), resultsCsv(standings)),
      textFile(std::string(StandingsName), standingsCsv(standings)),
      {std::string(BestName),
       [&best = standings.best](std::FILE* out) { writeBestCounts(out, best); }},
      textFile(std::string(JsonName), std::move(json)),
      textFile(std::string(PageName), std::move(page)),
  };
  if (compared != nullptr) {
    files.push_back(textFile(std::string(ChangesName), changesCsv(compared->changes)));
  }
  return files;
}

/// A count and its noun, singular or plural ("1 file", "2 files").
std::string counted(std::size_t count, const char* noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

/// One line on what was judged and where the standings went.
void printSummary(const Standings& standings, const std::string& out) {
  std::size_t counts[std::size(FileVerdicts)] = {};
  for (const JudgedFile& file : standings.files) ++counts[static_cast<std::size_t>(file.verdict)];
  std::string line = "judged " + counted(standings.files.size(), "file") + " of " +
                     counted(standings.rows.size(), "contestant") + ":";
  for (const FileVerdictEntry& entry : FileVerdicts) {
    line += (&entry == FileVerdicts ? " " : ", ") +
            std::to_string(counts[static_cast<std::size_t>(entry.verdict)]) + " " +
            std::string(entry.word);
  }
  std::printf("%s; the standings are in %s\n", line.c_str(), out.c_str());
}

/// What is wrong where a file that the run would write or remove in its folder is a file that
/// it reads (the input file, a submission), through any link; "" when none is.
std::string replacedFile(const RankCall& call, const std::vector<SubmissionFile>& files) {
  for (const std::string_view name : WrittenNames) {
    const std::string path = pathInFolder(call.out, name);
    if (namesSameFile(path.c_str(), call.input.c_str())) return path + " is the input file";
    for (const SubmissionFile& file : files) {
      if (namesSameFile(path.c_str(), file.path.c_str()))
        return path + " is the submission " + file.path;
    }
  }
  return "";
}

/// The whole run of a sound command line; its exit code.
int rank(const RankCall& call) {
  std::vector<TestCase> testCases;
  if (const std::optional<Outcome> fault = readInputOrFault(call.input, testCases)) {
    tell("the input file is at fault: " +
         (fault->kind == OutcomeKind::InputFault
              ? failureLine(fault->failure.check, fault->failure.message)
              : std::string(UnexpectedFailureText)));
    return ExitInputFault;
  }
  const auto testCaseCount = static_cast<int32_t>(testCases.size());
  std::optional<ComparedRun> compared;
  EarlierRun earlier;
  if (call.compare) {
    try {
      earlier = readEarlierRun(*call.compare, testCaseCount);
    } catch (const EEarlierRun& fault) {
      tell(fault.message);
      return ExitEarlierRun;
    }
  }
  const std::vector<SubmissionFile> files = listSubmissionFiles(call.submissions);
  if (const std::string replaced = replacedFile(call, files); !replaced.empty()) {
    tell(replaced + ", which the standings would replace; nothing was written");
    return ExitWriteFailed;
  }
  const Standings standings =
      rankFiles(judgeAll(call, files, testCases), files, testCaseCount, *call.better, call.policy);
  testCases.clear();
  if (call.compare) compared = ComparedRun{*call.compare, compareRuns(earlier, standings)};
  const std::string problem = writeOutputFolder(
      call.out, outputFiles(standings, compared ? &*compared : nullptr),
      compared ? std::vector<std::string_view>{} : std::vector<std::string_view>{ChangesName});
  if (!problem.empty()) {
    tell(problem);
    return ExitWriteFailed;
  }
  printSummary(standings, call.out);
  return std::fflush(stdout) == 0 ? ExitWritten : ExitWriteFailed;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef SIGPIPE
  // A closed pipe shows as a failed write, which the exit code reports.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  RankCall call;
  const std::string problem = parseRankCall(argc, argv, call);
  if (call.help) {
    std::fputs(rankUsage().c_str(), stdout);
    return std::fflush(stdout) == 0 ? ExitWritten : ExitUsage;
  }
  if (!problem.empty()) {
    std::fprintf(stderr, "mrezovnik-rank: %s\n%s", problem.c_str(), rankUsage().c_str());
    return ExitUsage;
  }
  try {
    return rank(call);
  } catch (...) {
    tell("the run failed unexpectedly, such as out of memory; nothing was written");
    return ExitUnexpected;
  }
}
