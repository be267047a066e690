#pragma once

#include <array>
#include <string>
#include <string_view>

#include "standings/standings.h"

// results.csv and standings.csv: after the named columns, one column per test case, headed by
// its number. Texts are UTF-8: a message's bytes from 128 up as the characters of the same
// codes, a path as it is where it is UTF-8.

/// The columns of results.csv before the test cases'.
inline constexpr std::array<std::string_view, 6> ResultsColumns = {"file",  "contestant", "verdict",
                                                                   "check", "message",    "total"};

/// The columns of standings.csv before the test cases'.
inline constexpr std::array<std::string_view, 4> StandingsColumns = {"rank", "contestant", "file",
                                                                     "score"};

/// results.csv: one record per file, in the order listed: its verdict; the failed check and
/// its message where refused; where accepted, the sum of the first blocks' counts and each test
/// case's first block's count (empty where not answered).
std::string resultsCsv(const Standings& standings);

/// standings.csv: one record per contestant, by rank: the chosen file, its score and each
/// test case's fraction.
std::string standingsCsv(const Standings& standings);

/// A refusal's message as the standings write it: UTF-8, each byte from 128 up the character
/// of the same code.
std::string messageText(std::string_view message);
