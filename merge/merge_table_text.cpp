#include "merge/merge_table_text.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

#include "driver/report.h"
#include "hosts/host_text.h"

namespace {

/// The table's columns.
constexpr std::array<const char*, 4> Columns = {"Test case", "Near pairs", "File", "Line"};

/// Each row's cells, in the order of Columns.
using Row = std::array<std::string, Columns.size()>;

/// The row of one test case.
Row rowOf(std::size_t testCase, const std::optional<ChosenBlock>& chosen) {
  if (!chosen) return {std::to_string(testCase + 1), "-", "-", "-"};
  return {std::to_string(testCase + 1), std::to_string(chosen->nearPairs),
          std::to_string(chosen->file + 1), std::to_string(chosen->headerLine)};
}

/// The rows, each cell right-aligned in its column.
std::string alignedRows(const std::vector<Row>& rows) {
  std::array<std::size_t, Columns.size()> widths{};
  for (const Row& row : rows) {
    for (std::size_t k = 0; k < row.size(); ++k) widths[k] = std::max(widths[k], row[k].size());
  }
  std::string text;
  for (const Row& row : rows) {
    for (std::size_t k = 0; k < row.size(); ++k) {
      if (k > 0) text += "  ";
      text.append(widths[k] - row[k].size(), ' ') += row[k];
    }
    text += '\n';
  }
  return text;
}

/// A file's line: its blocks, how many are valid, and the fault that ended its reading.
std::string fileLine(std::size_t k, const MergedFile& file) {
  std::string line = "File " + std::to_string(k + 1) + ": " + file.path + ": ";
  if (file.blocks == 0) {
    line += "no blocks";
  } else {
    line += std::to_string(file.blocks) + (file.blocks == 1 ? " block, " : " blocks, ") +
            std::to_string(file.validBlocks) + " valid";
  }
  if (file.stop) {
    const DiagnosisStop& stop = *file.stop;
    line += "; reading stopped: " +
            hostText(stop.check == 0 ? stop.message
                                     : failureLine(static_cast<Check>(stop.check), stop.message));
  }
  return line + "\n";
}

/// The contestant number kept, and each file's that differs from it.
std::string contestantNumberLines(const MergeTable& table) {
  if (!table.contestantNumberFile) {
    return "No file has a contestant number on its line 1: " + table.contestantNumber +
           " is written.\n";
  }
  std::string text = "Contestant number " + table.contestantNumber + ", from file " +
                     std::to_string(*table.contestantNumberFile + 1) + ".\n";
  for (std::size_t k = 0; k < table.files.size(); ++k) {
    const std::optional<std::string>& number = table.files[k].contestantNumber;
    if (number && *number != table.contestantNumber) {
      text += "File " + std::to_string(k + 1) + " has contestant number " + *number + "; " +
              table.contestantNumber + " is kept.\n";
    }
  }
  return text;
}

}  // namespace

std::string mergeTableText(const MergeTable& table) {
  std::vector<Row> rows = {{Columns[0], Columns[1], Columns[2], Columns[3]}};
  std::string unanswered;
  for (std::size_t t = 0; t < table.chosen.size(); ++t) {
    rows.push_back(rowOf(t, table.chosen[t]));
    if (!table.chosen[t]) unanswered += (unanswered.empty() ? "" : ", ") + std::to_string(t + 1);
  }
  std::string text = alignedRows(rows);
  if (!unanswered.empty()) text += "Test cases that no file answers validly: " + unanswered + "\n";
  for (std::size_t k = 0; k < table.files.size(); ++k) text += fileLine(k, table.files[k]);
  return text + contestantNumberLines(table);
}
