#include "standings/changes.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>

#include "evaluation/best_counts.h"
#include "standings/csv.h"
#include "standings/path_in_folder.h"
#include "standings/standings_csv.h"

namespace {

namespace fs = std::filesystem;

/// The whole of the file at `path`, or nothing when it cannot be read.
std::optional<std::string> wholeFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  std::string text;
  char chunk[65536];
  for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;)
    text.append(chunk, got);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return std::nullopt;
  return text;
}

/// The records of the CSV file `name` in `dir`, whose header starts with `columns`; every
/// record has as many fields as the header.
template <std::size_t Count>
std::vector<CsvRecord> readCsv(const std::string& dir, std::string_view name,
                               const std::array<std::string_view, Count>& columns) {
  const std::string path = pathInFolder(dir, name);
  const std::optional<std::string> text = wholeFile(path);
  if (!text) throw EEarlierRun(path + " cannot be read");
  std::optional<std::vector<CsvRecord>> records = parseCsv(*text);
  const auto malformed = [&path](std::string_view what) {
    return EEarlierRun(path + " is not as mrezovnik-rank writes it: " + std::string(what));
  };
  if (!records) throw malformed("a quote out of place");
  if (records->empty() || records->front().size() < Count ||
      !std::equal(columns.begin(), columns.end(), records->front().begin())) {
    throw malformed("its header is not " + std::string(columns.front()) + ",...");
  }
  for (const CsvRecord& record : *records) {
    if (record.size() != records->front().size()) throw malformed("a record of another length");
  }
  records->erase(records->begin());
  return std::move(*records);
}

/// The best counts of best.txt in `dir`; an empty one gives none.
CountsByTestCase readBest(const std::string& dir, int32_t testCaseCount) {
  const std::string path = pathInFolder(dir, "best.txt");
  const std::optional<std::string> text = wholeFile(path);
  if (!text) throw EEarlierRun(path + " cannot be read");
  if (text->find_first_not_of("\r\n") == std::string::npos) {
    return CountsByTestCase(static_cast<std::size_t>(testCaseCount));
  }
  try {
    return readBestCounts(path, testCaseCount);
  } catch (const EAnswerFile& fault) {
    throw EEarlierRun(fault.message);
  }
}

/// Adds a change where the value differs.
void addIfChanged(std::vector<Change>& changes, std::string_view what,
                  const std::string& contestant, int32_t testCase, std::string before,
                  std::string now) {
  if (before != now)
    changes.push_back({what, contestant, testCase, std::move(before), std::move(now)});
}

/// Adds the changes of one contestant's row.
void addRowChanges(std::vector<Change>& changes, const std::string& contestant,
                   const EarlierRun::Row& before, const EarlierRun::Row& now) {
  addIfChanged(changes, "rank", contestant, 0, before.rank, now.rank);
  addIfChanged(changes, "score", contestant, 0, before.score, now.score);
  addIfChanged(changes, "verdict", contestant, 0, before.verdict, now.verdict);
}

/// A count as written, or empty.
std::string countText(const std::optional<int64_t>& count) {
  return count ? std::to_string(*count) : "";
}

}  // namespace

EarlierRun readEarlierRun(const std::string& dir, int32_t testCaseCount) {
  std::error_code error;
  if (!fs::is_directory(dir, error))
    throw EEarlierRun("the earlier run's folder " + dir + " is missing");
  std::map<std::string, std::string> verdictOfFile;
  for (const CsvRecord& record : readCsv(dir, "results.csv", ResultsColumns)) {
    verdictOfFile.emplace(record[0], record[2]);
  }
  EarlierRun earlier;
  for (const CsvRecord& record : readCsv(dir, "standings.csv", StandingsColumns)) {
    const auto verdict = verdictOfFile.find(record[2]);
    earlier.contestants[record[1]] = {record[0], record[3],
                                      verdict == verdictOfFile.end() ? "" : verdict->second};
  }
  earlier.best = readBest(dir, testCaseCount);
  return earlier;
}

std::vector<Change> compareRuns(const EarlierRun& earlier, const Standings& standings) {
  std::vector<Change> changes;
  for (const Standing& row : standings.rows) {
    const auto before = earlier.contestants.find(row.contestant);
    const EarlierRun::Row now = {std::to_string(row.rank), row.scoreText,
                                 std::string(verdictWord(standings.files[row.file].verdict))};
    addRowChanges(changes, row.contestant,
                  before == earlier.contestants.end() ? EarlierRun::Row{} : before->second, now);
  }
  std::set<std::string_view> present;
  for (const Standing& row : standings.rows) present.insert(row.contestant);
  std::vector<std::pair<int64_t, std::string>> gone;
  for (const auto& [contestant, row] : earlier.contestants) {
    if (!present.contains(contestant)) gone.emplace_back(std::atoll(row.rank.c_str()), contestant);
  }
  std::sort(gone.begin(), gone.end());
  for (const auto& [rank, contestant] : gone) {
    addRowChanges(changes, contestant, earlier.contestants.at(contestant), {});
  }
  for (int32_t t = 1; t <= standings.testCaseCount; ++t) {
    const auto index = static_cast<std::size_t>(t - 1);
    addIfChanged(changes, "best", "", t,
                 countText(index < earlier.best.size() ? earlier.best[index] : std::nullopt),
                 countText(standings.best[index]));
  }
  return changes;
}

std::string changesCsv(const std::vector<Change>& changes) {
  std::string csv;
  appendCsvRecord(csv, CsvRecord(ChangesColumns.begin(), ChangesColumns.end()));
  for (const Change& change : changes) {
    appendCsvRecord(csv, {std::string(change.what), change.contestant,
                          change.testCase > 0 ? std::to_string(change.testCase) : "", change.before,
                          change.now});
  }
  return csv;
}
