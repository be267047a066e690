// Time of checkGrid on valid 1000 x 1000 grids, for radii from 1 to the whole grid.
//   cmake --preset bench && cmake --build --preset bench && build/bench/bench/check_grid_bench
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>

#include "judge/check_grid.h"

namespace {

constexpr int32_t Size = 1000;

/// A valid test case and answer: about 5% red and 30% black cells in the answer. Every cell
/// with two even coordinates stays white, so each black cell has a white neighbour (b = 1),
/// and c is the largest allowed, so the whole grid is counted.
struct ValidPair {
  TestCase testCase;
  Grid answer;
};

ValidPair makeValidPair(int32_t d) {
  std::mt19937 random(static_cast<uint32_t>(d));
  std::uniform_int_distribution<int> percent(0, 99);
  ValidPair pair;
  TestCase& testCase = pair.testCase;
  testCase.number = 1;
  testCase.n = Size;
  testCase.d = d;
  testCase.b = 1;
  testCase.c = (2 * d + 1) * (2 * d + 1) - 1;
  Grid input(Size);
  pair.answer = Grid(Size);
  for (int32_t i = 0; i < Size; ++i) {
    for (int32_t j = 0; j < Size; ++j) {
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

void BM_CheckGrid(benchmark::State& state) {
  const ValidPair pair = makeValidPair(static_cast<int32_t>(state.range(0)));
  std::string message;
  int64_t nearPairs = 0;
  if (!checkGrid(pair.testCase, pair.answer, message, nearPairs)) {
    state.SkipWithError(message.c_str());
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(checkGrid(pair.testCase, pair.answer, message, nearPairs));
    benchmark::DoNotOptimize(nearPairs);
  }
  state.counters["ns_per_cell"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * Size * Size,
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}
BENCHMARK(BM_CheckGrid)->Arg(1)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
