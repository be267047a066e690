#include "standings/standings_csv.h"

#include "driver/text_encoding.h"
#include "standings/csv.h"

namespace {

/// The header record: the named columns, then the test case numbers.
template <std::size_t Count>
CsvRecord header(const std::array<std::string_view, Count>& columns, int32_t testCaseCount) {
  CsvRecord record(columns.begin(), columns.end());
  for (int32_t t = 1; t <= testCaseCount; ++t) record.push_back(std::to_string(t));
  return record;
}

/// A file's record of results.csv.
CsvRecord resultRecord(const JudgedFile& file, int32_t testCaseCount) {
  const bool refused = file.verdict == FileVerdict::Refused;
  const bool accepted = file.verdict == FileVerdict::Accepted;
  CsvRecord record = {pathText(file.path),
                      contestantText(file),
                      std::string(verdictWord(file.verdict)),
                      refused ? std::to_string(checkNumber(file.failure.check)) : "",
                      refused ? messageText(file.failure.message) : "",
                      accepted ? std::to_string(countScore(file.firstBlocks, testCaseCount)) : ""};
  for (const std::optional<int64_t>& count : firstBlockCounts(file.firstBlocks, testCaseCount)) {
    record.push_back(count ? std::to_string(*count) : "");
  }
  return record;
}

}  // namespace

std::string messageText(std::string_view message) {
  std::string text;
  appendUtf8(text, message, HighBytes::Latin1);
  return text;
}

std::string resultsCsv(const Standings& standings) {
  std::string csv;
  appendCsvRecord(csv, header(ResultsColumns, standings.testCaseCount));
  for (const JudgedFile& file : standings.files) {
    appendCsvRecord(csv, resultRecord(file, standings.testCaseCount));
  }
  return csv;
}

std::string standingsCsv(const Standings& standings) {
  std::string csv;
  appendCsvRecord(csv, header(StandingsColumns, standings.testCaseCount));
  for (const Standing& row : standings.rows) {
    CsvRecord record = {std::to_string(row.rank), row.contestant,
                        pathText(standings.files[row.file].path), row.scoreText};
    for (const double fraction : row.fractions) record.push_back(decimalText(fraction));
    appendCsvRecord(csv, record);
  }
  return csv;
}
