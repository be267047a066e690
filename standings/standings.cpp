#include "standings/standings.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

#include "driver/text_encoding.h"

namespace {

/// What tells contestants apart: whether the file names one, and the text written.
using ContestantKey = std::pair<bool, std::string>;

/// The files of each contestant, in the order listed.
std::map<ContestantKey, std::vector<std::size_t>> filesByContestant(
    const std::vector<JudgedFile>& files) {
  std::map<ContestantKey, std::vector<std::size_t>> groups;
  for (std::size_t k = 0; k < files.size(); ++k) {
    groups[{!files[k].contestant, contestantText(files[k])}].push_back(k);
  }
  return groups;
}

/// The best count of each test case over the accepted files.
CountsByTestCase bestCounts(const std::vector<JudgedFile>& files, int32_t testCaseCount,
                            Better better) {
  CountsByTestCase best(static_cast<std::size_t>(testCaseCount));
  for (const JudgedFile& file : files) {
    keepBetterCounts(best, firstBlockCounts(file.firstBlocks, testCaseCount), better);
  }
  return best;
}

/// The file chosen among a contestant's `group`, given each file's score.
std::size_t chosenFile(const std::vector<std::size_t>& group, const std::vector<JudgedFile>& files,
                       const std::vector<SubmissionFile>& listed, const std::vector<double>& scores,
                       Policy policy) {
  // The later in name order; files of the same name, the later listed.
  const auto later = [&listed](std::size_t a, std::size_t b) {
    return std::tie(listed[a].name, a) > std::tie(listed[b].name, b);
  };
  if (policy == Policy::Last)
    return *std::max_element(group.begin(), group.end(),
                             [&](auto a, auto b) { return later(b, a); });
  // The highest score; of equal ones, an accepted file before a refused one before an
  // unreadable one, then the first in name order.
  return *std::min_element(group.begin(), group.end(), [&](std::size_t a, std::size_t b) {
    if (scores[a] != scores[b]) return scores[a] > scores[b];
    if (files[a].verdict != files[b].verdict) return files[a].verdict < files[b].verdict;
    return later(b, a);
  });
}

/// Sorts the rows by score as written, then by contestant, and gives each its rank.
void rank(std::vector<Standing>& rows) {
  std::stable_sort(rows.begin(), rows.end(), [](const Standing& a, const Standing& b) {
    if (a.scoreText != b.scoreText) return writtenHigher(a.scoreText, b.scoreText);
    return a.contestant < b.contestant;
  });
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const bool tied = k > 0 && rows[k].scoreText == rows[k - 1].scoreText;
    rows[k].rank = tied ? rows[k - 1].rank : static_cast<int64_t>(k) + 1;
  }
}

}  // namespace

Standings rankFiles(std::vector<JudgedFile> files, const std::vector<SubmissionFile>& listed,
                    int32_t testCaseCount, Better better, Policy policy) {
  Standings standings;
  standings.testCaseCount = testCaseCount;
  standings.better = better;
  standings.policy = policy;
  standings.best = bestCounts(files, testCaseCount, better);
  std::vector<double> scores(files.size());
  for (std::size_t k = 0; k < files.size(); ++k) {
    scores[k] = relativeScore(files[k].firstBlocks, testCaseCount, standings.best, better);
  }
  for (const auto& [key, group] : filesByContestant(files)) {
    Standing row;
    row.contestant = key.second;
    row.file = chosenFile(group, files, listed, scores, policy);
    row.score = scores[row.file];
    row.scoreText = decimalText(100 * row.score);
    row.fractions =
        relativeFractions(files[row.file].firstBlocks, testCaseCount, standings.best, better);
    standings.rows.push_back(std::move(row));
  }
  rank(standings.rows);
  standings.files = std::move(files);
  return standings;
}

std::string pathText(std::string_view path) {
  std::string text;
  appendUtf8(text, path, highBytesOfPath(path));
  return text;
}

std::string contestantText(const JudgedFile& file) {
  if (file.contestant) return *file.contestant;
  return pathText(file.path);
}

bool writtenHigher(std::string_view a, std::string_view b) {
  const std::size_t aPoint = std::min(a.find('.'), a.size());
  const std::size_t bPoint = std::min(b.find('.'), b.size());
  // No leading zeros: the longer whole part is the larger.
  if (aPoint != bPoint) return aPoint > bPoint;
  const int whole = a.substr(0, aPoint).compare(b.substr(0, bPoint));
  if (whole != 0) return whole > 0;
  // No trailing zeros: the decimals compare as texts.
  return a.substr(aPoint) > b.substr(bPoint);
}
