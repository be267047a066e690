#include "generator/parameter_draws.h"

#include <algorithm>

namespace {

/// The pinned value, or one drawn in [low, high].
int32_t pinnedOrDrawn(const std::optional<int32_t>& pinned, RandomSource& random, int32_t low,
                      int32_t high) {
  return pinned ? *pinned : random.between(low, high);
}

}  // namespace

int32_t leastRadiusFor(int32_t threshold) {
  int32_t d = 1;
  while (fullNeighbourhood(d) < threshold) ++d;
  return d;
}

int32_t largestDrawnThreshold(int32_t n, int32_t d) {
  return std::max(1, std::min(fullNeighbourhood(d), n * n - 1));
}

int32_t drawTestCount(const GenOptions& options) {
  RandomSource random(partSeed(options.seed, 0));
  return pinnedOrDrawn(options.tests, random, DrawRanges::TestsLow, DrawRanges::TestsHigh);
}

TestParameters drawParameters(const GenOptions& options, RandomSource& random) {
  TestParameters p;
  // The least radius that pinned thresholds allow, and the least size that the radius needs.
  const int32_t leastD = leastRadiusFor(std::max(options.b.value_or(1), options.c.value_or(1)));
  const int32_t leastN = options.d.value_or(leastD);
  p.n = pinnedOrDrawn(options.n, random, std::max(DrawRanges::NLow, leastN),
                      std::max(DrawRanges::NHigh, leastN));
  p.d =
      pinnedOrDrawn(options.d, random, leastD, std::max(leastD, std::min(p.n, DrawRanges::DHigh)));
  const int32_t largestThreshold = largestDrawnThreshold(p.n, p.d);
  p.b = pinnedOrDrawn(options.b, random, 1, largestThreshold);
  p.c = pinnedOrDrawn(options.c, random, 1, largestThreshold);
  const int32_t blackRoom = 100 - options.black.value_or(0);
  p.redPercent =
      pinnedOrDrawn(options.red, random, 0, std::min(DrawRanges::PercentHigh, blackRoom));
  p.blackPercent = pinnedOrDrawn(options.black, random, 0,
                                 std::min(DrawRanges::PercentHigh, 100 - p.redPercent));
  return p;
}
