#include "grid/cell_bits.h"

namespace cell_bits {

namespace {

/// The byte tables, worked out one bit at a time.
ByteTables buildByteTables() {
  ByteTables tables{};
  for (unsigned mask = 0; mask < 256; ++mask) {
    tables.bitCount[mask] = static_cast<uint8_t>(std::popcount(mask));
    for (unsigned bit = 0; bit < 8; ++bit)
      tables.spread[mask] |= uint64_t{mask >> bit & 1} << (8 * bit);
    for (unsigned value = 0; value < 256; ++value) {
      unsigned packed = 0;
      unsigned placed = 0;
      unsigned next = 0;
      for (unsigned bit = 0; bit < 8; ++bit) {
        if ((mask >> bit & 1) == 0) continue;
        packed |= (value >> bit & 1) << next;
        placed |= (value >> next & 1) << bit;
        ++next;
      }
      tables.packed[mask * 256 + value] = static_cast<uint8_t>(packed);
      tables.placed[mask * 256 + value] = static_cast<uint8_t>(placed);
    }
  }
  return tables;
}

}  // namespace

const ByteTables& byteTables() {
  static const ByteTables tables = buildByteTables();
  return tables;
}

}  // namespace cell_bits
