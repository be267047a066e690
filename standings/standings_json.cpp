#include "standings/standings_json.h"

#include <cstdint>
#include <optional>
#include <string_view>

#include "driver/text_encoding.h"

namespace {

/// Appends a path as a JSON string.
void appendPath(std::string& out, std::string_view path) {
  appendJsonString(out, path, highBytesOfPath(path));
}

/// Appends a text that is UTF-8 already, or null where it is empty and `emptyIsNull`.
void appendText(std::string& out, std::string_view text, bool emptyIsNull = false) {
  if (emptyIsNull && text.empty()) {
    out += "null";
  } else {
    appendJsonString(out, text, HighBytes::Utf8);
  }
}

/// Appends a count, or null.
void appendCount(std::string& out, const std::optional<int64_t>& count) {
  out += count ? std::to_string(*count) : "null";
}

/// Appends `values` as an array, each by `appendOne`.
template <class Values, class AppendOne>
void appendArray(std::string& out, const Values& values, AppendOne&& appendOne) {
  out += '[';
  bool first = true;
  for (const auto& value : values) {
    if (!first) out += ", ";
    first = false;
    appendOne(value);
  }
  out += ']';
}

/// Appends the standings' rows.
void appendRows(std::string& out, const Standings& standings) {
  out += "\"standings\": [";
  for (std::size_t k = 0; k < standings.rows.size(); ++k) {
    const Standing& row = standings.rows[k];
    out += k == 0 ? "\n{\"rank\": " : ",\n{\"rank\": ";
    out += std::to_string(row.rank);
    out += ", \"contestant\": ";
    appendText(out, row.contestant);
    out += ", \"file\": ";
    appendPath(out, standings.files[row.file].path);
    out += ", \"result\": " + std::to_string(row.file) + ", \"score\": " + row.scoreText +
           ", \"fractions\": ";
    appendArray(out, row.fractions, [&out](double fraction) { out += decimalText(fraction); });
    out += '}';
  }
  out += standings.rows.empty() ? "],\n" : "\n],\n";
}

/// Appends one file's result.
void appendResult(std::string& out, const JudgedFile& file, int32_t testCaseCount) {
  const bool refused = file.verdict == FileVerdict::Refused;
  const bool accepted = file.verdict == FileVerdict::Accepted;
  out += "{\"file\": ";
  appendPath(out, file.path);
  out += ", \"contestant\": ";
  appendText(out, contestantText(file));
  out += ", \"verdict\": \"" + std::string(verdictWord(file.verdict)) + "\", \"check\": ";
  out += refused ? std::to_string(checkNumber(file.failure.check)) : "null";
  out += ", \"message\": ";
  if (refused) {
    appendJsonString(out, file.failure.message, HighBytes::Latin1);
  } else {
    out += "null";
  }
  out += ", \"total\": ";
  out += accepted ? std::to_string(countScore(file.firstBlocks, testCaseCount)) : "null";
  out += ", \"counts\": ";
  appendArray(out, firstBlockCounts(file.firstBlocks, testCaseCount),
              [&out](const std::optional<int64_t>& count) { appendCount(out, count); });
  CountsByTestCase positions(static_cast<std::size_t>(testCaseCount));
  for (std::size_t k = 0; k < file.firstBlocks.size(); ++k) {
    positions[static_cast<std::size_t>(file.firstBlocks[k].number - 1)] = file.positions[k];
  }
  out += ", \"blocks\": ";
  appendArray(out, positions, [&out](const std::optional<int64_t>& at) { appendCount(out, at); });
  out += '}';
}

/// Appends the changes, or null.
void appendChanges(std::string& out, const ComparedRun* compared) {
  out += "\"changes\": ";
  if (compared == nullptr) {
    out += "null";
    return;
  }
  out += "{\"earlier\": ";
  appendPath(out, compared->earlierDir);
  out += ", \"list\": [";
  for (std::size_t k = 0; k < compared->changes.size(); ++k) {
    const Change& change = compared->changes[k];
    out += k == 0 ? "\n{\"change\": \"" : ",\n{\"change\": \"";
    out += std::string(change.what) + "\", \"contestant\": ";
    appendText(out, change.contestant, true);
    out += ", \"testCase\": ";
    out += change.testCase > 0 ? std::to_string(change.testCase) : "null";
    out += ", \"old\": ";
    appendText(out, change.before);
    out += ", \"new\": ";
    appendText(out, change.now);
    out += '}';
  }
  out += compared->changes.empty() ? "]}" : "\n]}";
}

}  // namespace

std::string standingsJson(const Standings& standings, const ComparedRun* compared) {
  std::string out = "{\"testCases\": " + std::to_string(standings.testCaseCount) +
                    ", \"better\": \"" + std::string(betterWord(standings.better)) +
                    "\", \"policy\": \"" + std::string(policyWord(standings.policy)) +
                    "\",\n\"best\": ";
  appendArray(out, standings.best,
              [&out](const std::optional<int64_t>& count) { appendCount(out, count); });
  out += ",\n";
  appendRows(out, standings);
  out += "\"results\": [";
  for (std::size_t k = 0; k < standings.files.size(); ++k) {
    out += k == 0 ? "\n" : ",\n";
    appendResult(out, standings.files[k], standings.testCaseCount);
  }
  out += standings.files.empty() ? "],\n" : "\n],\n";
  appendChanges(out, compared);
  out += "}\n";
  return out;
}
