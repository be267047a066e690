#include "judge/neighbourhood_sweep.h"

#include <algorithm>

#include "judge/sweep_fault_policies.h"
#include "judge/sweep_loop.h"
#include "judge/sweep_prefix.h"

#if MREZOVNIK_AVX2_PATH
#include <immintrin.h>
#endif
#if defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

namespace {

using sweep_kernels::SweepShape;

#if defined(__wasm_simd128__)
/// Prefix sums of packed counts four at a time with WebAssembly's 128-bit vectors, which every
/// wasm build has: each vector is summed within itself in two steps, then the total of the
/// vectors before it is added. Whole words are summed, as ScalarSums sums them.
struct Simd128Sums {
  static constexpr bool HalvesWrap = false;

  /// The sums of 4 words, given the running total in every lane; the new total in every lane.
  MREZOVNIK_PATH_INLINE static v128_t sumFour(const uint32_t* in, uint32_t* out, v128_t before) {
    const v128_t zero = wasm_i32x4_splat(0);
    v128_t x = wasm_v128_load(in);
    x = wasm_i32x4_add(x, wasm_i32x4_shuffle(zero, x, 0, 4, 5, 6));
    x = wasm_i32x4_add(x, wasm_i32x4_shuffle(zero, x, 0, 1, 4, 5));
    x = wasm_i32x4_add(x, before);
    wasm_v128_store(out, x);
    return wasm_i32x4_shuffle(x, x, 3, 3, 3, 3);
  }

  /// The sums of words [k, n) of a row, after the vectors' running total.
  MREZOVNIK_PATH_INLINE static void finish(const uint32_t* in, uint32_t* out, int32_t k, int32_t n,
                                           v128_t before) {
    auto running = static_cast<uint32_t>(wasm_i32x4_extract_lane(before, 0));
    for (; k < n; ++k) {
      running += in[k];
      out[k] = running;
    }
  }

  /// The sums of one row.
  MREZOVNIK_PATH_INLINE static void one(const uint32_t* in, uint32_t* out, int32_t n) {
    v128_t before = wasm_i32x4_splat(0);
    int32_t k = 0;
    for (; k + 4 <= n; k += 4) before = sumFour(in + k, out + k, before);
    finish(in, out, k, n, before);
  }

  /// The sums of two rows, their two chains side by side.
  MREZOVNIK_PATH_INLINE static void two(const uint32_t* in, const uint32_t* nextIn, uint32_t* out,
                                        uint32_t* nextOut, int32_t n) {
    v128_t before = wasm_i32x4_splat(0);
    v128_t nextBefore = before;
    int32_t k = 0;
    for (; k + 4 <= n; k += 4) {
      before = sumFour(in + k, out + k, before);
      nextBefore = sumFour(nextIn + k, nextOut + k, nextBefore);
    }
    finish(in, out, k, n, before);
    finish(nextIn, nextOut, k, n, nextBefore);
  }
};
/// The portable path's sums: with vectors where the build has them.
using PortableSums = Simd128Sums;
#else
using PortableSums = sweep_kernels::ScalarSums;
#endif

/// The sweep built for the baseline processor.
template <class Faults>
uint64_t sweepPortable(const Grid& grid, const SweepShape& shape, Faults& faults) {
  return sweep_kernels::sweepGrid<PortableSums>(grid, shape, faults);
}

#if MREZOVNIK_AVX2_PATH
/// Prefix sums of packed counts eight at a time, in 256-bit registers: each vector is summed
/// within itself in three steps, then the total of the vectors before it is added. That
/// total is the only chain from one vector to the next, one add long. Each half is summed
/// on its own, as 16-bit lanes, so that it wraps without carrying into the other. These are
/// called, not inlined: the shared loops that call them carry the baseline target until
/// they are inlined into this path's entry, and an AVX2 function cannot be inlined into them.
struct Avx2Sums {
  static constexpr bool HalvesWrap = true;

  /// The sums of one row.
  [[gnu::target("avx2")]] static void one(const uint32_t* in, uint32_t* out, int32_t n) {
    __m256i before = _mm256_setzero_si256();
    const __m256i lastLane = _mm256_set1_epi32(7);
    int32_t k = 0;
    for (; k + 8 <= n; k += 8) {
      __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + k));
      x = _mm256_add_epi16(x, _mm256_slli_si256(x, 4));
      x = _mm256_add_epi16(x, _mm256_slli_si256(x, 8));
      // Each 128-bit half is summed; the upper half also takes the lower half's total.
      const __m256i halfTotals = _mm256_shuffle_epi32(x, 0xff);
      x = _mm256_add_epi16(x, _mm256_permute2x128_si256(halfTotals, halfTotals, 0x08));
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + k), _mm256_add_epi16(x, before));
      before = _mm256_add_epi16(before, _mm256_permutevar8x32_epi32(x, lastLane));
    }
    auto running = static_cast<uint32_t>(_mm256_cvtsi256_si32(before));
    for (; k < n; ++k) {
      const uint32_t white = (running + in[k]) & 0xffff;
      const uint32_t black = ((running >> 16) + (in[k] >> 16)) & 0xffff;
      running = white | black << 16;
      out[k] = running;
    }
  }

  /// The sums of two rows.
  [[gnu::target("avx2")]] static void two(const uint32_t* in, const uint32_t* nextIn, uint32_t* out,
                                          uint32_t* nextOut, int32_t n) {
    one(in, out, n);
    one(nextIn, nextOut, n);
  }
};

/// The same sweep built for AVX2.
template <class Faults>
[[gnu::target("avx2")]] uint64_t sweepAvx2(const Grid& grid, const SweepShape& shape,
                                           Faults& faults) {
  return sweep_kernels::sweepGrid<Avx2Sums>(grid, shape, faults);
}
#endif

/// The sweep on the given path, its faults handed to `faults`: the sum of the black counts.
template <class Faults>
uint64_t sweepOnPath(const TestCase& testCase, const Grid& candidate, CodePath path,
                     Faults& faults) {
  const SweepShape shape{testCase.n, std::min(testCase.d, testCase.n - 1), testCase.b, testCase.c};
#if MREZOVNIK_AVX2_PATH
  if (runsAvx2Loops(path)) return sweepAvx2(candidate, shape, faults);
#endif
  static_cast<void>(path);
  return sweepPortable(candidate, shape, faults);
}

}  // namespace

SweepOutcome sweepNeighbourhoods(const TestCase& testCase, const Grid& candidate, CodePath path) {
  sweep_kernels::FirstFault faults;
  const uint64_t blackCountSum = sweepOnPath(testCase, candidate, path, faults);
  return faults.outcome(blackCountSum);
}

ThresholdFaults sweepEveryFault(const TestCase& testCase, const Grid& candidate, std::size_t limit,
                                CodePath path) {
  sweep_kernels::EveryFault faults{FaultList(limit), FaultList(limit)};
  const uint64_t blackCountSum = sweepOnPath(testCase, candidate, path, faults);
  return {std::move(faults.tooFewWhite), std::move(faults.tooManyBlack),
          static_cast<int64_t>(blackCountSum / 2)};
}
