#pragma once

// Draws that every standard library repeats exactly, so that equal arguments give byte-equal
// files: the raw output of std::mt19937_64, reduced by hand, never through a distribution.

#include <cstdint>
#include <random>

/// A source of draws: the raw output of the 64-bit Mersenne twister, reduced by hand.
class Random {
 public:
  /// A source seeded with one number.
  explicit Random(uint64_t seed) : engine_(seed) {}
  /// A number in [0, bound), bound > 0.
  uint64_t below(uint64_t bound) { return engine_() % bound; }
  /// A number in [low, high].
  int32_t between(int32_t low, int32_t high) {
    return low + static_cast<int32_t>(below(static_cast<uint64_t>(high - low) + 1));
  }
  /// A number in [0, 65536): the top 16 bits of one draw, for per-cell chances.
  uint32_t sixteenBits() { return static_cast<uint32_t>(engine_() >> 48); }
  /// True with probability per65536 / 65536.
  bool chance(uint32_t per65536) { return sixteenBits() < per65536; }

 private:
  /// The engine whose raw output every draw uses.
  std::mt19937_64 engine_;
};

/// A well-mixed seed for part `part` of a run seeded with `seed` (the splitmix64 finaliser),
/// so that each test case has its own independent draws.
inline uint64_t partSeed(uint64_t seed, uint64_t part) {
  uint64_t z = seed + (part + 1) * 0x9e3779b97f4a7c15ULL;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

/// A probability in per-mille as a threshold for Random::chance.
inline uint32_t per65536(int32_t perMille) {
  return static_cast<uint32_t>(perMille) * 65536U / 1000U;
}
