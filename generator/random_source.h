#pragma once

// The generator's draws: every number comes from its own integer arithmetic, so that equal
// arguments give equal files on every platform (no standard distribution, no floating point).

#include <cstdint>

/// A stream of pseudo-random numbers (splitmix64), with ranges reduced by hand.
class RandomSource {
 public:
  /// The stream of one seed.
  explicit RandomSource(uint64_t seed) : state_(seed) {}

  /// The next 64 bits.
  uint64_t next() {
    state_ += 0x9e3779b97f4a7c15ULL;
    return mix(state_);
  }
  /// A number in [0, bound), every value equally likely; bound > 0.
  uint32_t below(uint32_t bound);
  /// A number in [low, high], every value equally likely; low <= high.
  int32_t between(int32_t low, int32_t high) {
    return low + static_cast<int32_t>(below(static_cast<uint32_t>(high - low) + 1U));
  }

  /// The splitmix64 output function: 64 well-mixed bits of any 64 bits.
  static uint64_t mix(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }

 private:
  uint64_t state_;
};

/// The seed of the stream numbered `part` of a run seeded with `seed`: part 0 draws the
/// number of test cases, part k test case k, so that a test case does not depend on the
/// others.
inline uint64_t partSeed(uint64_t seed, uint64_t part) {
  return RandomSource::mix(seed + (part + 1) * 0x9e3779b97f4a7c15ULL);
}
