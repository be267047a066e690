#pragma once

// The report's and the standard output's lines of an evaluation, as the reference words them.

#include <cstdint>
#include <string>

/// The report of an evaluation stopped by a refused block: where the block begins in the
/// submission (its line from 1) and its fault's message.
inline std::string refusedReport(int64_t headerLine, const std::string& message) {
  return "Napaka [Mrezovnik:221]: [napaka v resitvi, ki se zacne v " + std::to_string(headerLine) +
         ". vrstici oddane datoteke] " + message + "\n-1\n";
}

/// The first two lines of an accepted evaluation's report: OK and the number of blocks.
inline std::string acceptedReportHead(std::size_t blocks) {
  return "OK\n" + std::to_string(blocks) + "\n";
}

/// One accepted block's line of the report: its test case and near-pair count.
inline std::string acceptedReportLine(int32_t number, int64_t nearPairs) {
  return std::to_string(number) + ' ' + std::to_string(nearPairs) + '\n';
}

/// One accepted block's line of standard output.
inline std::string acceptedStdoutLine(int32_t number, int64_t nearPairs) {
  return "Testni primer " + std::to_string(number) + ": " + std::to_string(nearPairs) +
         " parov bliznjih crnih polj.\n";
}
