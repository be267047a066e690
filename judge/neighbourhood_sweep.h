#pragma once

#include <cstdint>
#include <vector>

#include "taskinput/test_case.h"

/// The machine code that the grid check runs: the same source, built for the baseline
/// processor or for a wider vector unit that is chosen only where the processor has it.
enum class CountingPath {
  /// Baseline instructions; runs everywhere.
  Portable,
  /// 256-bit vector instructions (x86-64 with AVX2).
  Avx2,
};

// The AVX2 path is built where the compiler can build a function for AVX2 and the program
// can ask the processor for it. Windows is left out: its ABI does not align the stack for
// 256-bit spills.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(_WIN32)
#define MREZOVNIK_AVX2_PATH 1
#else
#define MREZOVNIK_AVX2_PATH 0
#endif

// Marks the loops that are inlined into each path's entry, so that each is built for that
// path.
#if defined(__GNUC__)
#define MREZOVNIK_PATH_INLINE [[gnu::always_inline]] inline
#else
#define MREZOVNIK_PATH_INLINE inline
#endif

/// Whether this machine can run a path.
bool canRunCountingPath(CountingPath path);

/// The paths that this machine can run, the portable one first.
std::vector<CountingPath> availableCountingPaths();

/// The fastest path that this machine can run.
CountingPath fastestCountingPath();

/// What the counting phase found: the first threshold fault, or the near-pair count.
struct SweepOutcome {
  /// Which threshold failed first, in the order white pass, then black pass.
  enum class Fault { None, TooFewWhite, TooManyBlack };
  Fault fault = Fault::None;
  /// The faulty cell, indexed from 0.
  int32_t row = -1;
  int32_t column = -1;
  /// The faulty cell's white count (TooFewWhite) or black count (TooManyBlack).
  int32_t count = 0;
  /// The number of pairs of black cells within distance d, when no threshold failed.
  int64_t nearPairs = 0;
};

/// The counting phase on a candidate that passed the comparison: every black cell must have
/// at least b white and at most c black cells within distance d. Every white-count fault is
/// reported before any black-count fault; within one kind, the first in row-major order.
SweepOutcome sweepNeighbourhoods(const TestCase& testCase, const Grid& candidate,
                                 CountingPath path);
