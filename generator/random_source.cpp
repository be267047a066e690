#include "generator/random_source.h"

uint32_t RandomSource::below(uint32_t bound) {
  // The high half of a 32-bit draw times the bound; the draws that would favour some values
  // are drawn again (the low half below 2^32 mod bound).
  uint64_t product = (next() >> 32) * bound;
  auto low = static_cast<uint32_t>(product);
  if (low < bound) {
    const uint32_t rejected = (0U - bound) % bound;
    while (low < rejected) {
      product = (next() >> 32) * bound;
      low = static_cast<uint32_t>(product);
    }
  }
  return static_cast<uint32_t>(product >> 32);
}
