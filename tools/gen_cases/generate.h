#pragma once

// The whole run of gen_cases: the four files of one case folder.

#include "tools/gen_cases/options.h"

/// Generates input.txt, submission.txt, expected-report.txt and expected-stdout.txt into
/// options.out.
void generate(const Options& options);
