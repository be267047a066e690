#pragma once

#include <string>

#include "evaluation/outcome.h"

// The one line that `mrezovnik-diagnose --score` prints for the runners that contestants use
// to try many solvers at once: they read a score from a line "Score = N".

/// "Score = <N>\n": N is the count score of an accepted submission (the sum of each answered
/// test case's first count, as mrezovnik-judge gives it) and 0 of a refused one; empty when the
/// outcome gives no score at all (the input file at fault, an unexpected failure).
std::string scoreLine(const Outcome& outcome);
