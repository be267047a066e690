// Time of checkGrid on valid grids: 1000 x 1000 for radii from 1 to the whole grid (on the
// fastest code path and on the portable one), and sizes from 125 to 1000 at the
// smallest and the largest radius; and the time to pack a 1000 x 1000 input grid.
//   cmake --preset bench && cmake --build --preset bench && build/bench/bench/check_grid_bench
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>

#include "judge/check_grid.h"

namespace {

/// A valid test case and answer: about 5% red and 30% black cells in the answer. Every cell
/// with two even coordinates stays white, so each black cell has a white neighbour (b = 1),
/// and c is the largest allowed, so the whole grid is counted.
struct ValidPair {
  TestCase testCase;
  Grid input;
  Grid answer;
};

ValidPair makeValidPair(int32_t n, int32_t d) {
  std::mt19937 random(static_cast<uint32_t>(n * 7919 + d));
  std::uniform_int_distribution<int> percent(0, 99);
  ValidPair pair;
  TestCase& testCase = pair.testCase;
  testCase.number = 1;
  testCase.n = n;
  testCase.d = d;
  testCase.b = 1;
  testCase.c = (2 * d + 1) * (2 * d + 1) - 1;
  Grid& input = pair.input;
  input = Grid(n);
  pair.answer = Grid(n);
  for (int32_t i = 0; i < n; ++i) {
    for (int32_t j = 0; j < n; ++j) {
      const int roll = percent(random);
      const bool keepWhite = i % 2 == 0 && j % 2 == 0;
      const char cell = keepWhite || roll >= 25 ? '.' : roll < 5 ? 'R' : '#';
      input.rowData(i)[j] = cell;
      pair.answer.rowData(i)[j] = cell == '.' && !keepWhite && roll >= 85 ? '#' : cell;
    }
  }
  testCase.grid = PackedGrid(input);
  return pair;
}

/// Times checkGrid on an n x n grid with radius d, on the given code path; reports the
/// time per cell.
void timeCheckGrid(benchmark::State& state, int32_t n, int32_t d,
                   CodePath path = fastestCodePath()) {
  const ValidPair pair = makeValidPair(n, d);
  std::string message;
  int64_t nearPairs = 0;
  if (!checkGrid(pair.testCase, pair.answer, message, nearPairs, path)) {
    state.SkipWithError(message.c_str());
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(checkGrid(pair.testCase, pair.answer, message, nearPairs, path));
    benchmark::DoNotOptimize(nearPairs);
  }
  state.counters["ns_per_cell"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * n * n,
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}

/// A 1000 x 1000 grid; the argument is d.
void BM_CheckGrid(benchmark::State& state) {
  timeCheckGrid(state, 1000, static_cast<int32_t>(state.range(0)));
}
BENCHMARK(BM_CheckGrid)->Arg(1)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

/// The same on the portable code path, which every processor runs.
void BM_CheckGridPortable(benchmark::State& state) {
  timeCheckGrid(state, 1000, static_cast<int32_t>(state.range(0)), CodePath::Portable);
}
BENCHMARK(BM_CheckGridPortable)
    ->Arg(1)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond);

/// The arguments are n and d (0 standing for d = n).
void BM_CheckGridSize(benchmark::State& state) {
  const auto n = static_cast<int32_t>(state.range(0));
  const auto d = static_cast<int32_t>(state.range(1));
  timeCheckGrid(state, n, d == 0 ? n : d);
}
BENCHMARK(BM_CheckGridSize)
    ->ArgsProduct({{125, 250, 500, 1000}, {1, 0}})
    ->Unit(benchmark::kMicrosecond);

/// Packing a 1000 x 1000 input grid, as the test case reader does, on the path given as the
/// argument (0 portable, 1 AVX2). Freed memory is reused from one packing to the next, so
/// this times the packing's own work, without the page faults of fresh memory.
void BM_PackInputGrid(benchmark::State& state) {
  const auto path = static_cast<CodePath>(state.range(0));
  if (!canRunCodePath(path)) {
    state.SkipWithError("this machine cannot run the path");
    return;
  }
  const ValidPair pair = makeValidPair(1000, 1);
  for (auto _ : state) {
    const PackedGrid packed(pair.input, path);
    benchmark::DoNotOptimize(packed.colourWords());
  }
}
BENCHMARK(BM_PackInputGrid)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
