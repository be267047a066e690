#pragma once

#include <cstdint>
#include <string>

#include "grid/test_case.h"
#include "judge/neighbourhood_sweep.h"

/// Whether `candidate` is a valid answer to `testCase`, in two phases:
///  1. comparison: every cell holds 'R', '#' or '.', and only white cells turned black;
///  2. counting: every black cell has at least b white and at most c black cells within
///     distance d (all white-count failures are reported before any black-count failure).
/// On success sets `nearPairs` to the number of pairs of black cells within distance d.
/// On failure moves the message of the first rule that failed into `message`. Throws nothing.
/// `candidate` must be n by n, like the test case's grid.
bool checkGrid(const TestCase& testCase, const Grid& candidate, std::string& message,
               int64_t& nearPairs);

/// checkGrid with its loops on a chosen code path; the paths give identical results.
bool checkGrid(const TestCase& testCase, const Grid& candidate, std::string& message,
               int64_t& nearPairs, CodePath path);

/// checkGrid of a test case against its own grid: `rows` are the rows that `testCase.grid` was
/// packed from. The comparison can then fail only on a byte that is no cell character, which
/// the packing has looked for already, so it runs only where the packing found one.
bool checkOwnGrid(const TestCase& testCase, const Grid& rows, std::string& message,
                  int64_t& nearPairs);
