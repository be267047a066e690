#pragma once

// The test cases that gen_cases writes: accepted ones with tight thresholds, the one whose
// answer breaks c, and answers with faults spread over them.

#include <cstdint>

#include "tests/reference/grid_rows.h"
#include "tests/reference/summed_counts.h"
#include "tools/gen_cases/options.h"
#include "tools/gen_cases/random_draws.h"

/// The first line of a test case's block after its number: n d b c.
struct Parameters {
  /// The grid's number of rows and columns.
  int32_t n = 0;
  /// The neighbourhood radius.
  int32_t d = 0;
  /// The least number of white cells around a black cell.
  int32_t b = 0;
  /// The most black cells around a black cell.
  int32_t c = 0;
};

/// One test case: its parameters, the input grid and the answer submitted for it.
struct Case {
  /// n d b c.
  Parameters parameters;
  /// The grid of the input file.
  Rows input;
  /// The grid of the submission.
  Rows answer;
};

/// Builds test case k, counting in `counts`; `failing` makes it the one whose answer breaks c.
Case buildCase(const Options& options, int32_t k, bool failing, SummedCounts& counts);

/// The answer with faults spread over it: about one cell in a hundred of every row changed.
Rows spreadFaults(const Rows& input, Rows answer, Random& random);
