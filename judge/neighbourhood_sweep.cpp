#include "judge/neighbourhood_sweep.h"

#include <algorithm>

#include "judge/sweep_kernels.h"

// The wider path exists where the compiler can build one function for AVX2 and the program
// can ask the processor for it. Windows is left out: its ABI does not align the stack for
// 256-bit spills.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(_WIN32)
#define MREZOVNIK_AVX2_PATH 1
#else
#define MREZOVNIK_AVX2_PATH 0
#endif

namespace {

using sweep_kernels::SweepShape;

/// The sweep built for the baseline processor.
SweepOutcome sweepPortable(const Grid& grid, const SweepShape& shape) {
  return sweep_kernels::sweepGrid(grid, shape);
}

#if MREZOVNIK_AVX2_PATH
/// The same sweep built for AVX2.
[[gnu::target("avx2")]] SweepOutcome sweepAvx2(const Grid& grid, const SweepShape& shape) {
  return sweep_kernels::sweepGrid(grid, shape);
}
#endif

/// Whether this machine can run a path.
bool canRun(CountingPath path) {
  switch (path) {
    case CountingPath::Portable:
      return true;
    case CountingPath::Avx2:
#if MREZOVNIK_AVX2_PATH
      return __builtin_cpu_supports("avx2") != 0;
#else
      return false;
#endif
  }
  return false;
}

}  // namespace

std::vector<CountingPath> availableCountingPaths() {
  std::vector<CountingPath> paths;
  for (const CountingPath path : {CountingPath::Portable, CountingPath::Avx2}) {
    if (canRun(path)) paths.push_back(path);
  }
  return paths;
}

CountingPath fastestCountingPath() {
  return canRun(CountingPath::Avx2) ? CountingPath::Avx2 : CountingPath::Portable;
}

SweepOutcome sweepNeighbourhoods(const TestCase& testCase, const Grid& candidate,
                                 CountingPath path) {
  const SweepShape shape{testCase.n, std::min(testCase.d, testCase.n - 1), testCase.b, testCase.c};
#if MREZOVNIK_AVX2_PATH
  if (path == CountingPath::Avx2 && canRun(path)) return sweepAvx2(candidate, shape);
#endif
  static_cast<void>(path);
  return sweepPortable(candidate, shape);
}
