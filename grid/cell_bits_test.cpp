#include "grid/cell_bits.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "grid/packed_grid.h"
#include "tests/support/layout_probes.h"

namespace {

using cell_bits::CellMasks;

/// The masks of 64 bytes, worked out one byte at a time.
CellMasks expectedMasks(const std::string& cells) {
  CellMasks masks;
  for (int k = 0; k < 64; ++k) {
    const uint64_t bit = uint64_t{1} << k;
    if (cells[k] == 'R') masks.red |= bit;
    if (cells[k] == '#') masks.black |= bit;
    if (cells[k] == '.') masks.white |= bit;
  }
  return masks;
}

/// Whether two sets of masks are the same, naming the first that differs.
testing::AssertionResult sameMasks(const CellMasks& actual, const CellMasks& expected) {
  if (actual.red != expected.red) return testing::AssertionFailure() << "red";
  if (actual.black != expected.black) return testing::AssertionFailure() << "black";
  if (actual.white != expected.white) return testing::AssertionFailure() << "white";
  return testing::AssertionSuccess();
}

/// Each cell character alone at each position among 64 of another, then random mixes.
std::vector<std::string> cellCharacterWords() {
  std::vector<std::string> words;
  for (const char field : {'.', '#', 'R'}) {
    for (const char alone : {'.', '#', 'R'}) {
      for (int k = 0; k < 64; ++k) {
        std::string cells(64, field);
        cells[k] = alone;
        words.push_back(cells);
      }
    }
  }
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    std::string cells(64, '.');
    for (char& cell : cells) cell = ".#R"[random() % 3];
    words.push_back(cells);
  }
  return words;
}

TEST(CellBits, MasksOfCellCharactersAgreeWithEachByteOnEveryPath) {
  for (const std::string& cells : cellCharacterWords()) {
    const CellMasks expected = expectedMasks(cells);
    EXPECT_EQ(cell_bits::redOfCellCharacters(cells.data()), expected.red) << cells;
    EXPECT_EQ(cell_bits::nonWhiteOfCellCharacters(cells.data()), expected.red | expected.black)
        << cells;
    EXPECT_TRUE(sameMasks(cell_bits::masksOfAnyBytes(cells.data()), expected)) << cells;
#if MREZOVNIK_AVX2_PATH
    if (canRunCodePath(CodePath::Avx2)) {
      EXPECT_TRUE(sameMasks(cell_bits::masksAvx2(cells.data()), expected)) << cells;
    }
#endif
  }
}

TEST(CellBits, AByteThatIsNoCellCharacterIsInNoMaskAndIsFoundAnywhere) {
  for (const char invalid : InvalidBytes) {
    for (int k = 0; k < 64; ++k) {
      std::string cells(64, ".#R"[k % 3]);
      cells[k] = invalid;
      const CellMasks expected = expectedMasks(cells);
      EXPECT_TRUE(sameMasks(cell_bits::masksOfAnyBytes(cells.data()), expected)) << k;
#if MREZOVNIK_AVX2_PATH
      if (canRunCodePath(CodePath::Avx2)) {
        EXPECT_TRUE(sameMasks(cell_bits::masksAvx2(cells.data()), expected)) << k;
      }
#endif
      EXPECT_FALSE(cell_bits::allCellCharacters(cells.data(), 64)) << k;
      EXPECT_TRUE(cell_bits::allCellCharacters(cells.data(), k)) << k;
    }
  }
  EXPECT_TRUE(cell_bits::allCellCharacters("R#.", 3));
}

/// extractBits worked out one bit at a time.
uint64_t expectedExtract(uint64_t value, uint64_t mask) {
  uint64_t packed = 0;
  int next = 0;
  for (int k = 0; k < 64; ++k) {
    if ((mask >> k & 1) != 0) packed |= (value >> k & 1) << next++;
  }
  return packed;
}

TEST(CellBits, ExtractMovesTheBitsAtTheMaskIntoTheLowBitsInOrder) {
  const cell_bits::ByteTables& tables = cell_bits::byteTables();
  std::mt19937_64 random(11);
  std::vector<uint64_t> masks = {0, ~uint64_t{0}, 1, uint64_t{1} << 63, 0x5555555555555555};
  for (int byte = 0; byte < 8; ++byte) masks.push_back(uint64_t{0xff} << (8 * byte));
  for (int round = 0; round < 500; ++round) masks.push_back(random() & random());
  for (const uint64_t mask : masks) {
    const uint64_t value = random();
    EXPECT_EQ(cell_bits::extractBits(value, mask, tables), expectedExtract(value, mask)) << mask;
  }
}

/// The low bits of `packed` placed at the set bits of `mask`, worked out one bit at a time.
uint64_t expectedDeposit(uint64_t packed, uint64_t mask) {
  uint64_t placed = 0;
  int next = 0;
  for (int k = 0; k < 64; ++k) {
    if ((mask >> k & 1) != 0) placed |= (packed >> next++ & 1) << k;
  }
  return placed;
}

TEST(CellBits, ByteTablesHoldEveryMaskAndValue) {
  const cell_bits::ByteTables& tables = cell_bits::byteTables();
  for (unsigned mask = 0; mask < 256; ++mask) {
    ASSERT_EQ(tables.bitCount[mask], cell_bits::countBits(mask)) << mask;
    for (int k = 0; k < 8; ++k) {
      ASSERT_EQ(tables.spread[mask] >> (8 * k) & 0xff, mask >> k & 1) << mask << " byte " << k;
    }
    for (unsigned value = 0; value < 256; ++value) {
      const std::size_t entry = std::size_t{mask} * 256 + value;
      ASSERT_EQ(tables.packed[entry], expectedExtract(value, mask)) << mask << " " << value;
      ASSERT_EQ(tables.placed[entry], expectedDeposit(value, mask)) << mask << " " << value;
    }
  }
}

TEST(CellBits, WordsLoadAndStoreTheFirstByteLowest) {
  const char bytes[] = "\x01\x02\x03\x04\x05\x06\x07\x88";
  const uint64_t word = cell_bits::littleEndianWord(bytes);
  EXPECT_EQ(word, 0x8807060504030201u);
  uint8_t stored[8] = {};
  cell_bits::storeLittleEndian(word, stored);
  for (int k = 0; k < 8; ++k) EXPECT_EQ(stored[k], static_cast<uint8_t>(bytes[k])) << k;
}

TEST(CellBits, CountsTheBitsOfRunsOfEveryLength) {
  for (int count = 0; count <= 64; ++count) {
    const uint64_t low = count == 64 ? ~uint64_t{0} : (uint64_t{1} << count) - 1;
    EXPECT_EQ(cell_bits::countBits(low), count);
    EXPECT_EQ(cell_bits::countBits(~low), 64 - count);
    EXPECT_EQ(cell_bits::countBits(low & 0x5555555555555555), (count + 1) / 2) << count;
  }
}

TEST(CellBits, ColourBitsAtReadsSixtyFourBitsFromAnyPositionUpToTheEnd) {
  // Three words of bits, then the two words of zeros that a colour stream ends with.
  const uint64_t words[] = {0x0123456789abcdef, 0xfedcba9876543210, 0x8000000000000001, 0, 0};
  const auto bit = [&](uint64_t position) { return words[position / 64] >> (position % 64) & 1; };
  for (uint64_t position = 0; position <= 192; ++position) {
    uint64_t expected = 0;
    for (uint64_t k = 0; k < 64; ++k) expected |= bit(position + k) << k;
    ASSERT_EQ(colourBitsAt(words, position), expected) << position;
  }
}

}  // namespace
